#include "store/memory_need.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>

namespace orvanel {

namespace {

// The peak memory of a load over the size of its file, rounded up. Measured as the peak
// resident memory of a fresh process that loads a generated register (bench_store, first load):
// 117 MiB for the 69.9 MB file of 100k persons, 1.76 times: the file's bytes, which the register
// keeps, the table of its records and the program's libraries. The 703 MB of 1M persons took
// 1,032 MiB, 1.54 times (bench_kept_store).
constexpr qint64 kBytesPerFileByte = 2;
constexpr qint64 kMiB = 1024 * 1024;

// The figure in kB on the line of `meminfo` that starts with `key`, in bytes.
std::optional<qint64> MeminfoBytes(QByteArrayView meminfo, QByteArrayView key)
{
    for (const QByteArray& line : meminfo.toByteArray().split('\n')) {
        if (!line.startsWith(key))
            continue;
        const QList<QByteArray> parts = line.simplified().split(' ');
        bool ok = false;
        const qint64 kib = parts.size() >= 2 ? parts[1].toLongLong(&ok) : 0;
        if (ok && kib >= 0 && parts.size() >= 3 && parts[2] == "kB")
            return kib * 1024;
        return std::nullopt;
    }
    return std::nullopt;
}

qint64 RoundedUpMiB(qint64 bytes)
{
    return (bytes + kMiB - 1) / kMiB;
}

}  // namespace

qint64 MemoryNeededToLoad(qint64 fileBytes)
{
    return fileBytes * kBytesPerFileByte;
}

std::optional<FreeMemory> FreeMemoryIn(QByteArrayView meminfo)
{
    const std::optional<qint64> memory = MeminfoBytes(meminfo, "MemAvailable:");
    if (!memory)
        return std::nullopt;
    return FreeMemory{*memory, MeminfoBytes(meminfo, "SwapFree:").value_or(0)};
}

std::optional<FreeMemory> SystemFreeMemory()
{
    QFile info(QStringLiteral("/proc/meminfo"));
    if (!info.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read whole: the kernel gives the file no size, so it cannot be read up to its end.
    return FreeMemoryIn(info.readAll());
}

QString MemoryRefusal(qint64 fileBytes, std::optional<FreeMemory> free, const QString& shown)
{
    const qint64 needed = MemoryNeededToLoad(fileBytes);
    if (!free || needed <= free->memory + free->swap)
        return {};
    // Free figures round down and the need rounds up, so that the text never shows a need that
    // seems to fit.
    //: %1 is the data file's name; %2, %3, %4 and %5 are amounts in megabytes: what the register
    //: needs, what is free in all, and how much of that is memory and how much swap space.
    return QCoreApplication::translate(
               "orvanel::Store",
               "The register \"%1\" needs about %2 MB of memory to open, but only %3 MB are free "
               "(%4 MB of memory and %5 MB of swap space). Close other programs and start again, "
               "or open the register on a computer with more memory.")
        .arg(shown)
        .arg(RoundedUpMiB(needed))
        .arg(free->memory / kMiB + free->swap / kMiB)
        .arg(free->memory / kMiB)
        .arg(free->swap / kMiB);
}

}  // namespace orvanel
