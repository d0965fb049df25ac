#pragma once

#include "export/exported_person.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

namespace orvanel {

// The persons as vCard 4.0 cards, one per person in the order given: UTF-8, CRLF line ends,
// long lines folded. Relationships become RELATED properties only when the other person is
// among `persons`, so that every link points at a card of the same file, and each link once
// however many records hold it. `today` reads the stored birth dates as the rest of the program
// does; a year the date rules would supply is never written as known (see AddBirthday).
QByteArray VCardExport(const std::vector<ExportedPerson>& persons, QDate today);

// A text value with backslash, comma, semicolon and every line break escaped.
QString VCardEscaped(const QString& text);

// One content line (without its line end) folded so that no line exceeds 75 octets, never
// inside a UTF-8 sequence; every line of the result ends in CRLF.
QByteArray FoldedVCardLine(const QByteArray& line);

// The card's UID: a name-based UUID of the person's ID, the same for the same ID in every export,
// and a valid URI whatever characters the ID holds.
QString VCardUid(const QString& personId);

}  // namespace orvanel
