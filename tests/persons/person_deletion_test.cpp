#include "persons/person_deletion.h"
#include "store/errors.h"
#include "store/lookup.h"
#include "support/fixed_clock.h"
#include "support/register_xml.h"
#include "support/register_records.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::RegisterBytes;
using testing::RegisterDocument;

using testing::PersonXml;
using testing::StoredPerson;
using testing::ParseRecordsInto;

const QByteArray kRels =
    " <Rel ID1=\"AB0001-7\" ID2=\"AB0002-3\" Dir=\"child\" Inv=\"parent\"/>\n"
    " <Rel ID1=\"AB0003-9\" ID2=\"AB0002-3\" Dir=\"sibling\" Inv=\"sibling\"/>\n"
    " <Rel ID1=\"AB0002-3\" ID2=\"AB0003-9\" Dir=\"twin\" Inv=\"twin\"/>\n"
    " <Rel ID1=\"AB0001-7\" ID2=\"AB0003-9\" Dir=\"parent\" Inv=\"child\"/>\n";

TEST(PersonDeletion, MarksThePersonDeletedTodayAndRemovesEveryRelationshipNamingIt)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7").xml() + PersonXml("AB0002-3").xml()
                          + PersonXml("AB0003-9").xml() + kRels);
    const FixedClock clock(QDate(2026, 12, 6));

    DeletePerson(reg, QStringLiteral("AB0002-3"), clock);

    const PersonValue person = StoredPerson(reg, QStringLiteral("AB0002-3"));
    EXPECT_EQ(person.text(PersonField::Status), "Deleted");
    EXPECT_EQ(person.text(PersonField::DateModified), "2026/12/6");
    EXPECT_EQ(person.text(PersonField::DateCreated), "2020/1/1");
    EXPECT_EQ(person.text(PersonField::Name), "X");
    EXPECT_TRUE(reg.modified());
    // Only the relationship between the two others is left.
    EXPECT_EQ(reg.relCounter(), 1);
    Document saved = RegisterDocument(reg);
    ASSERT_EQ(saved.rootCount(), 4);
    EXPECT_EQ(saved.rootChild(3).attribute("Dir"), "parent");
    const PersonValue other = StoredPerson(reg, QStringLiteral("AB0001-7"));
    EXPECT_EQ(other.text(PersonField::Status), "Active");
    EXPECT_EQ(other.text(PersonField::DateModified), "2020/1/1");
}

TEST(PersonDeletion, ARecordThatCannotBeMarkedLeavesTheRegisterUnchanged)
{
    for (const char* missing : {"Status", "DateModified"}) {
        Register reg;
        ParseRecordsInto(reg, PersonXml("AB0001-7").xml()
                              + PersonXml("AB0002-3").without(missing).xml() + kRels);
        const QByteArray before = RegisterBytes(reg);
        EXPECT_THROW(DeletePerson(reg, QStringLiteral("AB0002-3"), FixedClock(QDate(2026, 1, 1))),
                     NodeNotFound)
            << missing;
        EXPECT_EQ(RegisterBytes(reg), before) << missing;
        EXPECT_EQ(reg.relCounter(), 4);
        EXPECT_FALSE(reg.modified());
    }

    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7").xml() + kRels);
    EXPECT_THROW(DeletePerson(reg, QStringLiteral("AB0002-3"), FixedClock(QDate(2026, 1, 1))),
                 NodeNotFound);
    EXPECT_EQ(reg.relCounter(), 4);
}

}  // namespace
}  // namespace orvanel
