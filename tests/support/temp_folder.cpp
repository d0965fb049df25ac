#include "support/temp_folder.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

namespace orvanel::testing {

void TempFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << name.toStdString();
}

QByteArray TempFolder::read(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << name.toStdString();
        return {};
    }
    return f.readAll();
}

bool TempFolder::exists(const QString& name) const
{
    return QFile::exists(file(name));
}

void TempFolder::writeOld(const QString& name, const QByteArray& bytes) const
{
    write(name, bytes);
    timespec times[2] {};
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= 3600;
    times[1] = times[0];
    if (::utimensat(AT_FDCWD, QFile::encodeName(file(name)).constData(), times, 0) != 0)
        ADD_FAILURE() << "cannot age " << name.toStdString();
}

}  // namespace orvanel::testing
