#include "store/folder_lock.h"

#include "store/errors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace orvanel {

FolderLock::~FolderLock()
{
    release();
}

FolderLock::FolderLock(FolderLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept
{
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void FolderLock::release()
{
    // Closing the only descriptor of this opening drops the lock.
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

FolderLock FolderLock::take(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FolderLock();
    FolderLock lock(fd);
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0)
        return lock;
    if (errno == EWOULDBLOCK)
        throw LoadRefused(QCoreApplication::translate("orvanel::Store", kRegisterAlreadyOpen));
    return FolderLock();
}

}  // namespace orvanel
