#include "import/import_apply.h"
#include "import/import_batch_support.h"
#include "support/loaded_register.h"
#include "support/register_records.h"

#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

QString Child(Register& reg, const QString& id, const char* child)
{
    return StoredPerson(reg, id).text(*FieldOfElement(child));
}

// Four persons, the third left out, and a link of every kind; one touches the third.
ImportBatch Family()
{
    ImportBatch batch;
    batch.persons = {Imported("Anna", "Ozola", "1950/2/1"), Imported("Peteris", "Ozols"),
                     Imported("Juris", "Berzs"), Imported("Zane", "Ozola", "1975/3/5")};
    batch.persons[0].value.set(PersonField::City, QStringLiteral("Riga"));
    batch.persons[0].value.set(PersonField::Comment, QStringLiteral("Born: ABT 1890\nsecond"));
    batch.persons[0].value.set(PersonField::Sex, QStringLiteral("F"));
    batch.links = {{1, 0, QStringLiteral("child")},
                   {2, 0, QStringLiteral("sibling")},
                   {3, 1, QStringLiteral("twin")},
                   {0, 3, QStringLiteral("parent")}};
    return batch;
}

TEST(ImportApply, AddsTheChosenPersonsUnderNewIdsAndTheirLinksWithTheInverse)
{
    // Number 4 is taken above the count of three: the new persons get 5, 6 and 7.
    LoadedRegister loaded(RegisterXml()
                              .person(Id(1), QStringLiteral("A"), {}, QStringLiteral("B"))
                              .person(Id(2), QStringLiteral("C"), {}, QStringLiteral("D"))
                              .person(Id(4), QStringLiteral("E"), {}, QStringLiteral("F")));
    ASSERT_TRUE(Accepted(loaded.report));
    const QByteArray file = loaded.fileBytes();
    Register& reg = loaded.reg;

    const ImportResult result =
        ApplyImport(reg, Family(), {true, true, false, true}, loaded.clock);

    EXPECT_EQ(result.persons, 3);
    EXPECT_EQ(result.relationships, 3);
    EXPECT_EQ(result.ids, (std::vector<QString>{Id(5), Id(6), QString(), Id(7)}));
    EXPECT_EQ(reg.personCounter(), 6);
    EXPECT_EQ(reg.relCounter(), 3);
    EXPECT_EQ(RelRecords(reg), (QStringList{Id(6) + " " + Id(5) + " child parent",
                                            Id(7) + " " + Id(6) + " twin twin",
                                            Id(5) + " " + Id(7) + " parent child"}));
    EXPECT_EQ(Child(reg, Id(5), "Name"), QStringLiteral("Anna"));
    EXPECT_EQ(Child(reg, Id(5), "City"), QStringLiteral("Riga"));
    EXPECT_EQ(Child(reg, Id(5), "Comment"), QStringLiteral("Born: ABT 1890\nsecond"));
    EXPECT_EQ(Child(reg, Id(5), "Sex"), QStringLiteral("F"));
    EXPECT_EQ(Child(reg, Id(7), "DateOfBirth"), QStringLiteral("1975/3/5"));
    for (const QString& id : {Id(5), Id(6), Id(7)}) {
        EXPECT_EQ(Child(reg, id, "Status"), QStringLiteral("Active"));
        EXPECT_EQ(Child(reg, id, "DateCreated"), QStringLiteral("2026/12/6"));
        EXPECT_EQ(Child(reg, id, "DateModified"), QStringLiteral("2026/12/6"));
    }
    // The lists see the new persons at once.
    EXPECT_EQ(reg.persons().size(), 6);
    EXPECT_EQ(reg.relationsOf(Id(6)).size(), 2u);
    // Changed in memory only, until the usual save.
    EXPECT_TRUE(reg.modified());
    EXPECT_EQ(loaded.fileBytes(), file);
}

TEST(ImportApply, NothingChosenChangesNothing)
{
    LoadedRegister loaded(RegisterXml{});
    const ImportResult result =
        ApplyImport(loaded.reg, Family(), {false, false, false, false}, loaded.clock);
    EXPECT_EQ(result.persons, 0);
    EXPECT_EQ(result.relationships, 0);
    EXPECT_EQ(loaded.reg.personCounter(), 0);
    EXPECT_FALSE(loaded.reg.modified());
}

TEST(ImportApply, RefusesBeforeAnyChangeABrokenBatchOrAnIdThatWouldNotReadBack)
{
    LoadedRegister loaded(RegisterXml{});
    ImportBatch outside = Family();
    outside.links.push_back({0, 9, QStringLiteral("child")});
    EXPECT_ANY_THROW(ApplyImport(loaded.reg, outside, {true, true, true, true}, loaded.clock));
    ImportBatch unknownKind = Family();
    unknownKind.links.push_back({0, 1, QStringLiteral("cousin")});
    EXPECT_ANY_THROW(ApplyImport(loaded.reg, unknownKind, {true, true, true, true}, loaded.clock));
    EXPECT_ANY_THROW(ApplyImport(loaded.reg, Family(), {true}, loaded.clock));
    EXPECT_EQ(loaded.reg.personCounter(), 0);
    EXPECT_FALSE(loaded.reg.modified());

    // A prefix holding "-" makes identifiers that loading refuses.
    LoadedRegister dashed(RegisterFile("", 0, 0, "A-"));
    ASSERT_TRUE(Accepted(dashed.report));
    try {
        ApplyImport(dashed.reg, Family(), {true, true, true, true}, dashed.clock);
        ADD_FAILURE() << "no refusal";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("could not be read back")));
    }
    EXPECT_EQ(dashed.reg.personCounter(), 0);
    EXPECT_EQ(dashed.reg.relCounter(), 0);
    EXPECT_FALSE(dashed.reg.modified());
}

}  // namespace
}  // namespace orvanel::testing
