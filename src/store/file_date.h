#pragma once

#include <QDate>
#include <QString>

namespace orvanel {

// Dates in the data file are "yyyy/m/d": four-digit year, month and day without leading zeros,
// whatever the user's regional settings are.
QString FormatFileDate(QDate date);

// Reads a date text of the data file. Accepts what FormatFileDate writes and a little more:
// spaces before numbers and separators, leading zeros, one trailing "/", a one- or two-digit
// year taken in the century of `today`, and month/day alone taken in the year of `today`.
// Throws InvalidDate for anything else, including dates not on the calendar.
QDate ParseFileDate(const QString& text, QDate today);

// Reads a date as a user types it into a date field: by the rules of ParseFileDate, with the
// decimal digits of any script taken for their values, and eight digits alone taken as
// yyyymmdd. Gives an invalid date for a text that is not a whole date; never throws.
QDate ParseTypedDate(const QString& text, QDate today);

}  // namespace orvanel
