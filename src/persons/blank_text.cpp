#include "persons/blank_text.h"

namespace orvanel {

bool IsBlank(const QString& text)
{
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

}  // namespace orvanel
