#pragma once

#include "store/folded_needle.h"
#include "store/person_list.h"
#include "store/person_fields.h"
#include "store/record_spans.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvanel {

// A record taken out since the file was read (a relationship removed) keeps its place and its
// row, as Removed, so that no other record's number changes.
enum class RecordKind : std::uint8_t { Person, Rel, Other, Removed };

// The records of a register file as a compact table beside the file's own bytes: for each child
// element of the root its kind and its place in the file, for each person its ID and the fields
// the lists show and the filter tests, for each relationship its two persons' IDs and its kind
// words. Nothing in it points into the file's bytes or into a parser: it owns every text it
// gives, as UTF-8 in blocks of its own, and hands out QStrings that own their characters.
//
// A person costs its row (the ID's number and a text reference per listed field, 8 bytes each)
// and its own texts; the texts many persons share (names, sexes, dates, places, statuses) are
// held once; a relationship costs its two ID numbers, its two words and its two links in the
// chains of its persons' IDs.
class RecordTable {
public:
    RecordTable();
    RecordTable(RecordTable&&) noexcept;
    RecordTable& operator=(RecordTable&&) noexcept;
    RecordTable(const RecordTable&) = delete;
    RecordTable& operator=(const RecordTable&) = delete;
    ~RecordTable();

    int recordCount() const { return static_cast<int>(records_.size()); }
    // The records read from the file, which come first; those added since follow them.
    int fileRecordCount() const { return static_cast<int>(spans_.size()); }
    RecordKind kindOf(int record) const { return records_[static_cast<size_t>(record)].kind; }
    // Where the record lies in the file it was read from; only for the records read from it.
    RecordSpan spanOf(int record) const { return spans_[static_cast<size_t>(record)]; }
    // The person's or relationship's record.
    int recordOfPerson(int person) const { return persons_[static_cast<size_t>(person)].record; }
    int recordOfRel(int rel) const { return rels_[static_cast<size_t>(rel)].record; }
    // The record's person or relationship, by its kind; -1 for any other record.
    int rowOf(int record) const { return records_[static_cast<size_t>(record)].row; }

    int personCount() const { return static_cast<int>(persons_.size()); }
    // The ID attribute; nullopt when the record has none.
    std::optional<QString> personId(int person) const;
    // Whether the record has the field's element; only for the fields the lists hold
    // (kCacheSlotOf), as any other is read from the record itself.
    bool personHas(int person, PersonField field) const;
    // The text of the field's first element, empty when the record lacks it.
    QString personText(int person, PersonField field) const;
    // Whether the needle is found in that text or in the person's ID (never when there is none),
    // searched where the table holds it.
    bool personTextContains(int person, PersonField field, const FoldedNeedle& needle) const;
    bool personIdContains(int person, const FoldedNeedle& needle) const;
    // Whether the needle is found in any of the fields' texts, each a field the table holds, and
    // the first required field of them the record lacks, if any, whatever was found before it.
    struct TextsSearch {
        bool found = false;
        std::optional<PersonField> missing;
    };
    TextsSearch personTextsContain(int person, std::span<const PersonField> fields,
                                   const FoldedNeedle& needle) const;
    // Appends that text or the ID (nothing when there is none) to `out` as UTF-16, with no
    // QString between: a sort reads a text of every row.
    void appendPersonText(int person, PersonField field, std::u16string& out) const;
    void appendPersonId(int person, std::u16string& out) const;
    // A number the same for every person with the same text in that field (or the same ID), and
    // for none with another: the table holds each shared text and each ID once. Empty and missing
    // texts are 0. Nullopt for a field whose texts are each person's own. A sort groups the rows
    // by it and reads one text of each group.
    std::optional<std::uint64_t> personTextNumber(int person, PersonField field) const;
    std::uint64_t personIdNumber(int person) const;
    // Whether that text or the ID equals `utf8`, compared where the table holds it.
    bool personTextIs(int person, PersonField field, QByteArrayView utf8) const;
    bool personIdIs(int person, QByteArrayView utf8) const;
    // The first person in file order whose ID equals `id` exactly; -1 when there is none.
    int findPerson(const QString& id) const;

    int relCount() const { return static_cast<int>(rels_.size()); }
    // Side 0 is ID1 and Dir, side 1 ID2 and Inv; nullopt for an attribute the record lacks.
    std::optional<QString> relId(int rel, int side) const;
    std::optional<QString> relWord(int rel, int side) const;
    // Every relationship whose ID1 or ID2 equals `id` exactly, in file order, one naming the
    // person on both sides once.
    std::vector<int> relationsOf(const QString& id) const;

    // Room for the rows of this many persons and relationships and their IDs, so that the rows
    // are not moved as they grow: at 100k persons the start's peak fell from 122.9 to 116.8 MiB
    // and the table's memory from 47.0 to 38.2 MiB.
    void reserve(int persons, int rels);
    // Building, in file order, as a reader meets the records.
    int appendPerson(int record);
    void setPersonId(int person, QByteArrayView utf8);
    void setPersonText(int person, PersonField field, QByteArrayView utf8);
    int appendRel(int record, std::optional<QByteArrayView> id1, std::optional<QByteArrayView> id2,
                  std::optional<QByteArrayView> dir, std::optional<QByteArrayView> inv);
    // A relationship as a reader met it, for appendRels.
    struct RelTexts {
        int record = 0;
        std::optional<QByteArrayView> id1, id2, dir, inv;
    };
    // Appends relationships in file order, as appendRel does one at a time, but looks their IDs
    // up together, each step for all of them before the next, so that their reads of memory
    // overlap: a relationship names a person anywhere in the table, and each of its look-ups
    // waited on four reads from memory in a row. In batches of 64, a start on 100k persons took
    // 396 ms of CPU against 419 ms at best of 20 starts, 576 against 608 ms in the median (a
    // loaded machine); in a profile the look-ups and chains fell from 21 % of it to 10 %.
    void appendRels(std::span<const RelTexts> rels);
    // A child element of the root; its kind says which of the above follow it.
    int appendRecord(RecordKind kind);
    // The person's ID or a side of a relationship now holds `utf8` (an identifier converted to
    // its current form); the relationship's chains follow it.
    void renamePersonId(int person, QByteArrayView utf8);
    void renameRelId(int rel, int side, QByteArrayView utf8);
    // Takes the relationship out of its persons' chains and marks its record Removed; its row
    // stays, naming nobody.
    void removeRel(int rel);
    bool relRemoved(int rel) const { return kindOf(recordOfRel(rel)) == RecordKind::Removed; }

    // The places of the records in the file, one per record in file order.
    void setSpans(std::vector<RecordSpan> spans);

    // Memory the table holds, for the figures of the benchmarks.
    size_t bytesHeld() const;

private:
    // A text in the blocks: block above kPlaceBits, place below; kAbsent for no text at all.
    struct Text {
        std::uint32_t at = 0;
        std::uint32_t length = 0;
    };
    static constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;
    static constexpr std::uint32_t kNoId = 0xFFFFFFFFu;
    static constexpr std::int32_t kNone = -1;
    struct Record {
        RecordKind kind = RecordKind::Other;
        std::int32_t row = kNone;  // its person or relationship
    };
    struct PersonRow {
        std::int32_t record = 0;
        std::array<Text, kCachedFieldCount> texts;
    };
    struct RelRow {
        std::int32_t record = 0;
        std::array<std::uint32_t, 2> id{kNoId, kNoId};
        std::array<Text, 2> word;
        std::array<std::int32_t, 2> next{kNone, kNone};  // the next of each side's chain
    };
    // Everything known of one distinct ID.
    struct IdRow {
        Text text;
        std::int32_t firstPerson = kNone;
        std::int32_t firstRel = kNone;  // chain of the relationships naming it, in file order
        std::int32_t lastRel = kNone;
    };

    // Where the next text of one kind goes. The shared texts and the IDs each fill blocks of
    // their own, so that their look-ups, which go all over them, read a few dense blocks rather
    // than the whole table's: a start on 100k persons took 416 ms of CPU against 439 ms with
    // one filling for all (medians of 10 starts of bench_kept_store's file).
    struct Filling {
        size_t block = 0;
        size_t used = kBlock;  // full to begin with
    };

    std::uint64_t hashOf(QByteArrayView utf8) const;
    QByteArrayView view(Text text) const;
    QString string(Text text) const;
    Text hold(QByteArrayView utf8, Filling& filling);
    Text intern(QByteArrayView utf8);
    std::uint32_t idNumber(QByteArrayView utf8);
    std::optional<std::uint32_t> findId(QByteArrayView utf8) const;
    std::optional<std::uint32_t> findId(QByteArrayView utf8, std::uint64_t hash) const;
    void chainRel(int rel, int side);
    void unchainRel(int rel, int side);
    void growShared();
    void growIds();

    std::vector<Record> records_;
    std::vector<RecordSpan> spans_;
    std::vector<PersonRow> persons_;
    // Each person's ID, kNoId for none, apart from the rest of its row: a sort by ID reads only
    // these, and through the rows it read 136 bytes a person for 4. At 980,000 persons the sort
    // by ID took 85-86 ms with the IDs in the rows and 72.5-72.7 ms apart (bench_search_logic
    // 1000000), the relationship dialog's list by ID 111-112 and 101-103 ms (bench_person_logic).
    std::vector<std::uint32_t> personIds_;
    std::vector<RelRow> rels_;
    std::vector<IdRow> ids_;
    // The seed of this table's TextHash, drawn when it is made.
    std::uint64_t hashSeed_;
    // Open addressing over the IDs and over the shared texts: each slot is a hash's upper half
    // and an index plus one, zero for a free slot.
    std::vector<std::uint64_t> idSlots_;
    std::vector<std::uint64_t> sharedSlots_;
    std::vector<Text> shared_;
    static constexpr int kPlaceBits = 20;
    static constexpr size_t kBlock = size_t{1} << kPlaceBits;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<size_t> blockSizes_;
    Filling ownFilling_;
    Filling sharedFilling_;
    Filling idFilling_;
};

}  // namespace orvanel
