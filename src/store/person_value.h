#pragma once

#include "store/document.h"
#include "store/person_fields.h"

#include <QString>
#include <array>
#include <bitset>

namespace orvanel {

// One person as stored: the ID and the text of each field, and which fields the value holds.
// The dialog, the export and the register's writes share it, so that no reader or writer fills
// a copy of its own field by field.
//
// For a value read from a record, has() tells which children the record holds. For a value
// given to a write, has() tells which fields to write: a new record gets every field, those
// without a value as empty children; an existing record keeps the text of a field the value
// does not hold.
class PersonValue {
public:
    QString id;

    bool has(PersonField field) const { return present_.test(Index(field)); }
    // The stored text; empty for a field the value does not hold.
    const QString& text(PersonField field) const { return texts_[Index(field)]; }
    void set(PersonField field, QString text)
    {
        texts_[Index(field)] = std::move(text);
        present_.set(Index(field));
    }
    void remove(PersonField field)
    {
        texts_[Index(field)].clear();
        present_.reset(Index(field));
    }

    bool operator==(const PersonValue& other) const = default;

private:
    static size_t Index(PersonField field) { return static_cast<size_t>(field); }

    std::array<QString, kPersonFieldCount> texts_;
    std::bitset<kPersonFieldCount> present_;
};

// Reads a Person element: its ID (empty when it has none) and the text of the first child of
// each field's name. A child the record lacks is left out of the value (has() is false, the
// text empty); nothing throws, so each reader decides what a missing required child means.
PersonValue ReadPersonValue(const Element& person);

// The first required field, in table order, that the value lacks; nullopt when it has them all.
std::optional<PersonField> FirstMissingRequired(const PersonValue& value);

}  // namespace orvanel
