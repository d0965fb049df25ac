#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvanel {

// The text of `bytes` in the character set a file names (a GEDCOM CHAR, a vCard CHARSET, a
// Windows code page such as "windows-1257" or "CP1257", "ISO-8859-2", "UTF-16"...), converted by
// the C library. Nullopt when the C library knows no such set or the bytes are not valid in it,
// so that a reader can refuse the file rather than store garbled text.
std::optional<QString> DecodeCharset(const QByteArray& bytes, const QByteArray& charsetName);

}  // namespace orvanel
