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

struct DataFileContent {
    QByteArray bytes;  // as read, kept by the register so that a save copies what it left alone
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

// The largest data file that is read at all, 4 GiB less a byte: the register's table holds at
// most 4 GiB of texts (store/record_table.h). A file that does not fit in the machine's memory
// is refused before that (store/memory_need.h).
inline constexpr qint64 kMaxDataFileBytes = 0xFFFFFFFFLL;

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
// The same checks and identity, the file read a block at a time and none of it kept.
DataFileIdentity ReadDataFileIdentity(const QString& path);

}  // namespace orvanel
