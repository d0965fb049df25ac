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
