#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace orvanel {

// How much of a date the register holds. The date rules read "12/25" and "48/3/12" as whole
// dates by taking the year, or the century, from today; an export must not pass that guess off
// as something the user stored.
enum class StoredYear {
    Whole,      // three or four digits: the date is known as written
    TwoDigits,  // a year of one or two digits: the century was supplied
    Absent,     // month and day alone: the year was supplied
};

struct StoredDate {
    QDate date;  // as the date rules read it, with the supplied year where one was supplied
    StoredYear year = StoredYear::Whole;
};

// The stored date text as the date rules read it, and how much of its year the text gives;
// nullopt for a text the rules cannot read.
std::optional<StoredDate> ReadStoredDate(const QString& text, QDate today);

}  // namespace orvanel
