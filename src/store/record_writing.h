#pragma once

#include "store/document.h"
#include "store/person_value.h"

#include <QString>

namespace orvanel {

// How the register writes its records into elements, whichever form holds them: the whole
// document, or one record of the kept register opened alone.

// A new Person: the value's ID and a child for every field, in the order of the field table; a
// field the value does not hold is written as an empty child.
void WritePersonRecord(Element person, const PersonValue& value);

// Replaces the texts of the fields the value holds, each child found by name; a missing required
// child throws NodeNotFound, the values before it staying written. A field added after the
// twenty that the record lacks is appended at the record's end, with the value's text or empty.
void WritePersonFields(Element person, const PersonValue& value);

// Appends every field added after the twenty that the record lacks, empty, at its end.
void AppendMissingOptionalFields(Element person);

// A new Rel with these IDs and kind words.
void WriteRelRecord(Element rel, const QString& id1, const QString& id2, const QString& dir,
                 const QString& inv);

}  // namespace orvanel
