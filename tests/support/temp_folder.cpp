#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

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

}  // namespace orvanel::testing
