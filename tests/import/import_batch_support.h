#pragma once

// Batches built in a test, as a reader would hand them over.

#include "import/import_batch.h"

#include <QString>

namespace orvanel::testing {

inline ImportedPerson Imported(const QString& name, const QString& surname,
                               const QString& birth = QString())
{
    ImportedPerson person;
    person.value.set(PersonField::Name, name);
    person.value.set(PersonField::Surname, surname);
    person.value.set(PersonField::DateOfBirth, birth);
    return person;
}

}  // namespace orvanel::testing
