#include "export/exported_person.h"

#include "relations/relatives.h"
#include "store/errors.h"
#include "store/record_names.h"

#include <QHash>

namespace orvanel {

std::vector<ExportedPerson> ExportedPersons(Register& reg, const QStringList& ids)
{
    std::vector<ExportedPerson> persons;
    persons.reserve(static_cast<size_t>(ids.size()));
    QHash<QString, size_t> indexOf;
    for (const QString& id : ids) {
        const PersonRef found = reg.findPerson(id);
        if (!found)
            throw NodeNotFound(QString::fromLatin1(kPersonElement));
        ExportedPerson person;
        person.value = reg.readPerson(found);
        if (const auto missing = FirstMissingRequired(person.value))
            throw NodeNotFound(QString::fromLatin1(ElementOf(*missing)));
        indexOf.insert(id, persons.size());
        persons.push_back(std::move(person));
    }

    // One pass over the records, not one per person: an export may hold every person.
    reg.forEachRelation([&](const StoredRelation& rel) {
        const QString first = rel.id1.value_or(QString());
        const QString second = rel.id2.value_or(QString());
        // Each person reads the record as the relatives list shows it to them; a record naming
        // the same person twice is seen once.
        const QStringList named = first == second ? QStringList{first} : QStringList{first, second};
        for (const QString& id : named) {
            const auto found = indexOf.constFind(id);
            if (found == indexOf.constEnd())
                continue;
            if (const auto seen = ReadRelationFor(rel, id))
                persons[*found].relations.push_back({seen->kind, seen->otherId});
        }
    });
    return persons;
}

}  // namespace orvanel
