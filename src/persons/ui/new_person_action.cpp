#include "persons/ui/new_person_action.h"

#include "persons/person_record.h"
#include "persons/ui/person_dialog.h"
#include "store/errors.h"
#include "store/lookup.h"
#include "store/person_id.h"

#include <QCoreApplication>

namespace orvanel {

bool AddNewPerson(Register& reg, TForm_Person& dialog, const Clock& clock)
{
    dialog.NewPerson = true;
    const QString id = NextFreeId(reg, reg.personCounter());
    // A person stored under an identifier that loading refuses would lock the user out of the
    // whole register at the next start.
    if (!IdReadsBack(id, reg.idCodePage))
        throw Error(QCoreApplication::translate(
                        "orvanel::NewPersonAction",
                        "No person can be added: the identifier %1 made from the register's "
                        "Prefix could not be read back.")
                        .arg(id));
    dialog.PersonID = id;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    WriteNewPerson(reg, dialog.record(), clock);
    return true;
}

}  // namespace orvanel
