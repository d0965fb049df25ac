#include "store/durable_file.h"

#include "store/errors.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace orvanel {

DurableFile::DurableFile(const QString& path, const QString& shownName)
    : file_(path), shownName_(shownName)
{
}

void DurableFile::fail(const QString& what, const QString& why)
{
    file_.cancelWriting();
    throw IoError(QStringLiteral("%1 \"%2\": %3").arg(what, shownName_, why));
}

void DurableFile::open()
{
    // Unbuffered: each write reaches the file at once, so its failure is seen here.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("Cannot create"), file_.errorString());
}

void DurableFile::write(const char* data, qint64 size)
{
    const qint64 written = file_.write(data, size);
    if (written == size)
        return;
    if (written < 0)
        fail(QStringLiteral("Cannot write"), file_.errorString());
    // The system took only part of the bytes without naming an error: the disk is full.
    fail(QStringLiteral("Cannot write"),
         QStringLiteral("only %1 of %2 bytes could be written (is the disk full?)")
             .arg(written)
             .arg(size));
}

void DurableFile::commit()
{
    if (::fsync(file_.handle()) != 0)
        fail(QStringLiteral("Cannot write"), QString::fromLocal8Bit(std::strerror(errno)));
    if (!file_.commit())
        throw IoError(QStringLiteral("Cannot write \"%1\": %2").arg(shownName_, file_.errorString()));
}

}  // namespace orvanel
