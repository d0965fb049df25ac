#pragma once

#include "store/document.h"
#include "store/person_fields.h"
#include "store/person_ref.h"
#include "store/record_names.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace orvanel {

// The fields the cache holds: those the lists show and the filter tests, as the field table
// says. A field's place among them is its slot in a cached person.
inline constexpr int kCachedFieldCount =
    CountFields([](const PersonFieldInfo& info) { return info.keeping != CacheKeeping::None; });

inline constexpr std::array<int, kPersonFieldCount> kCacheSlotOf = [] {
    std::array<int, kPersonFieldCount> out{};
    int next = 0;
    for (const PersonFieldInfo& info : kPersonFields)
        out[static_cast<size_t>(IndexOf(info.field))] =
            info.keeping == CacheKeeping::None ? -1 : next++;
    return out;
}();

// One bit per cached field and one for the ID must fit the entry's mask.
static_assert(kCachedFieldCount < 32);

class PersonCache;

// Makes room in a list for a row of every person. A list rebuilt in the memory it had keeps it
// while it is large enough, and new memory has an eighth to spare: the persons added during a run
// do not move a large list to new memory at every rebuild.
template <class Rows>
void MakeRoomForEveryPerson(Rows& rows, int persons)
{
    const auto now = static_cast<size_t>(persons);
    if (rows.capacity() < now)
        rows.reserve(now + now / 8 + 16);
}

// One person as the cache holds it. Reads exactly what the document would give: the text of
// the first child of that name, and NodeNotFound for a required child the record lacks; a field
// added after the twenty reads as empty text when the record lacks it. A field the cache does
// not hold is read from the record itself.
class ListedPerson {
public:
    ListedPerson(const PersonCache& cache, int index) : cache_(&cache), index_(index) {}

    // Every QString given out owns its characters, or shares them with the cache by reference
    // count: it stays readable after the cache and the register are gone (rows, cells, edits and
    // the clipboard keep them).

    // The ID attribute; nullopt when the record has none.
    std::optional<QString> id() const;
    // The ID, or empty text when the record has none.
    QString idOrEmpty() const;
    bool has(PersonField field) const;
    // Throws NodeNotFound naming the element when the record lacks a required field.
    QString text(PersonField field) const;
    // The text, or empty text when the record lacks the element.
    QString textOrEmpty(PersonField field) const;
    // The same text without a copy, for a test that reads many persons in one call (the filter):
    // it is valid only until the cache next changes, so use it within the call and never keep
    // it. Throws as text() does.
    // Only for a field the cache holds; any other is a mistake of the caller (logic_error).
    QStringView view(PersonField field) const;
    Element element() const;

private:
    const PersonCache* cache_;
    int index_;
};

// The list fields of every Person of the document, in document order, each text of the shared
// fields (names, sex, dates, places, status) held once however many persons share it. Built in
// the load's pass over the records and afterwards changed only by the register, right after it
// has written a record, by reading that record back: so it always holds what the document holds.
class PersonCache {
public:
    PersonCache();

    int size() const { return static_cast<int>(persons_.size()); }
    ListedPerson at(int index) const { return ListedPerson(*this, index); }
    // The cached person of a Person element; throws NodeNotFound("Person") for a null element
    // or one the cache does not hold.
    ListedPerson of(const Element& person) const;
    // The same for a reference: NodeNotFound("Person") for one that names no listed person.
    ListedPerson of(PersonRef person) const;
    // The place of a listed Person element among the persons; throws as of() does.
    int placeOf(const Element& person) const;

    // Lists a Person element just read or appended, as the last in document order.
    void append(Element person);
    // Ties the handles of persons listed during a parse to the document it returned.
    void adoptInto(Document& doc);
    // Reads a listed Person element again after it was written.
    void refresh(Element person);

    // The cache of every Person among the root's children of `doc`.
    static PersonCache of(Document& doc);

private:
    friend class ListedPerson;
    struct Entry {
        // The Person element's node, without the document every entry shares (doc_): 0.8 MB at
        // 100k persons.
        _xmlNode* node = nullptr;
        std::uint32_t id = 0;  // index in texts_; absent when bit kIdAbsent of `missing` is set
        std::uint32_t missing = 0;  // one bit per cache slot, then kIdAbsent
        // By cache slot: index in contacts_ for a contact field, in texts_ for the others.
        std::array<std::uint32_t, kCachedFieldCount> texts{};
    };
    static constexpr std::uint32_t kIdAbsent = 1u << kCachedFieldCount;

    Element elementOf(const Entry& entry) const { return Element(entry.node, doc_); }
    void read(Element person, Entry& entry);
    // The index of a text of a field that many persons share, held once.
    std::uint32_t intern(QByteArrayView utf8);
    // The index of a text that is a person's own and that every list shows (ID, OptionalID).
    std::uint32_t hold(QString text);
    // The index of a contact text (street, phones, e-mail), copied into the blocks below.
    std::uint32_t store(QStringView text);
    void growTable();

    std::vector<Entry> persons_;
    Document* doc_ = nullptr;  // the document of the listed persons, once one is known
    // The texts every list reads: the shared fields' and the IDs and optional IDs; index 0 is the
    // empty text. The rows of the lists share these QStrings, so a list costs no copy of them.
    std::vector<QString> texts_;
    // The contact texts, which only the filter and the person dialog read: index 0 is the empty
    // text. Their characters lie one after another in large blocks that are never moved nor freed
    // before the cache, so that a hundred thousand persons' streets, phones and e-mail addresses
    // cost no allocation each. These views never leave the cache: text() copies the characters
    // out, and view() is for use within a call.
    //
    // A contact text is its block and place in it, in 8 bytes where a QStringView took 16: at 100k
    // persons with a street, a phone and an e-mail address each, that is 2.4 MB less of the
    // start's peak, which pays for the relationship index's table (docs/performance.md). A text
    // longer than a block has a block of its own and begins at its start.
    struct ContactText {
        std::uint32_t at = 0;  // block index above kPlaceBits, place in the block below
        std::uint32_t length = 0;
    };
    static constexpr int kPlaceBits = 18;
    static constexpr size_t kTextBlock = size_t{1} << kPlaceBits;
    QStringView contact(std::uint32_t index) const;
    std::vector<ContactText> contacts_;
    std::vector<std::unique_ptr<char16_t[]>> blocks_;
    char16_t* next_ = nullptr;
    size_t spare_ = 0;
    // Open addressing over the shared texts: each slot holds a text's hash and index.
    std::vector<std::uint64_t> table_;
    size_t shared_ = 0;
    QByteArray scratch_;
};

}  // namespace orvanel
