#include "import/birth_comment.h"

#include <QCoreApplication>

namespace orvanel {

QString BirthCommentLine(const QString& written)
{
    //: A line added to an imported person's comment for a birth date that is not an exact day
    //: (a year alone, a day without a year, words). %1 is the date as the file wrote it.
    return QCoreApplication::translate("orvanel::Import", "Born: %1").arg(written);
}

}  // namespace orvanel
