#include "store/durable_file.h"

#include "store/errors.h"
#include "store/io_messages.h"
#include "store/temporary_files.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanel {

namespace {

// How many names are tried before creating the temporary file is given up.
constexpr int kNameAttempts = 100;

}  // namespace

DurableFile::DurableFile(const QString& path, const QString& shownName,
                         std::optional<mode_t> mode)
    : shownName_(shownName), mode_(mode)
{
    const QFileInfo info(path);
    folder_ = info.path();
    finalName_ = QFile::encodeName(info.fileName());
}

DurableFile::~DurableFile()
{
    discard();
}

void DurableFile::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempName_.isEmpty() && folderFd_ >= 0)
        ::unlinkat(folderFd_, tempName_.constData(), 0);
    tempName_.clear();
    if (folderFd_ >= 0) {
        ::close(folderFd_);
        folderFd_ = -1;
    }
}

void DurableFile::fail(const QString& message)
{
    discard();
    throw IoError(message);
}

void DurableFile::open()
{
    //: %2 is the system's own reason, such as "Permission denied".
    const QString cannotCreate =
        QCoreApplication::translate("orvanel::Store", "Cannot create \"%1\": %2");
    folderFd_ = ::open(QFile::encodeName(folder_).constData(),
                       O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd_ < 0)
        fail(cannotCreate.arg(shownName_, SystemErrorText(errno)));

    // Without a mode of its own the new file keeps the bits of the one it replaces (a link's
    // target included), as an editor would.
    mode_t mode = 0666;
    bool setMode = mode_.has_value();
    if (setMode) {
        mode = *mode_ & 0777;
    } else {
        struct stat old {};
        if (::fstatat(folderFd_, finalName_.constData(), &old, 0) == 0 && S_ISREG(old.st_mode)) {
            mode = old.st_mode & 0777;
            setMode = true;
        }
    }

    RemoveLeftoverTemporaries(folderFd_);

    // A fresh name in the folder; O_EXCL and O_NOFOLLOW make sure it is a new regular file and
    // never a link planted under that name. It starts private: its bits are set before any
    // byte is written.
    for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
        const QByteArray name = NewTemporaryName();
        const int fd = ::openat(folderFd_, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                                setMode ? 0600 : 0666);
        if (fd >= 0) {
            fd_ = fd;
            tempName_ = name;
            HoldTemporary(fd_);
        } else if (errno != EEXIST) {
            fail(cannotCreate.arg(shownName_, SystemErrorText(errno)));
        }
    }
    if (fd_ < 0)
        fail(QCoreApplication::translate("orvanel::Store",
                                         "Cannot create \"%1\": no free name for a temporary file")
                 .arg(shownName_));
    if (setMode && ::fchmod(fd_, mode) != 0)
        fail(QCoreApplication::translate("orvanel::Store",
                                         "Cannot create \"%1\": cannot set its permissions: %2")
                 .arg(shownName_, SystemErrorText(errno)));
}

void DurableFile::write(const char* data, qint64 size)
{
    // Linux writes at most 2 GiB in one call and says nothing of the rest: a file over that size
    // goes a gigabyte at a time, so that only a full disk ever leaves bytes unwritten.
    constexpr qint64 kMostAtOnce = qint64{1} << 30;
    while (size > kMostAtOnce) {
        write(data, kMostAtOnce);
        data += kMostAtOnce;
        size -= kMostAtOnce;
    }
    ssize_t written;
    do {
        written = ::write(fd_, data, static_cast<size_t>(size));
    } while (written < 0 && errno == EINTR);
    if (written == size)
        return;
    if (written < 0)
        fail(CannotWriteText().arg(shownName_, SystemErrorText(errno)));
    // The system took only part of the bytes without naming an error: the disk is full.
    fail(QCoreApplication::translate("orvanel::Store",
                                     "Cannot write \"%1\": only %2 of %3 bytes could be written "
                                     "(is the disk full?)")
             .arg(shownName_, QString::number(written), QString::number(size)));
}

void DurableFile::commit()
{
    if (::fsync(fd_) != 0)
        fail(CannotWriteText().arg(shownName_, SystemErrorText(errno)));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        fail(CannotWriteText().arg(shownName_, SystemErrorText(errno)));
    // The rename replaces whatever stands under the final name, a link included, never its
    // target.
    if (::renameat(folderFd_, tempName_.constData(), folderFd_, finalName_.constData()) != 0)
        fail(CannotWriteText().arg(shownName_, SystemErrorText(errno)));
    tempName_.clear();
    placed_ = true;
    // The new name is on disk only once the folder is: without this a crash could bring back
    // the old file, or neither.
    const int folderSync = ::fsync(folderFd_);
    const int error = errno;
    discard();
    // Some file systems cannot flush a folder at all; there is nothing more to be done there.
    if (folderSync != 0 && error != EINVAL)
        throw IoError(QCoreApplication::translate("orvanel::Store",
                                                  "Cannot write \"%1\": it is in place, but the "
                                                  "folder could not be flushed to disk: %2")
                          .arg(shownName_, SystemErrorText(error)));
}

}  // namespace orvanel
