#include "store/lookup.h"

#include "support/loaded_register.h"
#include "support/stored_person.h"

#include <gtest/gtest.h>
#include <random>

using namespace orvanel;
using namespace orvanel::testing;

TEST(Lookup, NextFreeIdSkipsEveryTakenIdentifierDeletedOnesIncluded)
{
    LoadedRegister r(RegisterFile(BarePerson("AB0001-7") + BarePerson("AB0002-3") +
                                      BarePerson("AB0003-9") + BarePerson("AB0004-5", "Deleted"),
                                  4, 0));
    ASSERT_FALSE(r.reg.loadFailed());
    EXPECT_EQ(NextFreeId(r.reg, 3), "AB0005-1");
    EXPECT_EQ(NextFreeId(r.reg, 0), "AB0005-1");
    EXPECT_EQ(NextFreeId(r.reg, 4), "AB0005-1");
}

TEST(Lookup, FindPersonIsExactCaseSensitiveAndFindsDeletedPersons)
{
    LoadedRegister r(
        RegisterFile(BarePerson("AB0001-7") + BarePerson("AB0004-5", "Deleted"), 2, 0));
    EXPECT_TRUE(FindPerson(r.reg, "AB0004-5"));
    EXPECT_FALSE(FindPerson(r.reg, "ab0001-7"));
    EXPECT_FALSE(FindPerson(r.reg, " AB0001-7"));
    EXPECT_FALSE(FindPerson(r.reg, ""));
}

TEST(Lookup, FindPersonReturnsTheFirstOfDuplicatesAndSeesAppendedPersons)
{
    LoadedRegister r(RegisterFile(" <Person ID=\"AB0001-7\"><Name>first</Name></Person>\n"
                                  " <Person ID=\"AB0001-7\"><Name>second</Name></Person>\n",
                                  2, 0));
    EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Name), "first");

    PersonValue added;
    added.id = NextFreeId(r.reg, 2);
    EXPECT_EQ(FindPerson(r.reg, "AB0003-9"), r.reg.addPerson(added));
    EXPECT_EQ(NextFreeId(r.reg, 2), "AB0004-5");
    // A later person with an existing ID never hides the earlier one.
    added.id = QStringLiteral("AB0001-7");
    r.reg.addPerson(added);
    EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Name), "first");
}

// The index by ID against a walk over the records, after appends, renames and removals in any
// order, equal IDs and persons without one included.
TEST(Lookup, FindPersonAgreesWithAWalkOverTheRecordsAfterEveryChange)
{
    LoadedRegister r(RegisterFile(BarePerson("AB0001-7"), 1, 0));
    ASSERT_TRUE(Accepted(r.report));
    r.reg.doc.appendRootChild("Person");  // one without an ID
    std::mt19937 random(7);
    const auto anyId = [&] { return Id(1 + static_cast<int>(random() % 40)); };
    const auto walk = [&](const QString& id) {
        for (int i = 0; i < r.reg.doc.rootCount(); ++i) {
            const Element node = r.reg.doc.rootChild(i);
            if (node.hasLocalName("Person") && node.attribute("ID") == id)
                return node;
        }
        return Element();
    };
    for (int step = 0; step < 600; ++step) {
        const unsigned what = random() % 4;
        if (what == 0 || r.reg.doc.rootCount() < 3) {
            r.reg.doc.appendRootChild(random() % 5 ? "Person" : "Rel").setAttribute("ID", anyId());
        } else if (what == 1) {
            r.reg.doc.rootChild(static_cast<int>(random() % r.reg.doc.rootCount()))
                .setAttribute("ID", anyId());
        } else if (what == 2) {
            r.reg.doc.removeRootChild(static_cast<int>(random() % r.reg.doc.rootCount()));
        }
        const QString id = anyId();
        ASSERT_EQ(r.reg.doc.findPerson(id), walk(id)) << "step " << step << " " << id.toStdString();
    }
}

TEST(Lookup, RemoveRelationsDeletesEveryRecordNamingThePersonOnce)
{
    LoadedRegister r(RegisterFile(BarePerson("AB0001-7") + RelXml("AB0001-7", "AB0002-3") +
                                      BarePerson("AB0002-3") + RelXml("AB0002-3", "AB0001-7") +
                                      RelXml("AB0002-3", "AB0003-9") +
                                      RelXml("AB0001-7", "AB0001-7") +
                                      BarePerson("AB0003-9"),
                                  3, 4));
    ASSERT_FALSE(r.reg.loadFailed());
    RemoveRelations(r.reg, "AB0001-7");
    EXPECT_EQ(r.reg.relCounter(), 1);
    EXPECT_FALSE(r.reg.modified());
    int rels = 0;
    for (int i = 0; i < r.reg.doc.rootCount(); ++i) {
        Element e = r.reg.doc.rootChild(i);
        if (e.hasLocalName("Rel")) {
            ++rels;
            EXPECT_EQ(e.attribute("ID2"), "AB0003-9");
        }
    }
    EXPECT_EQ(rels, 1);
    // Nothing to remove changes nothing.
    RemoveRelations(r.reg, "AB0009-4");
    EXPECT_EQ(r.reg.relCounter(), 1);
}

