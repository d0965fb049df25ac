#include "shell/ui/new_person_action.h"

#include "persons/person_record.h"
#include "persons/ui/person_dialog.h"
#include "store/lookup.h"

namespace orvanel {

bool AddNewPerson(Register& reg, TForm_Person& dialog, const Clock& clock)
{
    dialog.NewPerson = true;
    dialog.PersonID = NextFreeId(reg, reg.personCounter);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    Element person = reg.doc.appendRootChild("Person");
    WriteNewPerson(dialog.record(), person, clock);
    ++reg.personCounter;
    return true;
}

}  // namespace orvanel
