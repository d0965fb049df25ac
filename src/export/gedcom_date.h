#pragma once

#include "export/gedcom_lines.h"

#include <QDate>
#include <QString>

namespace orvanel {

// Writes "level DATE" for a stored birth date. A whole stored date goes in GEDCOM's own form
// ("12 MAR 1948"). A date whose year or century the date rules would supply, or a text they
// cannot read, goes as a date phrase with the stored text, so that no reader takes a guessed
// year for a known one: 5.5.1 "DATE (48/3/12)", 7.0 an empty DATE with "PHRASE 48/3/12".
void AddGedcomDate(GedcomLines& lines, GedcomVersion version, int level, const QString& stored,
                   QDate today);

// "12 MAR 1948": day, English month abbreviation, year of at least four digits.
QString GedcomDate(QDate date);

}  // namespace orvanel
