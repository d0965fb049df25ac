#include "relations/relatives.h"

#include "store/lookup.h"
#include "support/loaded_register.h"
#include "support/register_records.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::RegisterBytes;
using testing::RegisterDocument;

using testing::Id;
using testing::LoadedRegister;
using testing::RegisterXml;

struct Rel {
    QString id1, id2, dir, inv;
    bool operator==(const Rel&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Rel& r)
{
    return os << "(" << r.id1.toStdString() << ", " << r.id2.toStdString() << ", "
              << r.dir.toStdString() << ", " << r.inv.toStdString() << ")";
}

// Every Rel element of the document, in document order.
std::vector<Rel> Rels(Register& reg)
{
    std::vector<Rel> rels;
    Document saved = RegisterDocument(reg);
    for (int i = 0; i < saved.rootCount(); ++i) {
        const Element e = saved.rootChild(i);
        if (e.hasLocalName("Rel"))
            rels.push_back({e.attribute("ID1").value_or("-"), e.attribute("ID2").value_or("-"),
                            e.attribute("Dir").value_or("-"), e.attribute("Inv").value_or("-")});
    }
    return rels;
}

// "kind otherId name middle surname" for each row, to compare whole lists at a glance.
std::vector<std::string> Texts(const std::vector<RelativeRow>& rows)
{
    std::vector<std::string> texts;
    for (const RelativeRow& r : rows)
        texts.push_back(QStringList({r.kind, r.otherId, r.name, r.middleName, r.surname})
                            .join('|')
                            .toStdString());
    return texts;
}

RegisterXml ThreePeople()
{
    RegisterXml xml;
    xml.person(Id(1), "Anna", "", "Ozola")
        .person(Id(2), "Boris", "B.", "Smith")
        .person(Id(3), "Clara", "", "Müller");
    return xml;
}

const QString A = Id(1), B = Id(2), C = Id(3);

TEST(ReadRelationFor, ReadsEachSideOfOneRecord)
{
    LoadedRegister r(ThreePeople().rel(A, B, "parent", "child"));
    const StoredRelation rel = r.reg.relationsOf(A).at(0);
    const auto forA = ReadRelationFor(rel, A);
    const auto forB = ReadRelationFor(rel, B);
    ASSERT_TRUE(forA && forB);
    EXPECT_EQ(forA->kind, QStringLiteral("parent"));
    EXPECT_EQ(forA->otherId, B);
    EXPECT_EQ(forB->kind, QStringLiteral("child"));
    EXPECT_EQ(forB->otherId, A);
    EXPECT_FALSE(ReadRelationFor(rel, C));
    // Identifiers are compared exactly: neither case nor surrounding spaces are forgiven.
    EXPECT_FALSE(ReadRelationFor(rel, A.toLower()));
    EXPECT_FALSE(ReadRelationFor(rel, A + ' '));
}

TEST(ReadRelationFor, TakesAWrongInverseAsStored)
{
    LoadedRegister r(ThreePeople().rel(A, B, "child", "twin"));
    const auto forB = ReadRelationFor(r.reg.relationsOf(B).at(0), B);
    ASSERT_TRUE(forB);
    EXPECT_EQ(forB->kind, QStringLiteral("twin"));
}

TEST(RelativesOf, ListsRowsInDocumentOrderWithTheOtherPersonsNames)
{
    LoadedRegister r(RegisterXml()
                         .rel(Id(1), Id(2), "child", "parent")
                         .person(Id(1), "Anna", "", "Ozola")
                         .raw(" <!-- a comment -->\n <Note ID1=\"" + Id(1).toUtf8() + "\"/>\n")
                         .rel(Id(3), Id(1), "sibling", "sibling")
                         .person(Id(2), " Boris ", "B.", "Smith")
                         .rel(Id(2), Id(3), "twin", "twin")
                         .person(Id(3), "Clara", "", "Müller", "Deleted")
                         .rel(Id(1), Id(1), "twin", "parent")
                         .rel(Id(1), Id(2), "child", "parent"));
    EXPECT_EQ(Texts(RelativesOf(r.reg, A)),
              (std::vector<std::string>{"child|AB0002-3| Boris |B.|Smith",
                                        "sibling|AB0003-9|Clara||Müller",
                                        "twin|AB0001-7|Anna||Ozola",
                                        "child|AB0002-3| Boris |B.|Smith"}));
    EXPECT_EQ(Texts(RelativesOf(r.reg, B)),
              (std::vector<std::string>{"parent|AB0001-7|Anna||Ozola",
                                        "twin|AB0003-9|Clara||Müller",
                                        "parent|AB0001-7|Anna||Ozola"}));
    EXPECT_TRUE(RelativesOf(r.reg, QStringLiteral("AB0009-9")).empty());
}

TEST(RelativesOf, ShowsTheIdAloneWhenTheOtherPersonCannotBeRead)
{
    // Another person lost from the file, and one lacking its name children.
    LoadedRegister r(ThreePeople()
                         .raw(" <Person ID=\"" + Id(4).toUtf8() +
                                  "\"><Status>Active</Status></Person>\n",
                              1)
                         .rel(A, Id(9), "child", "parent")
                         .rel(Id(4), A, "sibling", "sibling"));
    EXPECT_EQ(Texts(RelativesOf(r.reg, A)),
              (std::vector<std::string>{"child|" + Id(9).toStdString() + "|||",
                                        "sibling|AB0004-5|||"}));
}

TEST(CommitRelatives, RewritesThePersonsRecordsFromItsSideAtTheEnd)
{
    LoadedRegister r(ThreePeople()
                         .rel(A, B, "child", "parent")
                         .rel(A, C, "sibling", "sibling")
                         .rel(C, B, "twin", "twin"));
    std::vector<RelativeRow> rows = RelativesOf(r.reg, B);
    ASSERT_EQ(rows.size(), 2u);
    rows.push_back({"sibling", C, "Clara", "", "Müller"});
    CommitRelatives(r.reg, B, rows);

    EXPECT_EQ(Rels(r.reg), (std::vector<Rel>{{A, C, "sibling", "sibling"},
                                             {B, A, "parent", "child"},
                                             {B, C, "twin", "twin"},
                                             {B, C, "sibling", "sibling"}}));
    EXPECT_EQ(r.reg.relCounter(), 4);  // 3 before, 2 removed, 3 written
    EXPECT_FALSE(r.reg.modified());
    // The relationship means the same from the other side.
    EXPECT_EQ(Texts(RelativesOf(r.reg, A)),
              (std::vector<std::string>{"sibling|AB0003-9|Clara||Müller",
                                        "child|AB0002-3|Boris|B.|Smith"}));
    // The attributes stand in the order ID1, ID2, Dir, Inv.
    EXPECT_TRUE(RegisterBytes(r.reg).contains("<Rel ID1=\"" + B.toUtf8() + "\" ID2=\"" +
                                               A.toUtf8() + "\" Dir=\"parent\" Inv=\"child\""));
    // The counts written on saving match the document, so the file loads again.
    r.saveAndReload();
    EXPECT_EQ(r.reg.relCounter(), 4);
}

TEST(CommitRelatives, WritesRowsInTheOrderShownAndRecomputesTheInverse)
{
    LoadedRegister r(ThreePeople().rel(B, A, "child", "twin"));
    std::vector<RelativeRow> rows = RelativesOf(r.reg, A);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, QStringLiteral("twin"));
    rows.insert(rows.begin(), {QStringLiteral("Godfather"), C, {}, {}, {}});
    rows.push_back({QStringLiteral("child"), C, {}, {}, {}});
    rows.push_back({QStringLiteral("child"), C, {}, {}, {}});
    CommitRelatives(r.reg, A, rows);
    EXPECT_EQ(Rels(r.reg), (std::vector<Rel>{{A, C, "Godfather", "error"},
                                             {A, B, "twin", "twin"},
                                             {A, C, "child", "parent"},
                                             {A, C, "child", "parent"}}));
    EXPECT_EQ(r.reg.relCounter(), 4);
}

TEST(CommitRelatives, WithNoRowsRemovesEveryRecordNamingThePerson)
{
    LoadedRegister r(ThreePeople()
                         .rel(A, B, "child", "parent")
                         .rel(A, A, "twin", "twin")
                         .rel(C, A, "sibling", "sibling")
                         .rel(B, C, "twin", "twin"));
    CommitRelatives(r.reg, A, {});
    EXPECT_EQ(Rels(r.reg), (std::vector<Rel>{{B, C, "twin", "twin"}}));
    EXPECT_EQ(r.reg.relCounter(), 1);
    r.saveAndReload();
    EXPECT_EQ(r.reg.relCounter(), 1);
}

TEST(CommitRelatives, ForANewPersonStandsBeforeThePersonAppendedAfterIt)
{
    LoadedRegister r(ThreePeople());
    const QString newId = NextFreeId(r.reg, r.reg.personCounter());
    CommitRelatives(r.reg, newId, {{"child", A, "Anna", "", "Ozola"}});
    r.reg.addPerson(testing::ValueOf(newId));
    Document saved = RegisterDocument(r.reg);
    const int last = saved.rootCount() - 1;
    EXPECT_TRUE(saved.rootChild(last - 1).hasLocalName("Rel"));
    EXPECT_TRUE(saved.rootChild(last).hasLocalName("Person"));
    EXPECT_EQ(Texts(RelativesOf(r.reg, A)), (std::vector<std::string>{"parent|AB0004-5|||"}));
}

TEST(RelativesOfKind, GivesParentsChildrenSiblingsAndTwinsFromEitherSideOfTheRecords)
{
    LoadedRegister r(ThreePeople()
                         .person(Id(4), "Dace", "", "Ozola")
                         .rel(A, B, "child", "parent")   // A is B's child: B is A's parent
                         .rel(C, A, "child", "parent")   // C is A's child
                         .rel(A, Id(4), "twin", "twin")
                         .rel(Id(4), B, "child", "parent")
                         .rel(C, Id(4), "sibling", "sibling"));
    const auto of = [&](const QString& id, const char* word) {
        return RelativesOfKind(r.reg, id, *FindKind(QString::fromLatin1(word)));
    };
    EXPECT_EQ(of(A, "child"), std::vector<QString>{B});  // A's parents
    EXPECT_EQ(of(A, "parent"), std::vector<QString>{C});
    EXPECT_EQ(of(A, "twin"), std::vector<QString>{Id(4)});
    EXPECT_EQ(of(B, "parent"), (std::vector<QString>{A, Id(4)}));
    EXPECT_EQ(of(Id(4), "sibling"), std::vector<QString>{C});
    EXPECT_TRUE(of(C, "twin").empty());

    // Rewritten from A's side, the records go last and are still read from B's.
    CommitRelatives(r.reg, A, {{"parent", C, {}, {}, {}}, {"child", B, {}, {}, {}}});
    EXPECT_EQ(of(B, "parent"), (std::vector<QString>{Id(4), A}));
    EXPECT_EQ(of(C, "child"), std::vector<QString>{A});
    EXPECT_TRUE(of(A, "twin").empty());
    EXPECT_TRUE(of(Id(4), "twin").empty());
}

}  // namespace
}  // namespace orvanel
