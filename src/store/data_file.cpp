#include "store/data_file.h"

#include "store/errors.h"
#include "store/file_descriptor.h"
#include "store/io_messages.h"

#include <QHashFunctions>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanel {

namespace {

QString CanonicalPathOf(const QString& path)
{
    char resolved[PATH_MAX];
    if (::realpath(QFile::encodeName(path).constData(), resolved) == nullptr)
        return QString();
    return QFile::decodeName(resolved);
}

}  // namespace

void DataFileDigester::addBlock(QByteArrayView block)
{
    // Two 64-bit hashes under different seeds, side by side. The seeds are fixed, so the same
    // bytes give the same fingerprint whenever the file is read in this run.
    first_ = qHash(block, first_);
    second_ = qHash(block, second_);
}

QByteArray DataFileDigester::result() const
{
    QByteArray digest(2 * sizeof(size_t), Qt::Uninitialized);
    std::memcpy(digest.data(), &first_, sizeof first_);
    std::memcpy(digest.data() + sizeof first_, &second_, sizeof second_);
    return digest;
}

QByteArray DataFileDigest(QByteArrayView bytes)
{
    DataFileDigester digester;
    for (qsizetype at = 0; at < bytes.size(); at += DataFileDigester::kBlockSize)
        digester.addBlock(
            bytes.sliced(at, std::min(DataFileDigester::kBlockSize, bytes.size() - at)));
    return digester.result();
}

namespace {

// Reads the data file, keeping its bytes when `keep` says so; otherwise a block at a time, so
// that telling another program's change costs no copy of the file in memory.
DataFileContent ReadDataFileAs(const QString& path, bool keep)
{
    const QString shown = QFileInfo(path).fileName();
    const QString notFound =
        QCoreApplication::translate("orvanel::Store", "File \"%1\" not found!").arg(shown);
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const FileDescriptor fd(::open(QFile::encodeName(path).constData(),
                                   O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR || error == EISDIR)
            throw LoadRefused(notFound);
        throw IoError(CannotReadText().arg(shown, SystemErrorText(error)));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        throw IoError(CannotReadText().arg(shown, SystemErrorText(errno)));
    if (S_ISDIR(st.st_mode))
        throw LoadRefused(notFound);
    if (!S_ISREG(st.st_mode))
        throw LoadRefused(
            QCoreApplication::translate("orvanel::Store",
                                        "Invalid data file content (\"%1\" is not a regular file)!")
                .arg(shown));
    if (st.st_size > kMaxDataFileBytes)
        throw LoadRefused(QCoreApplication::translate(
            "orvanel::Store", "Invalid data file content (the file is too large)!"));

    DataFileContent content;
    // One byte more than the size: a file that grew while it was read is seen as such. The file
    // is read, not mapped: a mapped file that another program cuts short kills its reader.
    const qsizetype room = static_cast<qsizetype>(st.st_size) + 1;
    QByteArray block;
    if (keep)
        content.bytes = QByteArray(room, Qt::Uninitialized);
    else
        block = QByteArray(DataFileDigester::kBlockSize, Qt::Uninitialized);
    DataFileDigester digester;
    qsizetype got = 0;
    qsizetype inBlock = 0;
    while (got < room) {
        char* const into = keep ? content.bytes.data() + got : block.data() + inBlock;
        const qsizetype want = keep ? room - got : block.size() - inBlock;
        const ssize_t n = ::read(fd.get(), into, static_cast<size_t>(want));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(CannotReadText().arg(shown, SystemErrorText(errno)));
        }
        if (n == 0)
            break;
        got += n;
        inBlock += n;
        if (!keep && inBlock == block.size()) {
            digester.addBlock(block);
            inBlock = 0;
        }
    }
    // A file that grew or shrank since its size was taken is another file than the one sized,
    // half written by someone else; parsed, a shrunk one would be refused as malformed and the
    // user sent looking for a fault that is not in it.
    if (got != st.st_size)
        throw FileChangedWhileRead(
            QCoreApplication::translate("orvanel::Store",
                                        "Cannot read \"%1\": the file changed while it was read")
                .arg(shown));
    if (keep) {
        content.bytes.truncate(got);
        content.identity.digest = DataFileDigest(content.bytes);
    } else {
        if (inBlock > 0)
            digester.addBlock(QByteArrayView(block).first(inBlock));
        content.identity.digest = digester.result();
    }
    content.identity.size = got;
    content.identity.canonicalPath = CanonicalPathOf(path);
    content.identity.device = static_cast<quint64>(st.st_dev);
    content.identity.inode = static_cast<quint64>(st.st_ino);
    return content;
}

}  // namespace

DataFileContent ReadDataFile(const QString& path)
{
    return ReadDataFileAs(path, true);
}

DataFileIdentity ReadDataFileIdentity(const QString& path)
{
    return ReadDataFileAs(path, false).identity;
}

}  // namespace orvanel
