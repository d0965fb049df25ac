#include "store/save.h"

#include "store/data_file.h"
#include "store/durable_file.h"
#include "store/errors.h"
#include "store/io_messages.h"
#include "store/kept_save.h"
#include "store/file_date.h"
#include "store/record_names.h"
#include "store/save_target.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <sys/stat.h>

namespace orvanel {

namespace {

// `message` names the file as %1 and the system's reason as %2.
IoError FileError(const QString& message, const QFile& file)
{
    return IoError(message.arg(QFileInfo(file.fileName()).fileName(), file.errorString()));
}

// The bytes of the new data file on their way to it: gathered into blocks of the digest's size,
// each fingerprinted and written as it fills, so that the file is never held whole in memory.
class SavedBytes {
public:
    explicit SavedBytes(DurableFile& file) : file_(file)
    {
        block_.reserve(DataFileDigester::kBlockSize);
    }

    void add(QByteArrayView piece)
    {
        while (!piece.isEmpty()) {
            const qsizetype take =
                std::min(piece.size(), DataFileDigester::kBlockSize - block_.size());
            block_.append(piece.first(take));
            piece = piece.sliced(take);
            if (block_.size() == DataFileDigester::kBlockSize)
                flush();
        }
    }

    void finish()
    {
        if (!block_.isEmpty())
            flush();
    }

    // True when the file refused bytes: its own error, which names it, is what the user sees.
    bool fileFailed() const { return fileFailed_; }
    qint64 size() const { return size_; }
    QByteArray digest() const { return digester_.result(); }

private:
    void flush()
    {
        try {
            file_.write(block_.constData(), block_.size());
        } catch (const IoError&) {
            fileFailed_ = true;
            throw;
        }
        digester_.addBlock(block_);
        size_ += block_.size();
        block_.clear();
    }

    DurableFile& file_;
    QByteArray block_;
    DataFileDigester digester_;
    qint64 size_ = 0;
    bool fileFailed_ = false;
};

// After the new data file is in place: what is on disk now is what this run wrote, and the
// backup already holds the file as it was loaded, so a later save must not copy over it.
void NoteWritten(Register& reg, const SavedBytes& bytes, const QString& path)
{
    reg.loadedFile.writtenBySave = true;
    reg.loadedFile.digest = bytes.digest();
    reg.loadedFile.size = bytes.size();
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        reg.loadedFile.device = static_cast<quint64>(st.st_dev);
        reg.loadedFile.inode = static_cast<quint64>(st.st_ino);
    }
}

}  // namespace

void CopyToBackup(const QString& source, const QString& destination)
{
    // Unbuffered, so that a failed read is seen as such and never taken for the end of the file.
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw FileError(CannotOpenText(), in);
    // The backup is as private as the file it copies.
    struct stat st {};
    if (::fstat(in.handle(), &st) != 0)
        throw FileError(CannotReadText(), in);
    // The copy goes in place of the old backup only once it is whole and on disk: an interrupted
    // save never leaves a partial backup where the previous one was.
    DurableFile out(destination, QFileInfo(destination).fileName(),
                    static_cast<mode_t>(st.st_mode & 0777));
    out.open();
    char buffer[8192];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            throw FileError(CannotReadText(), in);
        if (got == 0)
            break;
        out.write(buffer, got);
    }
    in.close();
    out.commit();
}

void SaveRegister(Register& reg, const Clock& clock)
{
    if (reg.loadFailed() || !reg.loaded())
        throw Error(QCoreApplication::translate(
            "orvanel::Store", "The register was not loaded, so it cannot be saved."));
    const QString shown = QString::fromLatin1(kDataFileName);
    const SaveTarget target = CurrentSaveTarget(reg);
    if (!reg.loadedFile.writtenBySave)
        CopyToBackup(target.path, reg.backupPath());
    KeptChanges changes = reg.changes();
    changes.rootAttributes = {
        {kDateModifiedAttribute, FormatFileDate(clock.today()).toLatin1()},
        {kPersonCountAttribute, QByteArray::number(reg.personCounter())},
        {kRelCountAttribute, QByteArray::number(reg.relCounter())}};
    // Written beside the file the name leads to, so that a link the user made stays a link, and
    // straight into it: the records the run left alone as the bytes they were read as.
    DurableFile file(target.path, shown, target.mode);
    SavedBytes bytes(file);
    try {
        file.open();
        try {
            WriteKeptFile(reg.kept(), changes,
                          [&bytes](QByteArrayView piece) { bytes.add(piece); });
            bytes.finish();
        } catch (const IoError& e) {
            if (bytes.fileFailed())
                throw;
            //: %2 is the reason, a whole sentence of its own.
            throw IoError(QCoreApplication::translate("orvanel::Store", "Cannot write \"%1\": %2")
                              .arg(shown, e.message()));
        }
        file.commit();
    } catch (const IoError&) {
        if (file.placed())
            NoteWritten(reg, bytes, target.path);
        throw;
    }
    NoteWritten(reg, bytes, target.path);
}

}  // namespace orvanel
