// The record table's own rules, where no file reaches them easily: texts longer than its blocks,
// relationships filed in batches and one at a time alike, and chains kept in file order when a
// load renames an identifier.

#include "store/record_table.h"
#include "store/text_hash.h"

#include <gtest/gtest.h>

#include <set>

namespace orvanel {
namespace {

// A table of persons "A", "B", ... with no fields, then these relationships by ID, in file order.
RecordTable TableOf(int persons, const std::vector<std::pair<QByteArray, QByteArray>>& rels,
                    bool inBatch)
{
    RecordTable table;
    for (int i = 0; i < persons; ++i) {
        const int person = table.appendPerson(table.appendRecord(RecordKind::Person));
        table.setPersonId(person, QByteArray(1, static_cast<char>('A' + i)));
    }
    std::vector<RecordTable::RelTexts> batch;
    for (const auto& [id1, id2] : rels) {
        const int record = table.appendRecord(RecordKind::Rel);
        if (inBatch)
            batch.push_back({record, id1, id2, QByteArrayView("child"), QByteArrayView("parent")});
        else
            table.appendRel(record, id1, id2, QByteArrayView("child"), QByteArrayView("parent"));
    }
    table.appendRels(batch);
    return table;
}

TEST(RecordTable, FilesRelationshipsAloneAndInBatchesAlikeInFileOrder)
{
    // More than a batch, each person on both sides, some naming one person twice.
    std::vector<std::pair<QByteArray, QByteArray>> rels;
    for (int i = 0; i < 150; ++i)
        rels.push_back({QByteArray(1, static_cast<char>('A' + i % 7)),
                        QByteArray(1, static_cast<char>('A' + (i * 3) % 5))});
    const RecordTable alone = TableOf(7, rels, false);
    const RecordTable batched = TableOf(7, rels, true);
    for (const char id : QByteArray("ABCDEFGZ")) {
        const QString name(QChar::fromLatin1(id));
        std::vector<int> expected;
        for (int r = 0; r < static_cast<int>(rels.size()); ++r) {
            if (rels[r].first == QByteArray(1, id) || rels[r].second == QByteArray(1, id))
                expected.push_back(r);
        }
        EXPECT_EQ(alone.relationsOf(name), expected) << id;
        EXPECT_EQ(batched.relationsOf(name), expected) << id;
    }
}

TEST(RecordTable, KeepsChainsAndFirstPersonsInFileOrderThroughRenames)
{
    RecordTable table = TableOf(3, {{"A", "B"}, {"B", "C"}, {"A", "C"}, {"C", "A"}}, false);
    // The third relationship's A becomes B: B's chain takes it back in its place.
    table.renameRelId(2, 0, "B");
    EXPECT_EQ(table.relationsOf(QStringLiteral("B")), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(table.relationsOf(QStringLiteral("A")), (std::vector<int>{0, 3}));
    // Two persons of one ID: the first in the file is found, and the next one once it is renamed.
    table.renamePersonId(2, "A");
    EXPECT_EQ(table.findPerson(QStringLiteral("A")), 0);
    table.renamePersonId(0, "X");
    EXPECT_EQ(table.findPerson(QStringLiteral("A")), 2);
    EXPECT_EQ(table.findPerson(QStringLiteral("X")), 0);
    EXPECT_EQ(table.findPerson(QStringLiteral("C")), -1);
}

TEST(RecordTable, HoldsTextsLongerThanItsBlocksWhole)
{
    RecordTable table;
    const int person = table.appendPerson(table.appendRecord(RecordKind::Person));
    const QByteArray street(3 << 20, 'x');  // three of its 1 MiB blocks
    table.setPersonText(person, PersonField::StreetAddress, street);
    table.setPersonText(person, PersonField::Name, "Ann");
    table.setPersonText(person, PersonField::City, "");
    EXPECT_EQ(table.personText(person, PersonField::StreetAddress).toUtf8(), street);
    EXPECT_EQ(table.personText(person, PersonField::Name), QStringLiteral("Ann"));
    EXPECT_TRUE(table.personHas(person, PersonField::City));
    EXPECT_FALSE(table.personHas(person, PersonField::State));
    EXPECT_THROW(table.personText(person, PersonField::Comment), std::logic_error);
}

// A sort groups rows by these numbers and reads one text of each group: two texts under one
// number would sort a person under another's name.
TEST(RecordTable, NumbersSharedTextsAndIdsByTheirText)
{
    RecordTable table;
    const std::vector<std::pair<const char*, const char*>> persons = {
        {"A1", "Ann"}, {"B2", "Bob"}, {"A1", "Ann"}, {"C3", ""}, {"D4", nullptr}, {"E5", "ann"}};
    for (const auto& [id, name] : persons) {
        const int person = table.appendPerson(table.appendRecord(RecordKind::Person));
        table.setPersonId(person, id);
        if (name)
            table.setPersonText(person, PersonField::Name, name);
        table.setPersonText(person, PersonField::OptionalID, "own");
    }
    const auto name = [&](int p) { return table.personTextNumber(p, PersonField::Name).value(); };
    EXPECT_EQ(name(0), name(2));
    EXPECT_NE(name(0), name(1));
    EXPECT_NE(name(0), name(5));
    EXPECT_EQ(name(3), 0u);
    EXPECT_EQ(name(4), 0u);
    EXPECT_NE(name(0), 0u);
    EXPECT_EQ(table.personIdNumber(0), table.personIdNumber(2));
    EXPECT_NE(table.personIdNumber(0), table.personIdNumber(1));
    EXPECT_FALSE(table.personTextNumber(0, PersonField::OptionalID));
    // An edit to a text another person has takes that person's number.
    table.setPersonText(1, PersonField::Name, "Ann");
    EXPECT_EQ(name(1), name(0));

    EXPECT_TRUE(table.personTextIs(0, PersonField::Name, "Ann"));
    EXPECT_FALSE(table.personTextIs(5, PersonField::Name, "Ann"));
    EXPECT_TRUE(table.personIdIs(1, "B2"));
    EXPECT_FALSE(table.personIdIs(1, "B"));
}

// The hash reads the last bytes of a text as words that may overlap: a byte it failed to read
// would leave texts that differ only there in one chain, and every look-up of them slow.
TEST(RecordTable, HashesEveryByteOfTextsOfAnyLength)
{
    const std::uint64_t seed = 0x0123456789abcdefull;
    for (int length = 0; length <= 40; ++length) {
        const QByteArray text(length, 'a');
        std::set<std::uint64_t> hashes{TextHash(text, seed)};
        for (int at = 0; at < length; ++at) {
            QByteArray changed = text;
            changed[at] = 'b';
            EXPECT_TRUE(hashes.insert(TextHash(changed, seed)).second) << length << " " << at;
        }
        EXPECT_EQ(TextHash(QByteArray(text), seed), TextHash(text, seed));
        EXPECT_NE(TextHash(text, seed), TextHash(text, seed + 1));
    }
}

}  // namespace
}  // namespace orvanel
