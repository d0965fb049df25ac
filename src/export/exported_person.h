#pragma once

#include "store/person_value.h"
#include "store/register.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace orvanel {

// One relationship as the exported person sees it: this person is `kind` of `otherId`.
struct ExportedRelation {
    QString kind;
    QString otherId;
};

// A person as it is written to an export file: the stored texts, unchanged, and the
// relationships that name the person.
struct ExportedPerson {
    PersonValue value;
    std::vector<ExportedRelation> relations;  // in the document order of the Rel records
};

// The persons with these IDs, in the order given, read from the document. Throws NodeNotFound
// when an ID has no Person record or a record lacks a required child (naming that child), so
// that a broken record stops the export before anything is written. A field added after the
// twenty that a record lacks reads as empty text.
std::vector<ExportedPerson> ExportedPersons(Register& reg, const QStringList& ids);

}  // namespace orvanel
