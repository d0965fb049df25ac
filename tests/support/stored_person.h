#pragma once

// A person's record as the register holds it, read and written through the register's own
// operations, so that a test says what it checks without knowing how the records are kept.

#include "store/person_value.h"
#include "store/register.h"

#include <QString>

namespace orvanel::testing {

// The person `id`: its ID and the text of each field its record has (has() is false for a field
// the record lacks). Throws NodeNotFound when no person carries the ID.
inline PersonValue StoredPerson(Register& reg, const QString& id)
{
    return reg.readPerson(reg.findPerson(id));
}

// Writes one field of the person `id` as the register's update does.
inline void SetStoredText(Register& reg, const QString& id, PersonField field, const QString& text)
{
    PersonValue value;
    value.set(field, text);
    reg.updatePerson(reg.findPerson(id), value);
}

}  // namespace orvanel::testing
