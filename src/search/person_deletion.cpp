#include "search/person_deletion.h"

#include "store/errors.h"
#include "store/file_date.h"
#include "store/lookup.h"

namespace orvanel {

void DeletePerson(Register& reg, const QString& id, const Clock& clock)
{
    const Element person = FindPerson(reg, id);
    if (!person)
        throw NodeNotFound(QStringLiteral("Person"));
    Element status = person.child("Status");
    Element dateModified = person.child("DateModified");

    RemoveRelations(reg, id);
    status.setText(QStringLiteral("Deleted"));
    dateModified.setText(formatFileDate(clock.today()));
    reg.markModified();
}

}  // namespace orvanel
