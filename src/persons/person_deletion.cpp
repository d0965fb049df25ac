#include "persons/person_deletion.h"

#include "store/file_date.h"

namespace orvanel {

void DeletePerson(Register& reg, const QString& id, const Clock& clock)
{
    reg.deletePerson(id, FormatFileDate(clock.today()));
}

}  // namespace orvanel
