#include "store/relation_index.h"

#include "store/record_names.h"

#include <QHashFunctions>

namespace orvanel {

namespace {

std::uint32_t HashOf(const QString& id)
{
    return static_cast<std::uint32_t>(qHash(QStringView(id), 0));
}

const char* IdAttribute(int side)
{
    return side == 0 ? kId1Attribute : kId2Attribute;
}

}  // namespace

RelationIndex::RelationIndex()
{
    table_.resize(1024);
}

RelationIndex::Record& RelationIndex::record(std::uint32_t number) const
{
    return blocks_[number >> kBlockShift][number & (kBlock - 1)];
}

std::uint32_t RelationIndex::newRecord(const Element& rel)
{
    std::uint32_t number = free_;
    if (number != kEnd) {
        free_ = record(number).next[0];
    } else {
        number = records_++;
        if ((number & (kBlock - 1)) == 0)
            blocks_.emplace_back(new Record[kBlock]);
    }
    Record& filed = record(number);
    filed.rel = rel;
    filed.next[0] = filed.next[1] = kUnfiled;
    filed.rel.setSlot(static_cast<int>(number));
    return number;
}

void RelationIndex::append(Element rel, const QString* id1, const QString* id2)
{
    file(newRecord(rel), id1, id2, false);
}

void RelationIndex::appendUnfiled(Element rel)
{
    newRecord(rel);
}

void RelationIndex::fileLate(const Element& rel, const QString& id1, const QString& id2)
{
    // The load files these before anything is removed or appended: the records' numbers are
    // still their document order.
    file(static_cast<std::uint32_t>(rel.slot()), &id1, &id2, true);
}

void RelationIndex::file(std::uint32_t number, const QString* id1, const QString* id2,
                         bool inOrder)
{
    const std::uint32_t hash1 = id1 ? HashOf(*id1) : 0;
    if (id1)
        link(number, 0, hash1, inOrder);
    if (id2) {
        const std::uint32_t hash2 = HashOf(*id2);
        if (!id1 || hash2 != hash1)
            link(number, 1, hash2, inOrder);
    }
}

void RelationIndex::adoptInto(Document& doc)
{
    for (std::uint32_t number = 0; number < records_; ++number) {
        Record& filed = record(number);
        if (filed.rel)
            filed.rel = doc.adopt(filed.rel);
    }
}

std::vector<Element> RelationIndex::of(const QString& id) const
{
    std::vector<Element> rels;
    const Slot* slot = findSlot(HashOf(id));
    if (!slot)
        return rels;
    for (std::uint32_t link = slot->head; link != kEnd;) {
        const Record& filed = record(link >> 1);
        // Another ID of the same hash may share the chain: the record itself says whom it names.
        if (filed.rel.attributeEquals(kId1Attribute, id) ||
            filed.rel.attributeEquals(kId2Attribute, id))
            rels.push_back(filed.rel);
        link = filed.next[link & 1];
    }
    return rels;
}

void RelationIndex::forget(const std::vector<Element>& rels)
{
    for (const Element& rel : rels) {
        const int slot = rel ? rel.slot() : -1;
        if (slot < 0 || static_cast<std::uint32_t>(slot) >= records_)
            continue;
        const auto number = static_cast<std::uint32_t>(slot);
        Record& filed = record(number);
        if (!(filed.rel == rel))
            continue;
        unlink(number, 0);
        unlink(number, 1);
        filed.rel = Element();
        filed.next[0] = free_;
        free_ = number;
    }
}

RelationIndex RelationIndex::of(Document& doc)
{
    RelationIndex index;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element node = doc.rootChild(i);
        if (!node.hasLocalName(kRelElement))
            continue;
        const std::optional<QString> id1 = node.attribute(kId1Attribute);
        const std::optional<QString> id2 = node.attribute(kId2Attribute);
        index.append(node, id1 ? &*id1 : nullptr, id2 ? &*id2 : nullptr);
    }
    return index;
}

const RelationIndex::Slot* RelationIndex::findSlot(std::uint32_t hash) const
{
    const size_t mask = table_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = table_[at];
        if (slot.head == kUnfiled)
            return nullptr;
        if (slot.hash == hash)
            return &slot;
    }
}

RelationIndex::Slot& RelationIndex::slotFor(std::uint32_t hash)
{
    if ((usedSlots_ + 1) * 4 > table_.size() * 3)
        growTable();
    const size_t mask = table_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = table_[at];
        if (slot.head == kUnfiled) {
            slot.hash = hash;
            slot.head = slot.tail = kEnd;
            ++usedSlots_;
            return slot;
        }
        if (slot.hash == hash)
            return slot;
    }
}

void RelationIndex::link(std::uint32_t number, int side, std::uint32_t hash, bool inOrder)
{
    Slot& slot = slotFor(hash);
    const std::uint32_t self = number * 2 + static_cast<std::uint32_t>(side);
    std::uint32_t before = kEnd;
    std::uint32_t after = kEnd;
    if (inOrder) {
        for (after = slot.head; after != kEnd && (after >> 1) < number;) {
            before = after;
            after = record(after >> 1).next[after & 1];
        }
    } else {
        before = slot.tail;
    }
    record(number).next[side] = after;
    if (before == kEnd)
        slot.head = self;
    else
        record(before >> 1).next[before & 1] = self;
    if (after == kEnd)
        slot.tail = self;
}

void RelationIndex::unlink(std::uint32_t number, int side)
{
    Record& filed = record(number);
    if (filed.next[side] == kUnfiled)
        return;
    const std::optional<QString> id = filed.rel.attribute(IdAttribute(side));
    const Slot* found = id ? findSlot(HashOf(*id)) : nullptr;
    if (found) {
        Slot& slot = table_[static_cast<size_t>(found - table_.data())];
        const std::uint32_t self = number * 2 + static_cast<std::uint32_t>(side);
        std::uint32_t before = kEnd;
        std::uint32_t at = slot.head;
        while (at != kEnd && at != self) {
            before = at;
            at = record(at >> 1).next[at & 1];
        }
        if (at == self) {
            if (before == kEnd)
                slot.head = filed.next[side];
            else
                record(before >> 1).next[before & 1] = filed.next[side];
            if (slot.tail == self)
                slot.tail = before;
        }
    }
    filed.next[side] = kUnfiled;
}

void RelationIndex::growTable()
{
    std::vector<Slot> old(table_.size() * 2);
    old.swap(table_);
    const size_t mask = table_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.head == kUnfiled)
            continue;
        size_t at = slot.hash & mask;
        while (table_[at].head != kUnfiled)
            at = (at + 1) & mask;
        table_[at] = slot;
    }
}

}  // namespace orvanel
