#include "store/relation_index.h"

#include "store/record_names.h"
#include "store/xml_node.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>

namespace orvanel {

// The links ride in the Rel's own node, in libxml2's field for the application's data and in
// the one for schema validation's results, which a parse without a schema never fills. Nothing
// else in the program touches either field on a Rel (Element::slot serves the persons' list).
// At 100k persons and 150k relationships this leaves the index its table alone: a record of
// 24 bytes per Rel held elsewhere cost the start's peak 5 MiB with its table, this 1.5 MiB
// (docs/performance.md).
static_assert(alignof(xmlNode) >= 4, "a link keeps its side in the node address's lowest bit, "
                                      "and 2 is no node's address");

namespace {

using Link = std::uintptr_t;

// Of the ID's bytes as the Rel holds them, so that the load files a Rel without making a text of
// its IDs.
std::uint32_t HashOf(QByteArrayView utf8)
{
    return static_cast<std::uint32_t>(qHash(utf8, 0));
}

const char* IdAttribute(int side)
{
    return side == 0 ? kId1Attribute : kId2Attribute;
}

xmlNode* NodeOf(Link link)
{
    return reinterpret_cast<xmlNode*>(link & ~Link{1});
}

int SideOf(Link link)
{
    return static_cast<int>(link & 1);
}

void*& NextField(Link link)
{
    xmlNode* node = NodeOf(link);
    return SideOf(link) == 0 ? node->_private : node->psvi;
}

Link NextOf(Link link)
{
    return reinterpret_cast<Link>(NextField(link));
}

void SetNext(Link link, Link next)
{
    NextField(link) = reinterpret_cast<void*>(next);
}

}  // namespace

RelationIndex::Link RelationIndex::Slot::head() const
{
    Link link = 0;
    std::memcpy(&link, headHalves, sizeof link);
    return link;
}

void RelationIndex::Slot::setHead(Link link)
{
    std::memcpy(headHalves, &link, sizeof link);
}

RelationIndex::RelationIndex()
{
    table_.resize(1024);
}

void RelationIndex::append(Element rel)
{
    QByteArray scratch1;
    QByteArray scratch2;
    append(rel, rel.attributeUtf8(kId1Attribute, scratch1),
           rel.attributeUtf8(kId2Attribute, scratch2));
}

void RelationIndex::append(Element rel, std::optional<QByteArrayView> id1,
                           std::optional<QByteArrayView> id2)
{
    if (rel.doc_)
        doc_ = rel.doc_;
    const Link self = reinterpret_cast<Link>(rel.node_);
    SetNext(self, 0);
    SetNext(self | 1, 0);
    // A side whose ID has the other's hash is left out, so that a chain holds each Rel once.
    const std::uint32_t hash1 = id1 ? HashOf(*id1) : 0;
    if (id1)
        link(self, hash1);
    if (id2) {
        const std::uint32_t hash2 = HashOf(*id2);
        if (!id1 || hash2 != hash1)
            link(self | 1, hash2);
    }
}

std::vector<Element> RelationIndex::of(const QString& id) const
{
    std::vector<Element> rels;
    const Slot* slot = findSlot(HashOf(id.toUtf8()));
    if (!slot)
        return rels;
    // Newest first along the chain; given back in document order.
    for (Link link = slot->head(); link != kEmptied; link = NextOf(link)) {
        const Element rel(NodeOf(link), doc_);
        // Another ID of the same hash may share the chain: the Rel itself says whom it names.
        if (rel.attributeEquals(kId1Attribute, id) || rel.attributeEquals(kId2Attribute, id))
            rels.push_back(rel);
    }
    std::reverse(rels.begin(), rels.end());
    return rels;
}

void RelationIndex::forget(const std::vector<Element>& rels)
{
    for (const Element& rel : rels) {
        if (!rel)
            continue;
        const Link self = reinterpret_cast<Link>(rel.node_);
        unlink(self);
        unlink(self | 1);
    }
}

RelationIndex RelationIndex::of(Document& doc)
{
    RelationIndex index;
    index.doc_ = &doc;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element node = doc.rootChild(i);
        if (!node.hasLocalName(kRelElement))
            continue;
        index.append(node);
    }
    return index;
}

const RelationIndex::Slot* RelationIndex::findSlot(std::uint32_t hash) const
{
    const size_t mask = table_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = table_[at];
        if (!slot.taken())
            return nullptr;
        if (slot.hash == hash)
            return &slot;
    }
}

RelationIndex::Slot& RelationIndex::slotFor(std::uint32_t hash)
{
    // Filled up to seven eighths: the probes stay short, and the table of 100k persons' IDs
    // keeps to 131,072 slots of 12 bytes.
    if ((usedSlots_ + 1) * 8 > table_.size() * 7)
        growTable();
    const size_t mask = table_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = table_[at];
        if (!slot.taken()) {
            slot.hash = hash;
            slot.setHead(kEmptied);
            ++usedSlots_;
            return slot;
        }
        if (slot.hash == hash)
            return slot;
    }
}

void RelationIndex::link(Link self, std::uint32_t hash)
{
    Slot& slot = slotFor(hash);
    SetNext(self, slot.head());  // the chain's end when it was empty
    slot.setHead(self);
}

void RelationIndex::unlink(Link self)
{
    if (NextOf(self) == 0)
        return;
    const Element rel(NodeOf(self), doc_);
    QByteArray scratch;
    const std::optional<QByteArrayView> id = rel.attributeUtf8(IdAttribute(SideOf(self)), scratch);
    const Slot* found = id ? findSlot(HashOf(*id)) : nullptr;
    if (found) {
        Slot& slot = table_[static_cast<size_t>(found - table_.data())];
        if (slot.head() == self) {
            slot.setHead(NextOf(self));  // the chain's end leaves it empty
        } else {
            Link before = slot.head();
            while (before != kEmptied && NextOf(before) != self)
                before = NextOf(before);
            if (before != kEmptied)
                SetNext(before, NextOf(self));
        }
    }
    SetNext(self, 0);
}

void RelationIndex::growTable()
{
    std::vector<Slot> old(table_.size() * 2);
    old.swap(table_);
    const size_t mask = table_.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.taken())
            continue;
        size_t at = slot.hash & mask;
        while (table_[at].taken())
            at = (at + 1) & mask;
        table_[at] = slot;
    }
}

}  // namespace orvanel
