#include "store/leftover_temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanel {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool IsTemporaryNameOf(const QByteArray& name, const QByteArray& finalName)
{
    const qsizetype stem = finalName.size() + 1;
    if (name.size() != stem + 6 || !name.startsWith(finalName) || name[finalName.size()] != '.')
        return false;
    for (qsizetype i = stem; i < name.size(); ++i) {
        if (!IsLetterOrDigit(name[i]))
            return false;
    }
    return true;
}

void RemoveLeftoverTemporaries(int folderFd, const QByteArray& finalName)
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
        if (!IsTemporaryNameOf(name, finalName))
            continue;
        struct stat st {};
        if (::fstatat(folderFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        // Unlinking removes the name only: even a link swapped in meanwhile is not followed.
        ::unlinkat(folderFd, name.constData(), 0);
    }
}

}  // namespace orvanel
