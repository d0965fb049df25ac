#include "persons/ui/new_person_action.h"

#include "persons/new_person_id.h"
#include "persons/person_record.h"
#include "persons/ui/person_dialog.h"

namespace orvanel {

bool AddNewPerson(Register& reg, TForm_Person& dialog, const Clock& clock)
{
    dialog.NewPerson = true;
    const QString id = NextNewPersonId(reg, reg.personCounter()).id;
    dialog.PersonID = id;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    WriteNewPerson(reg, dialog.record(), clock);
    return true;
}

}  // namespace orvanel
