#pragma once

#include "store/clock.h"
#include "store/person_value.h"
#include "store/register.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvanel {

// The person dialog edits a PersonValue: the stored texts of the record's fields, which its tabs
// show and read back through the conversions below.

// The values a new person's dialog opens with: every field the dialog writes, empty, but the sex
// "M" and the birth date 1950/1/1.
PersonValue NewPersonDefaults(const QString& personId);

// Reads a person of the register into `out`, field by field in the order of a record, every
// field the dialog writes back. On a missing required child (NodeNotFound) or an unreadable birth
// date (InvalidDate) it throws, and `out` keeps the values read before the failing one. A field
// added later that the record lacks is left out of `out`. An empty reference (no record carries
// the ID) throws NodeNotFound for "Person", here and in UpdatePerson, before anything is read or
// written.
void ReadPerson(const Register& reg, PersonRef person, const QString& personId,
                const Clock& clock, PersonValue& out);

// Appends the person to the register: ID, then every field in the order of a record, the ones
// `value` lacks as empty children, Status "Active" and both dates today. Line breaks of
// multi-line values are stored as LF (a CR LF given is stored as LF). Returns the new person.
PersonRef WriteNewPerson(Register& reg, const PersonValue& value, const Clock& clock);

// WriteNewPerson for a batch of persons: today's date is read and formatted once, when the
// writer is made, rather than twice per person (the system clock looks up the time zone on every
// reading: at 100k persons that was a tenth of an import's adding, docs/performance.md).
class NewPersonWriter {
public:
    NewPersonWriter(Register& reg, const Clock& clock);
    PersonRef write(const PersonValue& value) const { return write(value, value.id); }
    // The same under another ID: an import writes a file's persons under new ones.
    PersonRef write(const PersonValue& value, const QString& id) const;

private:
    Register& reg_;
    QString today_;  // in the file's date form
    QString active_;
};

// Rewrites the fields of an existing person that the dialog writes and `value` holds, through
// the register, and stamps its DateModified with today. ID, Status and DateCreated stay.
void UpdatePerson(Register& reg, const PersonValue& value, PersonRef person, const Clock& clock);

// The sex choice of a stored text: 1 "Female" for exactly "F", else 0 "Male" (the empty text and
// a small f too).
int SexChoiceOf(const QString& stored);
// The stored text of a sex choice: "M" for 0, "F" for 1; nullopt for no choice (-1 or any
// other), which leaves the stored text as it was.
std::optional<QString> SexTextOf(int choice);

// The date of a stored birth date text; an invalid date when the text is absent or unreadable.
QDate BirthDateOf(const PersonValue& value, const Clock& clock);
// The stored text of a birth date, in the file's date form.
QString StoredBirthDate(QDate date);

// The lines of a stored multi-line text, split at LF; the whole text is kept. A CR right before
// an LF (from files written with CR LF) is dropped; a final LF adds no empty line.
QStringList FillMemo(const QString& stored);

}  // namespace orvanel
