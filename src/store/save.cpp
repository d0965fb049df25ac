#include "store/save.h"

#include "store/durable_file.h"
#include "store/errors.h"
#include "store/io_messages.h"
#include "store/file_date.h"
#include "store/record_names.h"
#include "store/save_target.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace orvanel {

namespace {

// `message` names the file as %1 and the system's reason as %2.
IoError FileError(const QString& message, const QFile& file)
{
    return IoError(message.arg(QFileInfo(file.fileName()).fileName(), file.errorString()));
}

// After the new data file is in place: what is on disk now is what this run wrote, and the
// backup already holds the file as it was loaded, so a later save must not copy over it.
void NoteWritten(Register& reg, const QByteArray& bytes, const QString& path)
{
    reg.loadedFile.writtenBySave = true;
    reg.loadedFile.digest = DataFileDigest(bytes);
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
    if (reg.loadFailed() || reg.doc.isNull())
        throw Error(QCoreApplication::translate(
            "orvanel::Store", "The register was not loaded, so it cannot be saved."));
    const QString shown = QString::fromLatin1(kDataFileName);
    const SaveTarget target = CurrentSaveTarget(reg);
    if (!reg.loadedFile.writtenBySave)
        CopyToBackup(target.path, reg.backupPath());
    Element root = reg.doc.root();
    root.setAttribute(kDateModifiedAttribute, FormatFileDate(clock.today()));
    root.setAttribute(kPersonCountAttribute, QString::number(reg.personCounter()));
    root.setAttribute(kRelCountAttribute, QString::number(reg.relCounter()));
    QByteArray bytes;
    try {
        bytes = reg.doc.serialize();
    } catch (const IoError& e) {
        //: %2 is the reason, a whole sentence of its own.
        throw IoError(QCoreApplication::translate("orvanel::Store", "Cannot write \"%1\": %2")
                          .arg(shown, e.message()));
    }
    // Written beside the file the name leads to, so that a link the user made stays a link.
    DurableFile file(target.path, shown, target.mode);
    try {
        file.open();
        file.write(bytes.constData(), bytes.size());
        file.commit();
    } catch (const IoError&) {
        if (file.placed())
            NoteWritten(reg, bytes, target.path);
        throw;
    }
    NoteWritten(reg, bytes, target.path);
}

}  // namespace orvanel
