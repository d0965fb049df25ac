#include "store/io_messages.h"

#include <QCoreApplication>

#include <cstring>

namespace orvanel {

QString CannotOpenText()
{
    //: %2 is the system's own reason, such as "Permission denied".
    return QCoreApplication::translate("orvanel::Store", "Cannot open \"%1\": %2");
}

QString CannotReadText()
{
    //: %2 is the system's own reason, such as "Input/output error".
    return QCoreApplication::translate("orvanel::Store", "Cannot read \"%1\": %2");
}

QString CannotWriteText()
{
    //: %2 is the system's own reason, such as "No space left on device".
    return QCoreApplication::translate("orvanel::Store", "Cannot write \"%1\": %2");
}

QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace orvanel
