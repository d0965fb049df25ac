#pragma once

#include "store/document.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace orvanel {

// The Rel elements of the document by the persons they name, each person's in document order,
// so that a person's relatives are found without a walk over every relationship. Built in the
// load's pass over the records and afterwards changed only by the register, as it appends a
// relationship with its IDs and removes a person's relationships.
//
// It holds no texts: an open-addressing table keyed by the hash of an ID points at the last
// record of a circular chain, one record per Rel (its handle and the next record for its ID1 and
// for its ID2), so that the chain's first record is the last one's next and an append costs no
// walk. A look-up reads the Rel's own ID1 and ID2, so two IDs of the same hash are told apart
// there. At 100k persons and 150k relationships it takes 4.6 MB (docs/performance.md).
class RelationIndex {
public:
    RelationIndex();

    // Files a Rel element appended after every filed one under the IDs it holds; a side without
    // an ID names nobody. Gives the record's number, which the element keeps as its slot.
    void append(Element rel, const QString* id1, const QString* id2);
    // A Rel read during the load whose IDs are rewritten to their current form afterwards: it
    // takes its place in document order now and is filed under its final IDs by fileLate.
    void appendUnfiled(Element rel);
    void fileLate(const Element& rel, const QString& id1, const QString& id2);
    // Ties the handles of relationships filed during a parse to the document it returned.
    void adoptInto(Document& doc);

    // Every Rel element whose ID1 or ID2 equals `id` exactly, in document order, a Rel naming
    // the person on both sides once.
    std::vector<Element> of(const QString& id) const;
    // Drops these filed Rel elements, which are about to leave the document.
    void forget(const std::vector<Element>& rels);

    // The index of every Rel among the root's children of `doc`.
    static RelationIndex of(Document& doc);

private:
    static constexpr std::uint32_t kEnd = 0xFFFFFFFFu;      // an empty chain; no free record
    static constexpr std::uint32_t kUnfiled = 0xFFFFFFFEu;  // a side in no chain; a free slot
    // A link is a record's number times two plus its side (0 for ID1, 1 for ID2).
    struct Record {
        Element rel;  // null for a record free for reuse
        std::uint32_t next[2] = {kUnfiled, kUnfiled};
    };
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t last = kUnfiled;  // kUnfiled while no ID of this hash was ever filed
    };
    // Records lie in blocks that never move, so that growing the index never holds two copies.
    static constexpr int kBlockShift = 12;
    static constexpr std::uint32_t kBlock = 1u << kBlockShift;

    Record& record(std::uint32_t number) const;
    std::uint32_t& next(std::uint32_t link) const { return record(link >> 1).next[link & 1]; }
    std::uint32_t newRecord(const Element& rel);
    Slot& slotFor(std::uint32_t hash);
    const Slot* findSlot(std::uint32_t hash) const;
    // Files a record under its IDs: a side whose ID has the other's hash is left out, so that a
    // chain holds each record once.
    void file(std::uint32_t number, const QString* id1, const QString* id2, bool inOrder);
    // Files one side at the end of its chain, or in the order of the records' numbers.
    void link(std::uint32_t number, int side, std::uint32_t hash, bool inOrder);
    void unlink(std::uint32_t number, int side);
    void growTable();

    std::vector<std::unique_ptr<Record[]>> blocks_;
    std::uint32_t records_ = 0;
    std::uint32_t free_ = kEnd;  // records free for reuse, chained through next[0]
    std::vector<Slot> table_;
    size_t usedSlots_ = 0;
};

}  // namespace orvanel
