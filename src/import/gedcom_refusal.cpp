#include "import/gedcom_refusal.h"

#include <QCoreApplication>

namespace orvanel {

void RefuseGedcomLine(qint64 line, const QString& expected)
{
    //: %1 is a line number of the file being imported, %2 says what should have been there.
    throw ImportRefused(QCoreApplication::translate("orvanel::Import", "line %1: expected %2")
                            .arg(line)
                            .arg(expected));
}

}  // namespace orvanel
