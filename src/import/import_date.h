#pragma once

#include <QDate>
#include <QStringView>
#include <optional>

namespace orvanel {

// The day a GEDCOM date names exactly: "12 MAR 1948" (the month in any case), alone or after the
// Gregorian calendar's escape ("@#DGREGORIAN@" in 5.5 and 5.5.1, "GREGORIAN" in 7.0). Nullopt for
// everything else, which does not name one day: approximations (ABT, CAL, EST), ranges and
// periods (BEF, AFT, BET ... AND, FROM ... TO), a year or a month alone, phrases, other
// calendars, dual years ("1699/00"), dates before year 1 or after 9999, and days not on the
// calendar (31 FEB).
std::optional<QDate> ExactGedcomDate(QStringView text);

}  // namespace orvanel
