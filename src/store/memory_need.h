#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace orvanel {

// The memory a register takes once loaded, for a data file of `fileBytes` bytes: the file's own
// bytes, which it keeps, and the table of its records (see kBytesPerFileByte).
qint64 MemoryNeededToLoad(qint64 fileBytes);

// What the system can still hand out: memory without swapping others out (MemAvailable), and
// free swap (SwapFree), in bytes.
struct FreeMemory {
    qint64 memory = 0;
    qint64 swap = 0;
};

// The free memory as the text of /proc/meminfo gives it, or nullopt when it does not say how
// much memory is available. A system without swap may leave SwapFree out: no swap then.
std::optional<FreeMemory> FreeMemoryIn(QByteArrayView meminfo);

// The same, read from this system's /proc/meminfo.
std::optional<FreeMemory> SystemFreeMemory();

// The refusal to show when a data file of `fileBytes` bytes needs more than the memory and swap
// that are `free`, or an empty text when it fits or nothing is known of the memory. `shown`
// names the file. Loading refuses such a file at once, before a byte is parsed: otherwise the
// system would stop the program half way through the parse. Swap counts: a register that fits
// only with it opens slowly, but opens.
QString MemoryRefusal(qint64 fileBytes, std::optional<FreeMemory> free, const QString& shown);

}  // namespace orvanel
