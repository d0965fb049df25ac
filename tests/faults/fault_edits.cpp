#include "fault_edits.h"

#include "store/file_date.h"
#include "store/lookup.h"
#include "store/person_value.h"

namespace orvanel::faults {

namespace {

const QString kNewName = QStringLiteral("Ērika");
const QString kNewSurname = QStringLiteral("Saglabātā");
const QString kEditedComment = QStringLiteral("Edited before a save that met a fault: Ž 😀 & <ok>");

Element firstPerson(Register& reg)
{
    for (int i = 0; i < reg.doc.rootCount(); ++i) {
        if (reg.doc.rootChild(i).hasLocalName("Person"))
            return reg.doc.rootChild(i);
    }
    return {};
}

}  // namespace

QDate faultEditDay()
{
    return QDate(2031, 3, 14);
}

void applyUserEdits(Register& reg, const Clock& clock)
{
    const Element first = firstPerson(reg);
    const QString firstId = first ? *first.attribute("ID") : QString();
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
    const Element first = firstPerson(reg);
    if (!first || first.child("Comment").text() != kEditedComment)
        return false;
    for (int i = reg.doc.rootCount() - 1; i >= 0; --i) {
        Element node = reg.doc.rootChild(i);
        if (node.hasLocalName("Person"))
            return node.child("Name").text() == kNewName &&
                   node.child("Surname").text() == kNewSurname;
    }
    return false;
}

}  // namespace orvanel::faults
