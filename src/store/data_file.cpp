#include "store/data_file.h"

#include "store/errors.h"
#include "store/io_messages.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanel {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

QString CanonicalPathOf(const QString& path)
{
    char resolved[PATH_MAX];
    if (::realpath(QFile::encodeName(path).constData(), resolved) == nullptr)
        return QString();
    return QFile::decodeName(resolved);
}

}  // namespace

QByteArray DataFileDigest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

DataFileContent ReadDataFile(const QString& path)
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
    // One byte more than the size: a file that grew while it was read is seen as such.
    content.bytes.resize(static_cast<qsizetype>(st.st_size) + 1);
    qsizetype got = 0;
    while (got < content.bytes.size()) {
        const ssize_t n = ::read(fd.get(), content.bytes.data() + got,
                                 static_cast<size_t>(content.bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(CannotReadText().arg(shown, SystemErrorText(errno)));
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > st.st_size)
        throw IoError(QCoreApplication::translate("orvanel::Store",
                                                  "Cannot read \"%1\": the file changed while it "
                                                  "was read")
                          .arg(shown));
    content.bytes.truncate(got);

    content.identity.digest = DataFileDigest(content.bytes);
    content.identity.size = got;
    content.identity.canonicalPath = CanonicalPathOf(path);
    content.identity.device = static_cast<quint64>(st.st_dev);
    content.identity.inode = static_cast<quint64>(st.st_ino);
    return content;
}

}  // namespace orvanel
