#include "search/person_deletion.h"

#include "store/errors.h"
#include "store/file_date.h"
#include "store/lookup.h"
#include "store/record_names.h"

namespace orvanel {

void DeletePerson(Register& reg, const QString& id, const Clock& clock)
{
    const Element person = FindPerson(reg, id);
    if (!person)
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
    Element status = person.child(kStatusChild);
    Element dateModified = person.child(kDateModifiedChild);

    RemoveRelations(reg, id);
    status.setText(QString::fromLatin1(kDeletedStatus));
    dateModified.setText(formatFileDate(clock.today()));
    reg.markModified();
}

}  // namespace orvanel
