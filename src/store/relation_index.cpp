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
    if (!slot || slot->last == kEnd)
        return rels;
    for (std::uint32_t link = next(slot->last);; link = next(link)) {
        const Element& rel = record(link >> 1).rel;
        // Another ID of the same hash may share the chain: the record itself says whom it names.
        if (rel.attributeEquals(kId1Attribute, id) || rel.attributeEquals(kId2Attribute, id))
            rels.push_back(rel);
        if (link == slot->last)
            return rels;
    }
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
        if (slot.last == kUnfiled)
            return nullptr;
        if (slot.hash == hash)
            return &slot;
    }
}

RelationIndex::Slot& RelationIndex::slotFor(std::uint32_t hash)
{
    // Filled up to seven eighths: the probes stay short, and the table of 100k persons' IDs
    // keeps to 131,072 slots of 8 bytes.
    if ((usedSlots_ + 1) * 8 > table_.size() * 7)
        growTable();
    const size_t mask = table_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = table_[at];
        if (slot.last == kUnfiled) {
            slot.hash = hash;
            slot.last = kEnd;
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
    if (slot.last == kEnd) {
        record(number).next[side] = self;
        slot.last = self;
        return;
    }
    // After the last record, unless a record of a higher number is found first.
    std::uint32_t before = slot.last;
    bool atEnd = true;
    if (inOrder) {
        for (std::uint32_t prev = slot.last, at = next(prev);; prev = at, at = next(at)) {
            if ((at >> 1) > number) {
                before = prev;
                atEnd = false;
                break;
            }
            if (at == slot.last)
                break;
        }
    }
    record(number).next[side] = next(before);
    next(before) = self;
    if (atEnd)
        slot.last = self;
}

void RelationIndex::unlink(std::uint32_t number, int side)
{
    Record& filed = record(number);
    if (filed.next[side] == kUnfiled)
        return;
    const std::optional<QString> id = filed.rel.attribute(IdAttribute(side));
    const Slot* found = id ? findSlot(HashOf(*id)) : nullptr;
    const std::uint32_t self = number * 2 + static_cast<std::uint32_t>(side);
    if (found && found->last != kEnd) {
        Slot& slot = table_[static_cast<size_t>(found - table_.data())];
        std::uint32_t before = slot.last;
        while (next(before) != self && next(before) != slot.last)
            before = next(before);
        if (next(before) == self) {
            if (before == self)
                slot.last = kEnd;  // it was the chain's only record
            else
                next(before) = filed.next[side];
            if (slot.last == self)
                slot.last = before;
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
        if (slot.last == kUnfiled)
            continue;
        size_t at = slot.hash & mask;
        while (table_[at].last != kUnfiled)
            at = (at + 1) & mask;
        table_[at] = slot;
    }
}

}  // namespace orvanel
