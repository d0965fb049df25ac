// The index of the relationships by person must name what a walk over the Rel elements names,
// in the same order, after loading and after any mix of the register's writes.

#include "store/errors.h"
#include "store/lookup.h"
#include "store/person_id.h"

#include "support/loaded_register.h"

#include <gtest/gtest.h>
#include <random>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

std::vector<Element> WalkedRelationsOf(Register& reg, const QString& id)
{
    std::vector<Element> rels;
    for (int i = 0; i < reg.doc.rootCount(); ++i) {
        const Element node = reg.doc.rootChild(i);
        if (node.hasLocalName("Rel") &&
            (node.attributeEquals("ID1", id) || node.attributeEquals("ID2", id)))
            rels.push_back(node);
    }
    return rels;
}

// What the register hands out of those elements.
std::vector<StoredRelation> StoredOf(const std::vector<Element>& rels)
{
    std::vector<StoredRelation> out;
    for (const Element& rel : rels)
        out.push_back({rel.attribute("ID1"), rel.attribute("ID2"), rel.attribute("Dir"),
                       rel.attribute("Inv")});
    return out;
}

void ExpectIndexMatchesWalk(Register& reg, const std::vector<QString>& ids, const char* when)
{
    for (const QString& id : ids) {
        EXPECT_EQ(reg.relationsOf(id), StoredOf(WalkedRelationsOf(reg, id)))
            << when << " for '" << id.toStdString() << "'";
    }
    int rels = 0;
    for (int i = 0; i < reg.doc.rootCount(); ++i)
        rels += reg.doc.rootChild(i).hasLocalName("Rel") ? 1 : 0;
    EXPECT_EQ(reg.relCounter(), rels) << when;
}

// Identifiers in the old form on relationships early and late in the file (written in their
// current form at loading), a Rel naming one person on both sides, relationships before and
// after the persons they name, and one naming nobody the file holds.
QByteArray StartingRecords()
{
    return RelXml("AB00017", "AB0002-3") + BarePerson("AB0001-7") + BarePerson("AB0002-3") +
           RelXml("AB0002-3", "AB0002-3", "twin", "twin") + RelXml("AB0001-7", Id(9)) +
           BarePerson("AB0003-9") + RelXml("AB0003-9", "AB0001-7", "sibling", "sibling") +
           RelXml("AB00039", "AB00017", "parent", "child");
}

}  // namespace

class RelationIndexSequence : public ::testing::TestWithParam<unsigned> {};

TEST_P(RelationIndexSequence, NamesWhatAWalkOverTheRecordsNamesAfterEveryKindOfWrite)
{
    LoadedRegister r(RegisterFile(StartingRecords(), 3, 5));
    ASSERT_TRUE(Accepted(r.report));
    ASSERT_EQ(r.report.conversions.size(), 3u);
    Register& reg = r.reg;
    // Every ID the records may hold, the old forms, the empty text and one of another case.
    std::vector<QString> ids = {"AB0001-7", "AB0002-3", "AB0003-9", Id(9),
                                "AB00017",  "",         "ab0001-7"};
    ExpectIndexMatchesWalk(reg, ids, "after loading");
    ASSERT_EQ(reg.relationsOf("AB0001-7").size(), 4u);

    std::mt19937 random(GetParam());
    const auto anyId = [&] { return ids[random() % ids.size()]; };
    // What a relationship may name: a file holding an empty ID would not load again.
    const auto anyNamed = [&] {
        QString id;
        while (id.isEmpty())
            id = anyId();
        return id;
    };
    for (int step = 0; step < 600; ++step) {
        const unsigned kind = random() % 5;
        if (kind == 0) {
            const QString id = NextFreeId(reg, reg.personCounter());
            reg.addPerson(ValueOf(id, {{"Status", QStringLiteral("Active")}}));
            ids.push_back(id);
        } else if (kind == 1) {
            try {
                reg.deletePerson(anyId(), QStringLiteral("2026/12/6"));
            } catch (const NodeNotFound&) {
                // Nobody of that ID: nothing changed, checked like any other step.
            }
        } else if (kind == 2) {
            RemoveRelations(reg, anyId());
        } else {
            // The person dialog's commit, and relationships naming one person twice.
            const QString id = anyNamed();
            if (kind == 3)
                reg.removeRelationsOf(id);
            for (unsigned n = random() % 4; n > 0; --n) {
                const QString other = random() % 6 == 0 ? id : anyNamed();
                reg.appendRelationship(id, other, QStringLiteral("child"),
                                       QStringLiteral("parent"));
            }
        }
        if (step % 10 == 9)
            ExpectIndexMatchesWalk(reg, ids, "during the sequence");
        if (::testing::Test::HasFailure())
            FAIL() << "step " << step << " of seed " << GetParam();
    }
    ExpectIndexMatchesWalk(reg, ids, "after the sequence");

    // The load builds the same index from the saved file.
    r.saveAndReload();
    ExpectIndexMatchesWalk(r.reg, ids, "after saving and loading again");
}

INSTANTIATE_TEST_SUITE_P(Seeds, RelationIndexSequence, ::testing::Values(1u, 2u, 3u));

// The index keeps its links in the Rel elements themselves, in the node field where the persons'
// list keeps a person's place: a relationship must still never pass for a listed person.
TEST(RelationIndex, ARelationshipsLinksNeverMakeItAListedPerson)
{
    LoadedRegister r(RegisterFile(StartingRecords(), 3, 5));
    ASSERT_TRUE(Accepted(r.report));
    for (const Element& rel : WalkedRelationsOf(r.reg, "AB0001-7")) {
        const PersonValue active = ValueOf("AB0001-7", {{"Status", QStringLiteral("Active")}});
        EXPECT_THROW(r.reg.persons().of(rel), NodeNotFound);
        EXPECT_FALSE(rel.firstChildElement());
    }
    EXPECT_EQ(r.reg.relationsOf("AB0001-7"), StoredOf(WalkedRelationsOf(r.reg, "AB0001-7")));
}
