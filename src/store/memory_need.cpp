#include "store/memory_need.h"

#include <QCoreApplication>
#include <QFile>

namespace orvanel {

namespace {

constexpr qint64 kBytesPerFileByte = 18;
constexpr qint64 kMiB = 1024 * 1024;

}  // namespace

qint64 MemoryNeededToLoad(qint64 fileBytes)
{
    return fileBytes * kBytesPerFileByte;
}

std::optional<qint64> AvailableMemory()
{
    QFile info(QStringLiteral("/proc/meminfo"));
    if (!info.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read whole: the kernel gives the file no size, so it cannot be read up to its end.
    const QList<QByteArray> lines = info.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (!line.startsWith("MemAvailable:"))
            continue;
        const QList<QByteArray> parts = line.simplified().split(' ');
        bool ok = false;
        const qint64 kib = parts.size() >= 2 ? parts[1].toLongLong(&ok) : 0;
        if (ok && parts.size() >= 3 && parts[2] == "kB")
            return kib * 1024;
        return std::nullopt;
    }
    return std::nullopt;
}

QString MemoryRefusal(qint64 fileBytes, std::optional<qint64> available, const QString& shown)
{
    const qint64 needed = MemoryNeededToLoad(fileBytes);
    if (!available || needed <= *available)
        return {};
    //: %1 is the data file's name; %2 and %3 are amounts of memory in megabytes.
    return QCoreApplication::translate(
               "orvanel::Store",
               "The register \"%1\" needs about %2 MB of memory to open, but only %3 MB are free. "
               "Close other programs and start again, or open the register on a computer with "
               "more memory.")
        .arg(shown)
        .arg((needed + kMiB - 1) / kMiB)
        .arg(*available / kMiB);
}

}  // namespace orvanel
