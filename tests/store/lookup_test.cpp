#include "store/lookup.h"

#include "support/loaded_register.h"
#include "support/register_records.h"

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

// The look-up by ID against a walk over the persons, after persons and relationships of equal
// IDs are added.
TEST(Lookup, FindPersonAgreesWithAWalkOverThePersonsAfterEveryChange)
{
    LoadedRegister r(RegisterFile(BarePerson("AB0001-7") + BarePerson("AB0001-7"), 2, 0));
    ASSERT_TRUE(Accepted(r.report));
    std::mt19937 random(7);
    const auto anyId = [&] { return Id(1 + static_cast<int>(random() % 40)); };
    const auto walk = [&](const QString& id) {
        for (int i = 0; i < r.reg.persons().size(); ++i) {
            if (r.reg.persons().at(i).id() == id)
                return PersonRef(i);
        }
        return PersonRef();
    };
    for (int step = 0; step < 300; ++step) {
        PersonValue value;
        value.id = anyId();
        if (random() % 4 == 0)
            r.reg.appendRelationship(value.id, anyId(), QStringLiteral("sibling"),
                                     QStringLiteral("sibling"));
        else
            r.reg.addPerson(value);
        const QString id = anyId();
        ASSERT_EQ(FindPerson(r.reg, id), walk(id)) << "step " << step << " " << id.toStdString();
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
    Document saved = RegisterDocument(r.reg);
    for (int i = 0; i < saved.rootCount(); ++i) {
        Element e = saved.rootChild(i);
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

