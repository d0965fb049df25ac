#include "store/quoted_text.h"

namespace orvanel {

QString FirstCharacters(const QString& text, int count)
{
    qsizetype end = 0;
    for (int i = 0; i < count && end < text.size(); ++i) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() &&
                          text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

QString QuotedInMessage(const QString& text, int maxCharacters)
{
    const QString head = FirstCharacters(text, maxCharacters);
    return head.size() == text.size() ? text : head + QChar(0x2026);
}

}  // namespace orvanel
