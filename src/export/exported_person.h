#pragma once

#include "store/document.h"
#include "store/record_names.h"
#include "store/register.h"

#include <QString>
#include <QStringList>
#include <array>
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
    QString id;
    std::array<QString, kPersonChildren.size()> values;  // in the order of kPersonChildren
    std::vector<ExportedRelation> relations;  // in the document order of the Rel records

    // The stored text of one child element by name; empty for a name that is not a field.
    QString value(const char* field) const;
};

// The persons with these IDs, in the order given, read from the document. Throws NodeNotFound
// when an ID has no Person record or a record lacks a child, so that a broken record stops the
// export before anything is written.
std::vector<ExportedPerson> ExportedPersons(Register& reg, const QStringList& ids);

}  // namespace orvanel
