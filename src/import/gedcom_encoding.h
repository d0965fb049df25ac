#pragma once

#include <QByteArray>
#include <QString>

namespace orvanel {

// The text of a GEDCOM file: the byte-order mark decides (UTF-8, UTF-16 either way round), and
// without one the header's CHAR line names the set (UTF-8, ASCII, ANSEL, ANSI for Windows 1252,
// or a code page the C library knows); a file that names none is UTF-8, as GEDCOM 7 requires.
// Throws ImportRefused naming the line of a byte the set does not hold, of a character set this
// program does not know, and for a file too large to read.
QString DecodeGedcomFile(const QByteArray& file);

}  // namespace orvanel
