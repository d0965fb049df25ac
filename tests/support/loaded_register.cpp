#include "support/loaded_register.h"

#include "store/save.h"

#include <gtest/gtest.h>

namespace orvanel::testing {

LoadedRegister::LoadedRegister(const QByteArray& fileBytes, QDate today) : clock(today)
{
    writeDataFile(fileBytes);
    load();
}

LoadedRegister::LoadedRegister(const RegisterXml& xml, QDate today)
    : LoadedRegister(xml.bytes(), today)
{
    EXPECT_TRUE(Accepted(report));
}

void LoadedRegister::writeDataFile(const QByteArray& bytes) const
{
    folder.write(QString::fromLatin1(kDataFileName), bytes);
}

QByteArray LoadedRegister::fileBytes() const
{
    return folder.read(QString::fromLatin1(kDataFileName));
}

void LoadedRegister::load()
{
    // The load itself drops whatever the register held before: the register stays in place, as
    // a register cannot move.
    reg.folder = folder.path();
    report = LoadDataFile(reg, clock);
}

void LoadedRegister::saveAndReload()
{
    SaveRegister(reg, clock);
    load();
    EXPECT_TRUE(Accepted(report));
}

}  // namespace orvanel::testing
