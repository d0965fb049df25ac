#include "store/register.h"

#include <QDir>

namespace orvanel {

QString Register::dataPath() const
{
    return QDir(folder).filePath(QString::fromLatin1(kDataFileName));
}

QString Register::backupPath() const
{
    return QDir(folder).filePath(QString::fromLatin1(kBackupFileName));
}

}  // namespace orvanel
