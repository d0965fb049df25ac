#pragma once

#include "import/import_batch.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The text of the address-book files (vCard and CSV): their encodings, and the one check every
// value passes before it becomes a stored text.

namespace orvanel {

// Far beyond an address book of a lifetime, pictures and all; a larger file is refused before
// anything of it is read.
inline constexpr qsizetype kMaxContactFileBytes = qsizetype{512} << 20;

// Throws ImportRefused, naming line 1, for a file larger than kMaxContactFileBytes.
void CheckContactFileSize(const QByteArray& file);

// The file's bytes as UTF-8 where the file says what it is: a UTF-8 byte-order mark is dropped,
// UTF-16 with a byte-order mark (either order) is converted. Other bytes are given back as they
// are, for the reader to check where it knows the line and the character set. Throws
// ImportRefused, naming the line, for UTF-16 that is cut short or holds an unpaired surrogate.
QByteArray Utf8FileBytes(const QByteArray& file);

// True when the file begins with a UTF-16 byte-order mark: its text is Unicode throughout.
bool IsUtf16File(const QByteArray& file);

// The text of UTF-8 bytes; nullopt when they are not valid UTF-8.
std::optional<QString> Utf8Text(QByteArrayView bytes);

// The text as the register keeps it: CR LF and a lone CR become LF, since multi-line values are
// stored with LF between lines. Throws ImportRefused naming `line` when a character is left that
// a data file cannot hold: the import never stores a text other than the one read.
QString StoredText(QString text, int line);

// Refusal with the line it names: "line %1: %2".
[[noreturn]] void RefuseAtLine(int line, const QString& what);

}  // namespace orvanel
