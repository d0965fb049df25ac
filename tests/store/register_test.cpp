#include "store/lookup.h"
#include "store/save.h"

#include "support/loaded_register.h"

#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

TEST(Register, CountsWhatIsAppendedThroughItSoTheSavedFileLoadsBack)
{
    LoadedRegister r(RegisterFile(BarePerson("AB0001-7"), 1, 0));
    ASSERT_FALSE(r.reg.loadFailed());
    const QString newId = NextFreeId(r.reg, r.reg.personCounter());
    r.reg.appendRelationship(newId, "AB0001-7", "child", "parent");
    r.reg.addPerson(ValueOf(newId));
    EXPECT_FALSE(r.reg.modified());  // appending alone is not yet a finished change
    r.reg.markModified();
    EXPECT_EQ(r.reg.personCounter(), 2);
    EXPECT_EQ(r.reg.relCounter(), 1);
    EXPECT_TRUE(r.reg.modified());
    SaveRegister(r.reg, r.clock);

    LoadedRegister again(r.folder.read(QStringLiteral("zok.xml")));
    ASSERT_FALSE(again.reg.loadFailed()) << again.refusals().join("|").toStdString();
    EXPECT_EQ(again.reg.personCounter(), 2);
    EXPECT_EQ(again.reg.relCounter(), 1);
    EXPECT_FALSE(again.reg.modified());
    EXPECT_TRUE(FindPerson(again.reg, newId));
}

TEST(Register, RemovingRelationsSaysHowManyWentAndARefusedLoadDropsEveryCount)
{
    LoadedRegister r(RegisterFile(BarePerson("AB0001-7") + BarePerson("AB0002-3") +
                                      RelXml("AB0001-7", "AB0002-3") +
                                      RelXml("AB0002-3", "AB0001-7"),
                                  2, 2));
    ASSERT_FALSE(r.reg.loadFailed());
    EXPECT_EQ(r.reg.removeRelationsOf("AB0002-3"), 2);
    EXPECT_EQ(r.reg.removeRelationsOf("AB0002-3"), 0);
    EXPECT_EQ(r.reg.relCounter(), 0);
    r.reg.addPerson(ValueOf("AB0003-9"));
    r.reg.markModified();

    // The file on disk now claims a count it does not hold: nothing of the edit may survive.
    r.writeDataFile(RegisterFile(BarePerson("AB0001-7"), 5, 0));
    LoadDataFile(r.reg, r.clock);
    EXPECT_TRUE(r.reg.loadFailed());
    EXPECT_EQ(r.reg.personCounter(), 0);
    EXPECT_EQ(r.reg.relCounter(), 0);
    EXPECT_FALSE(r.reg.modified());
}
