#pragma once

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
    QByteArray bytes;
    DataFileIdentity identity;
};

// The fingerprint by which a save tells whether the file still holds what was read. SHA-1: it
// only has to tell another program's edit from no edit, and it is four times faster than SHA-256
// on the tens of megabytes of a large register.
QByteArray DataFileDigest(const QByteArray& bytes);

// The largest data file that is read at all: the parser takes sizes as int.
inline constexpr qint64 kMaxDataFileBytes = 0x3FFFFFFF;

// Reads the whole data file at `path`. Only a regular file is read, and its size is checked
// before a byte is read, so that a FIFO, a device or a huge file cannot stall or exhaust the
// program. Throws LoadRefused: "File \"zok.xml\" not found!" when there is no file of that name
// (a folder of that name included), another message for anything else that is not a regular
// file of a readable size; IoError when reading fails.
DataFileContent ReadDataFile(const QString& path);

}  // namespace orvanel
