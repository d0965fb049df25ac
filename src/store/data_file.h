#pragma once

#include "store/errors.h"

#include <QByteArray>
#include <QString>

namespace orvanel {

// What the data file was when it was read: enough to tell at saving time whether another
// program has replaced or rewritten it since, and where a link the user made pointed.
struct DataFileIdentity {
    QByteArray digest;      // DataFileDigest of the bytes read
    qint64 size = -1;
    QString canonicalPath;  // the file the name led to, through any symbolic links
    quint64 device = 0;
    quint64 inode = 0;
    // These are the bytes a save wrote, not those read at start: the backup already holds the
    // file as it was read, and a later save must not copy over it.
    bool writtenBySave = false;

    bool isKnown() const { return size >= 0; }
};

// Memory for a file's bytes, its pages put in place by one call instead of one fault each as the
// file is read into them: for the 70 MB of a register of 100k persons that saves a tenth of a
// second of every start. Moved from, it holds nothing.
class FileMemory {
public:
    FileMemory() = default;
    // Room for `capacity` bytes, none of them held yet.
    explicit FileMemory(qsizetype capacity);
    ~FileMemory();
    FileMemory(FileMemory&& other) noexcept;
    FileMemory& operator=(FileMemory&& other) noexcept;
    FileMemory(const FileMemory&) = delete;
    FileMemory& operator=(const FileMemory&) = delete;

    char* data() const { return data_; }
    qsizetype capacity() const { return capacity_; }
    // How many of the bytes from data() on are the file's.
    qsizetype size() const { return size_; }
    void setSize(qsizetype size);
    // The bytes held; valid while this object holds them, and never past releaseUpTo.
    QByteArrayView bytes() const { return QByteArrayView(data_, size_); }
    // Gives the pages of the first `count` bytes back to the system; reading them afterwards
    // gives zeros. Pages go a megabyte at a time, so that a reader can call this often.
    // Only whoever consumes the memory calls it (Document::parse), so that no one else is left
    // holding a view of zeros.
    void releaseUpTo(qsizetype count);

private:
    char* data_ = nullptr;
    qsizetype capacity_ = 0;
    qsizetype size_ = 0;
    qsizetype released_ = 0;
};

struct DataFileContent {
    FileMemory memory;  // the bytes read; a parse takes them by move and gives them back
    DataFileIdentity identity;
};

// The fingerprint by which a save tells whether the file still holds what was read, valid within
// one run of the program. It only has to tell another program's edit from no edit, never to stand
// up to someone forging a file: 128 bits of Qt's own hash, which reads the 70 MB of a register of
// 100k persons in under a hundredth of a second (SHA-1 took a fifth of a second of every start).
QByteArray DataFileDigest(QByteArrayView bytes);

// The same fingerprint taken over bytes that come a block at a time, as a save writes them: the
// blocks are hashed in turn, each seeded with the hash so far, so that the blocks of a file give
// the fingerprint of the whole.
class DataFileDigester {
public:
    // Every block but the last has exactly this many bytes.
    static constexpr qsizetype kBlockSize = qsizetype{1} << 20;

    void addBlock(QByteArrayView block);
    QByteArray result() const;

private:
    size_t first_ = 0x6f72766eU;
    size_t second_ = 0x7a6f6b2eU;
};

// The largest data file that is read at all: the parser takes sizes as int.
inline constexpr qint64 kMaxDataFileBytes = 0x3FFFFFFF;

// The file's size changed between taking it and reading the file to its end: another program
// is writing it.
class FileChangedWhileRead : public IoError {
public:
    using IoError::IoError;
};

// Reads the whole data file at `path`. Only a regular file is read, and its size is checked
// before a byte is read, so that a FIFO, a device or a huge file cannot stall or exhaust the
// program. Throws LoadRefused: "File \"zok.xml\" not found!" when there is no file of that name
// (a folder of that name included), another message for anything else that is not a regular
// file of a readable size; FileChangedWhileRead when the file grows or shrinks while it is read;
// IoError when reading fails.
DataFileContent ReadDataFile(const QString& path);

}  // namespace orvanel
