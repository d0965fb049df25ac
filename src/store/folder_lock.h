#pragma once

#include <QCoreApplication>
#include <QString>

namespace orvanel {

// What a second copy of the program started on the same folder shows before it ends; the
// refusal carries it translated.
inline constexpr const char* kRegisterAlreadyOpen = QT_TRANSLATE_NOOP(
    "orvanel::Store", "The register in this folder is already open in another Orvanel window.");

// An exclusive advisory lock on the folder of a register, held while the object lives. It is
// taken on the folder itself, so it needs no file of its own and outlives every rename of the
// data file. A lock belongs to one opening of the folder: a second lock of the same folder fails
// even within the same process.
class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Locks `folder`. Throws LoadRefused with kRegisterAlreadyOpen when another holds the lock.
    // A folder that cannot be locked at all (a file system without locks) is used unlocked:
    // refusing would shut the user out of the register for good.
    static FolderLock take(const QString& folder);

    bool held() const { return fd_ >= 0; }

private:
    explicit FolderLock(int fd) : fd_(fd) {}
    void release();

    int fd_ = -1;
};

}  // namespace orvanel
