#include "family/family_tree.h"

#include "family_records.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

using namespace testing;

class ReadFamilyTest : public ::testing::Test {
protected:
    Family read(const QByteArray& records, const QString& chosen, int depth = 2)
    {
        ParseRecordsInto(reg, records);
        return ReadFamily(reg, chosen, depth, kFamilyToday);
    }

    const FamilyPerson& person(const Family& family, const QString& id, int generation)
    {
        for (const FamilyPerson& p : family.persons) {
            if (p.id == id && p.generation == generation)
                return p;
        }
        ADD_FAILURE() << id.toStdString() << " is not in generation " << generation;
        return family.persons.front();
    }

    Register reg;
};

// Three generations above and two below Anna, read from relationships stored from either side.
QByteArray FourGenerations()
{
    return Member("gf", "M") + Member("gm", "F") + Member("dad", "M") + Member("mum", "F") +
           Member("ggf", "M") + Member("anna", "F") + Member("son", "M") + Member("kid", "") +
           Member("gkid", "F") + Member("ggkid", "M") + ParentOf("gf", "dad") +
           ChildOf("dad", "gm") + ParentOf("ggf", "gf") + ParentOf("dad", "anna") +
           ChildOf("anna", "mum") + ParentOf("anna", "son") + ChildOf("kid", "anna") +
           ParentOf("son", "gkid") + ParentOf("gkid", "ggkid");
}

TEST_F(ReadFamilyTest, PlacesEachGenerationOfBothLinesInItsRow)
{
    const Family family = read(FourGenerations(), "anna", 2);
    EXPECT_EQ(family.persons[static_cast<size_t>(family.chosen)].id, QStringLiteral("anna"));
    EXPECT_EQ(Row(family, -2), (QStringList{"gf", "gm"}));
    EXPECT_EQ(Row(family, -1), (QStringList{"dad", "mum"}));
    EXPECT_EQ(Row(family, 0), QStringList{"anna"});
    EXPECT_EQ(Row(family, 1), (QStringList{"son", "kid"}));
    EXPECT_EQ(Row(family, 2), QStringList{"gkid"});
    // Depth 2 reaches neither the great-grandfather nor the great-grandchild.
    EXPECT_EQ(family.persons.size(), 8u);
    EXPECT_EQ(Links(family), (QStringList{"anna>kid", "anna>son", "dad>anna", "gf>dad", "gm>dad",
                                          "mum>anna", "son>gkid"}));
    // The rows come from the top, and each place says how it is related.
    for (size_t i = 1; i < family.persons.size(); ++i)
        EXPECT_LE(family.persons[i - 1].generation, family.persons[i].generation);
    EXPECT_EQ(person(family, "mum", -1).relation,
              (FamilyRelation{FamilyGroup::Parents, FamilySex::Female}));
    EXPECT_EQ(person(family, "gf", -2).relation,
              (FamilyRelation{FamilyGroup::Grandparents, FamilySex::Male}));
    EXPECT_EQ(person(family, "kid", 1).relation,
              (FamilyRelation{FamilyGroup::Children, FamilySex::Unknown}));
    EXPECT_EQ(person(family, "gkid", 2).born, QDate(1960, 5, 17));

    const Family deep = read(FourGenerations(), "anna", 4);
    EXPECT_EQ(Row(deep, -3), QStringList{"ggf"});
    EXPECT_EQ(Row(deep, 3), QStringList{"ggkid"});
    EXPECT_EQ(person(deep, "ggkid", 3).relation.group, FamilyGroup::GreatGrandchildren);
    // The depth is held to what the picture offers.
    EXPECT_EQ(read(FourGenerations(), "anna", 9).depth, 4);
    const Family shallow = read(FourGenerations(), "anna", 0);
    EXPECT_EQ(shallow.depth, 1);
    EXPECT_TRUE(Row(shallow, -2).isEmpty());
}

TEST_F(ReadFamilyTest, PutsSiblingsAndTwinsBesideTheChosenPersonInOrderOfBirth)
{
    const QByteArray records =
        Member("anna", "F", "1980/3/1") + Member("old", "M", "1975/1/1") +
        Member("young", "F", "1990/1/1") + Member("twin", "F", "1980/3/1") +
        Member("undated", "M", "") + Member("mum", "F") + Beside("anna", "young") +
        Beside("old", "anna") + Beside("anna", "twin", "twin") + Beside("twin", "anna") +
        Beside("anna", "undated") + Beside("anna", "anna") + ParentOf("mum", "anna") +
        ParentOf("mum", "old") + ChildOf("young", "mum");
    const Family family = read(records, "anna");
    EXPECT_EQ(Row(family, 0), (QStringList{"old", "anna", "twin", "young", "undated"}));
    // Recorded both as twin and as sibling, and as her own sibling: each once, the twin marked.
    EXPECT_EQ(person(family, "twin", 0).relation,
              (FamilyRelation{FamilyGroup::Twins, FamilySex::Female}));
    EXPECT_EQ(person(family, "young", 0).relation.group, FamilyGroup::Siblings);
    // Siblings hang from the parents shown when their own records name them.
    EXPECT_EQ(Links(family), (QStringList{"mum>anna", "mum>old", "mum>young"}));

    // Without a date of her own the chosen person stands in the middle.
    const Family undated =
        read(Member("anna", "F", "") + Member("a") + Member("b") + Member("c") + Member("d") +
                 Beside("anna", "a") + Beside("anna", "b") + Beside("anna", "c") +
                 Beside("anna", "d"),
             "anna");
    EXPECT_EQ(Row(undated, 0), (QStringList{"a", "b", "anna", "c", "d"}));
}

TEST_F(ReadFamilyTest, StaysBoundedOnCyclesAndOddData)
{
    // Each is the other's parent, and a is also its own child: every generation holds each of
    // them once at most, and the walk ends at the depth asked for.
    const Family cycle = read(Member("a") + Member("b") + ParentOf("a", "b") +
                                  ParentOf("b", "a") + ParentOf("a", "a"),
                              "a", 4);
    EXPECT_EQ(Row(cycle, -1), QStringList{"b"});
    EXPECT_EQ(Row(cycle, -4), QStringList{"a"});
    EXPECT_EQ(Row(cycle, 1), (QStringList{"b", "a"}));
    EXPECT_EQ(Row(cycle, 4), (QStringList{"a", "b"}));
    EXPECT_EQ(cycle.persons.size(), 13u);
    EXPECT_EQ(Links(cycle).size(), 4 + 2 + 3 * 3);

    // Five parents, a hundred siblings, and relationships naming nobody or an unknown ID.
    QByteArray records = Member("kid") + RelXml("kid", "", "child", "parent") +
                         ParentOf("ghost", "kid");
    for (int i = 0; i < 5; ++i)
        records +=
            Member(QStringLiteral("p%1").arg(i)) + ParentOf(QStringLiteral("p%1").arg(i), "kid");
    for (int i = 0; i < 100; ++i)
        records +=
            Member(QStringLiteral("s%1").arg(i)) + Beside("kid", QStringLiteral("s%1").arg(i));
    const Family odd = read(records, "kid");
    EXPECT_EQ(Row(odd, -1).size(), 6);
    EXPECT_EQ(Row(odd, 0).size(), 101);
    const FamilyPerson& ghost = person(odd, "ghost", -1);
    EXPECT_TRUE(ghost.missing);
    EXPECT_TRUE(ghost.name.isEmpty());
    EXPECT_FALSE(person(odd, "p3", -1).missing);
    EXPECT_EQ(odd.links.size(), 6u);
}

TEST_F(ReadFamilyTest, ShowsADeletedPersonOnlyWhereARelationshipNamesThem)
{
    const Family family =
        read(Member("anna") + Member("gone", "F", "1950/1/1", "Deleted") +
                 Member("forgotten", "M", "1950/1/1", "Deleted") + ParentOf("gone", "anna"),
             "anna");
    EXPECT_EQ(family.persons.size(), 2u);
    const FamilyPerson& gone = person(family, "gone", -1);
    EXPECT_TRUE(gone.deleted);
    EXPECT_FALSE(gone.missing);
    EXPECT_EQ(gone.relation, (FamilyRelation{FamilyGroup::Parents, FamilySex::Female}));
    EXPECT_FALSE(person(family, "anna", 0).deleted);
}

TEST(FamilyWords, NameEachPlaceAndCountTheGroups)
{
    EXPECT_EQ(RelationCaption({FamilyGroup::Parents, FamilySex::Female}), QStringLiteral("mother"));
    EXPECT_EQ(RelationCaption({FamilyGroup::Parents, FamilySex::Unknown}),
              QStringLiteral("parent"));
    EXPECT_EQ(RelationCaption({FamilyGroup::Twins, FamilySex::Female}),
              QStringLiteral("twin sister"));
    EXPECT_EQ(RelationCaption({FamilyGroup::GreatGreatGrandchildren, FamilySex::Male}),
              QStringLiteral("great-great-grandson"));
    for (int generation = -4; generation <= 4; ++generation)
        EXPECT_EQ(GenerationOf(LineGroup(generation)), generation);
    EXPECT_EQ(LineGroup(5), FamilyGroup::Chosen);

    Register reg;
    ParseRecordsInto(reg, Member("anna") + Member("mum", "F") + Member("dad") + Member("t") +
                              Member("s1") + Member("s2") + Member("kid") +
                              ParentOf("mum", "anna") + ParentOf("dad", "anna") +
                              Beside("anna", "t", "twin") + Beside("anna", "s1") +
                              Beside("anna", "s2") + ParentOf("anna", "kid"));
    const Family family = ReadFamily(reg, "anna", 2, kFamilyToday);
    const FamilyCounts counts = CountFamily(family);
    EXPECT_EQ(counts[static_cast<size_t>(FamilyGroup::Parents)], 2);
    EXPECT_EQ(SummaryText(counts), QStringLiteral("2 parents, 1 twin, 2 siblings, 1 child"));
    EXPECT_EQ(SummaryText(FamilyCounts{}), QString());
}

}  // namespace
}  // namespace orvanel
