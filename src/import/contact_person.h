#pragma once

#include "import/import_batch.h"
#include "store/person_value.h"

#include <QDate>
#include <QString>

// What the address-book readers (vCard and CSV) do alike with a person's name and birth date.

namespace orvanel {

// The most persons an address-book file may bring: far beyond any address book, and a bound on
// what a file of millions of empty cards or records makes the import hold.
inline constexpr std::size_t kMaxContactPersons = 1'000'000;

// Throws ImportRefused naming `line` when the batch already holds kMaxContactPersons.
void CheckRoomForPerson(const ImportBatch& batch, int line);

// A name written whole ("Anna Marija Ozola"), for a file that gives no parts: the first word is
// the name, the last the surname, the words between the middle name; one word is a name alone.
void SetFullName(PersonValue& value, const QString& fullName);

// A date written yyyy-mm-dd or yyyymmdd (the calendar date of ISO 8601, as address books write
// it), optionally followed by a time ("T..."); an invalid date when the text is anything else or
// not on the calendar.
QDate IsoCalendarDate(const QString& text);

// Sets the birth date from an exact date, or, for a date the file gives only in part or in
// words, leaves it empty and keeps the text as a line of the comment, counted as approximate.
void SetBirth(PersonValue& value, QDate exact, const QString& written, ImportBatch& batch);

}  // namespace orvanel
