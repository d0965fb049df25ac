#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace orvanel {

// The memory a register takes once loaded, for a data file of `fileBytes` bytes. The document
// tree costs far more than the text it was parsed from: measured on generated registers, the
// whole program peaks at about 18 times the file's size (1.2 GB for a 70 MB file of 100,000
// persons).
qint64 MemoryNeededToLoad(qint64 fileBytes);

// The memory the system can hand out without swapping (MemAvailable), or nullopt when the
// system does not say.
std::optional<qint64> AvailableMemory();

// The refusal to show when a data file of `fileBytes` bytes needs more memory than is
// `available`, or an empty text when it fits or nothing is known of the memory. `shown` names
// the file. Loading refuses such a file at once: the alternative is a machine that swaps itself
// to a standstill half way through the parse.
QString MemoryRefusal(qint64 fileBytes, std::optional<qint64> available, const QString& shown);

}  // namespace orvanel
