#include "fault_edits.h"

#include "store/file_date.h"
#include "store/lookup.h"
#include "store/person_value.h"

namespace orvanel::faults {

namespace {

const QString kNewName = QStringLiteral("Ērika");
const QString kNewSurname = QStringLiteral("Saglabātā");
const QString kEditedComment = QStringLiteral("Edited before a save that met a fault: Ž 😀 & <ok>");

PersonRef firstPerson(const Register& reg)
{
    return reg.persons().size() > 0 ? PersonRef(0) : PersonRef();
}

}  // namespace

QDate faultEditDay()
{
    return QDate(2031, 3, 14);
}

void applyUserEdits(Register& reg, const Clock& clock)
{
    const PersonRef first = firstPerson(reg);
    const QString firstId = first ? reg.persons().of(first).idOrEmpty() : QString();
    if (first) {
        PersonValue comment;
        comment.set(PersonField::Comment, kEditedComment);
        reg.updatePerson(first, comment);
    }

    const QString newId = NextFreeId(reg, reg.personCounter());
    if (first) {
        reg.appendRelationship(newId, firstId, QStringLiteral("child"), QStringLiteral("parent"));
    }
    PersonValue added;
    added.id = newId;
    added.set(PersonField::Name, kNewName);
    added.set(PersonField::Surname, kNewSurname);
    added.set(PersonField::Status, QStringLiteral("Active"));
    added.set(PersonField::DateCreated, FormatFileDate(clock.today()));
    reg.addPerson(added);
    reg.markModified();
}

bool userEditsPresent(Register& reg)
{
    const PersonRef first = firstPerson(reg);
    if (!first || reg.readPerson(first).text(PersonField::Comment) != kEditedComment)
        return false;
    const PersonValue last = reg.readPerson(PersonRef(reg.persons().size() - 1));
    return last.text(PersonField::Name) == kNewName && last.text(PersonField::Surname) == kNewSurname;
}

}  // namespace orvanel::faults
