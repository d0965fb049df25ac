#include "store/person_cache.h"

#include "store/errors.h"
#include "store/record_names.h"

#include <QAnyStringView>
#include <QHashFunctions>
#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace orvanel {

namespace {

// The field of a child's name, trying first the one a record written by this program has at
// this place; -1 for a child that is no field.
int FieldOf(const char* name, int expected)
{
    if (expected < kPersonFieldCount
        && std::strcmp(name, kPersonFields[static_cast<size_t>(expected)].element) == 0)
        return expected;
    for (int f = 0; f < kPersonFieldCount; ++f) {
        if (std::strcmp(name, kPersonFields[static_cast<size_t>(f)].element) == 0)
            return f;
    }
    return -1;
}

std::uint32_t HashOf(QByteArrayView utf8)
{
    return static_cast<std::uint32_t>(qHash(utf8, 0));
}

CacheKeeping KeepingOf(PersonField field)
{
    return InfoOf(field).keeping;
}

int SlotOf(PersonField field)
{
    return kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
}

[[noreturn]] void ThrowMissing(PersonField field)
{
    throw NodeNotFound(QString::fromLatin1(ElementOf(field)));
}

// A slot of the table: the text's hash above, its index + 1 below, 0 for a free slot. With the
// hash in the slot, a probe compares texts only when the hashes agree.
std::uint64_t TableSlotOf(std::uint32_t hash, std::uint32_t index)
{
    return (static_cast<std::uint64_t>(hash) << 32) | (index + 1);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// ListedPerson

std::optional<QString> ListedPerson::id() const
{
    const PersonCache::Entry& entry = cache_->persons_[static_cast<size_t>(index_)];
    if (entry.missing & PersonCache::kIdAbsent)
        return std::nullopt;
    return cache_->texts_[entry.id];
}

QString ListedPerson::idOrEmpty() const
{
    return id().value_or(QString());
}

bool ListedPerson::has(PersonField field) const
{
    const int slot = SlotOf(field);
    if (slot < 0)
        return static_cast<bool>(element().childOrNull(ElementOf(field)));
    const PersonCache::Entry& entry = cache_->persons_[static_cast<size_t>(index_)];
    return (entry.missing & (1u << slot)) == 0;
}

QString ListedPerson::text(PersonField field) const
{
    if (SlotOf(field) < 0) {
        if (const Element child = element().childOrNull(ElementOf(field)))
            return child.text();
        if (InfoOf(field).required)
            ThrowMissing(field);
        return QString();
    }
    if (KeepingOf(field) == CacheKeeping::Contact)
        return view(field).toString();  // a copy of its own: the blocks die with the cache
    if (!has(field)) {
        if (InfoOf(field).required)
            ThrowMissing(field);
        return QString();
    }
    const PersonCache::Entry& entry = cache_->persons_[static_cast<size_t>(index_)];
    return cache_->texts_[entry.texts[static_cast<size_t>(SlotOf(field))]];
}

QStringView ListedPerson::view(PersonField field) const
{
    const int slot = SlotOf(field);
    if (slot < 0)  // a reader's mistake: there is nothing in the cache to view
        throw std::logic_error("the list cache does not hold this field");
    if (!has(field)) {
        if (InfoOf(field).required)
            ThrowMissing(field);
        return {};
    }
    const PersonCache::Entry& entry = cache_->persons_[static_cast<size_t>(index_)];
    const std::uint32_t index = entry.texts[static_cast<size_t>(slot)];
    if (KeepingOf(field) == CacheKeeping::Contact)
        return cache_->contact(index);
    return cache_->texts_[index];
}

QString ListedPerson::textOrEmpty(PersonField field) const
{
    return has(field) ? text(field) : QString();
}

Element ListedPerson::element() const
{
    return cache_->elementOf(cache_->persons_[static_cast<size_t>(index_)]);
}

// ---------------------------------------------------------------------------------------------
// PersonCache

PersonCache::PersonCache()
{
    texts_.emplace_back();
    contacts_.emplace_back();
    table_.assign(1024, 0);
}


ListedPerson PersonCache::of(const Element& person) const
{
    const int index = person ? person.slot() : -1;
    if (index < 0 || index >= size() || persons_[static_cast<size_t>(index)].node != person.node_)
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
    return at(index);
}

ListedPerson PersonCache::of(PersonRef person) const
{
    if (!person || person.place() >= size())
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
    return at(person.place());
}

int PersonCache::placeOf(const Element& person) const
{
    of(person);  // throws for an element that is not listed
    return person.slot();
}

void PersonCache::append(Element person)
{
    Entry entry;
    read(person, entry);
    person.setSlot(size());
    persons_.push_back(entry);
}

void PersonCache::adoptInto(Document& doc)
{
    doc_ = &doc;
}

void PersonCache::refresh(Element person)
{
    of(person);  // throws for an element that is not listed
    read(person, persons_[static_cast<size_t>(person.slot())]);
}

PersonCache PersonCache::of(Document& doc)
{
    PersonCache cache;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element node = doc.rootChild(i);
        if (node.hasLocalName(kPersonElement))
            cache.append(node);
    }
    return cache;
}

void PersonCache::read(Element person, Entry& entry)
{
    if (person.doc_)
        doc_ = person.doc_;
    entry.node = person.node_;
    entry.missing = (1u << kCachedFieldCount) - 1;
    std::optional<QString> id = person.attribute(kIdAttribute);
    if (id) {
        entry.id = hold(std::move(*id));
    } else {
        entry.id = 0;
        entry.missing |= kIdAbsent;
    }
    entry.texts.fill(0);
    int expected = 0;
    for (Element child = person.firstChildElement(); child; child = child.nextSiblingElement()) {
        const int f = FieldOf(child.localNameUtf8(), expected);
        if (f < 0)
            continue;
        expected = f + 1;
        const PersonField field = kPersonFields[static_cast<size_t>(f)].field;
        const int slot = SlotOf(field);
        if (slot < 0)
            continue;
        const std::uint32_t bit = 1u << slot;
        if ((entry.missing & bit) == 0)
            continue;  // readers take the first child of a name
        entry.missing &= ~bit;
        const QByteArrayView text = child.textUtf8(scratch_);
        std::uint32_t& index = entry.texts[static_cast<size_t>(slot)];
        switch (KeepingOf(field)) {
        case CacheKeeping::Shared:
            index = intern(text);
            break;
        case CacheKeeping::Shown:
            index = hold(QString::fromUtf8(text));
            break;
        case CacheKeeping::Contact:
            index = store(QString::fromUtf8(text));
            break;
        case CacheKeeping::None:
            break;
        }
    }
}

std::uint32_t PersonCache::hold(QString text)
{
    if (text.isEmpty())
        return 0;
    texts_.push_back(std::move(text));
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

std::uint32_t PersonCache::store(QStringView text)
{
    if (text.isEmpty())
        return 0;
    const auto length = static_cast<size_t>(text.size());
    if (spare_ < length) {
        // 16,384 blocks hold 8 GB of contact texts, which no register that fits in memory has.
        if (blocks_.size() >= (size_t{1} << (32 - kPlaceBits)))
            throw std::bad_alloc();
        const size_t size = std::max(kTextBlock, length);
        blocks_.emplace_back(new char16_t[size]);
        next_ = blocks_.back().get();
        spare_ = size;
    }
    std::memcpy(next_, text.utf16(), length * sizeof(char16_t));
    const auto block = static_cast<std::uint32_t>(blocks_.size() - 1);
    const auto place = static_cast<std::uint32_t>(next_ - blocks_.back().get());
    // A QString holds fewer than 2^31 characters, so the length fits.
    contacts_.push_back({(block << kPlaceBits) | place, static_cast<std::uint32_t>(length)});
    next_ += length;
    spare_ -= length;
    return static_cast<std::uint32_t>(contacts_.size() - 1);
}

QStringView PersonCache::contact(std::uint32_t index) const
{
    const ContactText& held = contacts_[index];
    if (held.length == 0)
        return {};
    const char16_t* block = blocks_[held.at >> kPlaceBits].get();
    return QStringView(block + (held.at & (kTextBlock - 1)), static_cast<qsizetype>(held.length));
}

std::uint32_t PersonCache::intern(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return 0;
    const std::uint32_t hash = HashOf(utf8);
    const size_t mask = table_.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t held = table_[slot];
        if (held == 0) {
            const auto index = static_cast<std::uint32_t>(texts_.size());
            texts_.push_back(QString::fromUtf8(utf8));
            table_[slot] = TableSlotOf(hash, index);
            if (++shared_ * 2 > table_.size())
                growTable();
            return index;
        }
        const auto index = static_cast<std::uint32_t>(held) - 1;
        if (static_cast<std::uint32_t>(held >> 32) == hash
            && QAnyStringView::equal(texts_[index], QUtf8StringView(utf8)))
            return index;
    }
}

void PersonCache::growTable()
{
    std::vector<std::uint64_t> old(table_.size() * 2, 0);
    old.swap(table_);
    const size_t mask = table_.size() - 1;
    for (const std::uint64_t held : old) {
        if (held == 0)
            continue;
        size_t slot = static_cast<std::uint32_t>(held >> 32) & mask;
        while (table_[slot] != 0)
            slot = (slot + 1) & mask;
        table_[slot] = held;
    }
}

}  // namespace orvanel
