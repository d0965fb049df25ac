#include "store/temporary_files.h"

#include "store/file_descriptor.h"

#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace orvanel {

namespace {

constexpr char kPrefix[] = ".orvanel-unfinished-";
constexpr qsizetype kPrefixLength = sizeof kPrefix - 1;
constexpr qsizetype kRandomLength = 16;

bool IsLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

timespec Now()
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

// Taken as the program starts: a file changed after it may be one another copy has only just
// created and not yet locked.
const timespec kRunStart = Now();

bool Before(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void RemoveIfLeftover(int folderFd, const char* name)
{
    // Opened without following a link, and without blocking on a FIFO planted under the name.
    const FileDescriptor file(::openat(folderFd, name,
                                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return;
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        !Before(opened.st_mtim, kRunStart))
        return;
    // A copy that is still writing holds its lock until it closes the file.
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return;
    struct stat named {};
    if (::fstatat(folderFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !SameFile(opened, named))
        return;
    // Unlinking removes the name only: even a link swapped in meanwhile is not followed.
    ::unlinkat(folderFd, name, 0);
}

}  // namespace

QByteArray NewTemporaryName()
{
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name(kPrefix);
    for (qsizetype i = 0; i < kRandomLength; ++i)
        name += kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters - 1))];
    return name;
}

bool IsTemporaryName(const QByteArray& name)
{
    if (name.size() != kPrefixLength + kRandomLength || !name.startsWith(kPrefix))
        return false;
    for (qsizetype i = kPrefixLength; i < name.size(); ++i) {
        if (!IsLetterOrDigit(name[i]))
            return false;
    }
    return true;
}

void HoldTemporary(int fd)
{
    ::flock(fd, LOCK_EX | LOCK_NB);
}

void RemoveLeftoverTemporaries(int folderFd)
{
    // The listing gets its own descriptor: closedir closes it, and the folder stays open.
    const int listFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0)
        return;
    const std::unique_ptr<DIR, DirCloser> dir(::fdopendir(listFd));
    if (!dir) {
        ::close(listFd);
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (IsTemporaryName(name))
            RemoveIfLeftover(folderFd, name.constData());
    }
}

}  // namespace orvanel
