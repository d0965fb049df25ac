#pragma once

#include <QByteArray>
#include <QString>

namespace orvanel {

// No element of a register has more than a handful of attributes; more only costs the parser
// time that grows with the square of their number.
inline constexpr int kMaxAttributesPerElement = 64;

// How the bytes of a data file are laid out, as far as can be told before parsing.
enum class ByteForm {
    AsciiCompatible,  // markup characters are single ASCII bytes (UTF-8, Latin-1, ...)
    Utf16LittleEndian,
    Utf16BigEndian,
    Other,            // four-byte forms, EBCDIC: nothing a register is kept in
};

ByteForm ByteFormOf(const QByteArray& bytes);

// Whether the file opens with an XML declaration (after any byte-order mark).
bool OpensWithDeclaration(const QByteArray& bytes, ByteForm form);

// The encoding named by the file's XML declaration, or an empty text when there is none.
QByteArray DeclaredEncoding(const QByteArray& bytes, ByteForm form);

// The refusals of a file that the scan below and the parser both find.
QString EntityDeclarationsRefusal();
QString TooManyAttributesRefusal();

// Looks through the markup of a file in one pass, before the parser sees it, for what would make
// the parser slow or unsafe. Returns an empty text when the file may be parsed, otherwise the
// refusal to show. The file must be in an ASCII-compatible form whose non-ASCII
// characters never use the bytes of markup characters (see encodingIsMarkupSafe), or UTF-8.
QString MarkupProblem(const QByteArray& utf8OrAsciiCompatible);

}  // namespace orvanel
