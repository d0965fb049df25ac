#pragma once

#include "import/vcard_lines.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The text of a property's value: its transfer encoding, its character set and its escapes.

namespace orvanel {

// The value as text, escapes still in: quoted-printable or base64 undone, then the bytes read in
// the CHARSET the property names, else as UTF-8. `unicodeFile`: the file was UTF-16, so its plain
// values are Unicode already whatever a CHARSET says. Throws ImportRefused naming the line for
// bytes that are not valid in their character set, or a set the system does not know.
QString DecodedVCardValue(const CardProperty& property, bool unicodeFile);

// A text value with its escapes read: \n and \N a line break, \, \; \\ and \: the character.
// A backslash before anything else stays, as it was not an escape.
QString UnescapedVCardText(QStringView text);

// A structured value (N, ADR, GENDER) split at the semicolons that are not escaped, each
// component unescaped.
QStringList VCardComponents(QStringView text);

}  // namespace orvanel
