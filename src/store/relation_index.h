#pragma once

#include "store/document.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvanel {

// The Rel elements of the document by the persons they name, each person's in document order,
// so that a person's relatives are found without a walk over every relationship. Built in the
// load's pass over the records and afterwards changed only by the register, as it appends a
// relationship with its IDs and removes a person's relationships.
//
// It holds no texts and no records: an open-addressing table keyed by the hash of an ID's UTF-8
// bytes (which the load hashes where the parser left them) points at the newest Rel of a chain,
// and each Rel element carries its own links to the next older Rel of its ID1's chain and of its
// ID2's chain, in two fields of the parser's node that the program has no other use for on a
// Rel (relation_index.cpp says which). A Rel is filed at its
// chains' heads, so filing reads no other Rel's node: linking each behind the last one of its
// chain read that node, a cache miss into the document nearly every time, and cost a 100k load
// about 68 ms of filing against 50 ms now (perf samples, docs/performance.md). A look-up walks
// the chain and gives it back in document order, reading the Rel's own ID1 and ID2, so two IDs
// of the same hash are told apart there. At 100k persons and 150k relationships the index is its
// table alone, 1.5 MiB; records of the Rels' own would add 3.6 MB to the start's peak.
class RelationIndex {
public:
    RelationIndex();

    // Files a Rel element appended after every filed one under the IDs it holds; a side without
    // an ID names nobody.
    void append(Element rel);
    // The same under these IDs in UTF-8, which it holds or is about to hold; nullopt names
    // nobody.
    void append(Element rel, std::optional<QByteArrayView> id1,
                std::optional<QByteArrayView> id2);
    // Ties the relationships filed during a parse to the document it returned.
    void adoptInto(Document& doc) { doc_ = &doc; }

    // Every Rel element whose ID1 or ID2 equals `id` exactly, in document order, a Rel naming
    // the person on both sides once.
    std::vector<Element> of(const QString& id) const;
    // Drops these filed Rel elements, which are about to leave the document.
    void forget(const std::vector<Element>& rels);

    // The index of every Rel among the root's children of `doc`.
    static RelationIndex of(Document& doc);

private:
    // A link is the address of a Rel's node plus its side (0 for ID1, 1 for ID2): nodes are
    // aligned, so the lowest bit is free. Zero is no link: a side in no chain.
    using Link = std::uintptr_t;
    static constexpr Link kFree = 0;     // a slot no ID was ever filed in
    // The end of a chain, and a slot whose IDs' chain is empty now: no node's address.
    static constexpr Link kEmptied = 2;
    // The head link kept in two halves, so that a slot takes 12 bytes rather than 16.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t headHalves[2] = {0, 0};
        Link head() const;
        void setHead(Link link);
        bool taken() const { return head() != kFree; }
        bool chainEmpty() const { return head() == kEmptied; }
    };

    Slot& slotFor(std::uint32_t hash);
    const Slot* findSlot(std::uint32_t hash) const;
    void link(Link self, std::uint32_t hash);
    void unlink(Link self);
    void growTable();

    std::vector<Slot> table_;
    size_t usedSlots_ = 0;
    Document* doc_ = nullptr;  // the document of the filed Rels, once one is known
};

}  // namespace orvanel
