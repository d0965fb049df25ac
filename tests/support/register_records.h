#pragma once

// A register's records as a test reads them, through the register's own operations and the file
// a save would write now, so that a test says what it checks without knowing how the records
// are kept in memory.

#include "store/document.h"
#include "store/kept_save.h"
#include "store/person_value.h"
#include "store/register.h"

#include <QByteArray>
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

// The bytes a save would write now, but for the root's date and counts, which only a save sets.
inline QByteArray RegisterBytes(const Register& reg)
{
    QByteArray out;
    WriteKeptFile(reg.kept(), reg.changes(), [&out](QByteArrayView piece) { out.append(piece); });
    return out;
}

// Those bytes parsed, to walk the records in file order. Keep it in a variable while its
// Elements are read: they live as long as it does.
inline Document RegisterDocument(const Register& reg)
{
    return Document::parse(RegisterBytes(reg));
}

}  // namespace orvanel::testing
