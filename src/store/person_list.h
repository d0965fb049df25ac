#pragma once

#include "store/folded_needle.h"
#include "store/person_fields.h"
#include "store/person_ref.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvanel {

class Register;

// The fields the register's table holds for every person: those the lists show and the filter
// tests, as the field table says. A field's place among them is its slot in a person's row.
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

// One person of the register as the lists read it. Reads exactly what the record holds: the text
// of the first child of that name, and NodeNotFound for a required child the record lacks; a
// field added after the twenty reads as empty text when the record lacks it. The fields the
// lists hold come from the register's table; any other is read from the record itself.
//
// Every QString given out owns its characters: it stays readable after the register is gone
// (cells, edits and the clipboard keep them).
class ListedPerson {
public:
    ListedPerson(const Register& reg, int place) : reg_(&reg), place_(place) {}

    PersonRef ref() const { return PersonRef(place_); }
    // The ID attribute; nullopt when the record has none.
    std::optional<QString> id() const;
    // The ID, or empty text when the record has none.
    QString idOrEmpty() const;
    bool has(PersonField field) const;
    // Throws NodeNotFound naming the element when the record lacks a required field.
    QString text(PersonField field) const;
    // The text, or empty text when the record lacks the element.
    QString textOrEmpty(PersonField field) const;
    // Whether the needle is found in the field's text, searched where the register holds it:
    // the filter asks this of every person, and a copy of each text would cost it an allocation.
    // Throws as text() does.
    bool contains(PersonField field, const FoldedNeedle& needle) const;
    // Whether it is found in any of the fields' texts. Throws as text() does for the first
    // required field the record lacks, even after a hit, so that such a record fails the same
    // way whatever its other fields hold.
    bool anyContains(std::span<const PersonField> fields, const FoldedNeedle& needle) const;
    // Whether it is found in the ID; never when the record has none.
    bool idContains(const FoldedNeedle& needle) const;
    // Appends textOrEmpty(field) or idOrEmpty() to `out`, without a QString of its own: a sort
    // reads one of every listed person.
    void appendTextOrEmpty(PersonField field, std::u16string& out) const;
    void appendIdOrEmpty(std::u16string& out) const;
    // See RecordTable::personTextNumber: the same number, the same text.
    std::optional<std::uint64_t> textNumber(PersonField field) const;
    std::uint64_t idNumber() const;
    // Whether text(field) or the ID equals `utf8`, without a copy of either: the lists ask this
    // of every person. textIs throws as text() does.
    bool textIs(PersonField field, QByteArrayView utf8) const;
    bool idIs(QByteArrayView utf8) const;

private:
    const Register* reg_;
    int place_;
};

// The text of a list's column, for lists whose first column is the ID and whose others show
// `fields` in order: the ID or the field's text, empty for one the record lacks and past the
// fields. A cell is no place to throw.
QString ListCellText(const ListedPerson& person, std::span<const PersonField> fields, int column);
// The same text appended to `out`, as a sort reads it.
void AppendListCellText(const ListedPerson& person, std::span<const PersonField> fields,
                        int column, std::u16string& out);

// A number the same for every cell of that column with the same text (see
// RecordTable::personTextNumber); nullopt for a column whose texts are each person's own.
std::optional<std::uint64_t> ListCellTextNumber(const ListedPerson& person,
                                                std::span<const PersonField> fields, int column);

// Every person of the register, in file order, the persons added since after them.
class PersonList {
public:
    explicit PersonList(const Register& reg) : reg_(&reg) {}

    int size() const;
    ListedPerson at(int place) const { return ListedPerson(*reg_, place); }
    // Throws NodeNotFound("Person") for a reference that names no person of the register.
    ListedPerson of(PersonRef person) const;

private:
    const Register* reg_;
};

}  // namespace orvanel
