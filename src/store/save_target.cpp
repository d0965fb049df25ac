#include "store/save_target.h"

#include "store/errors.h"
#include "store/io_messages.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace orvanel {

SaveTarget CurrentSaveTarget(const Register& reg)
{
    const QString shown = QString::fromLatin1(kDataFileName);
    char resolved[PATH_MAX];
    if (::realpath(QFile::encodeName(reg.dataPath()).constData(), resolved) == nullptr)
        throw IoError(CannotOpenText().arg(shown, SystemErrorText(errno)));
    struct stat st {};
    if (::stat(resolved, &st) != 0)
        throw IoError(CannotOpenText().arg(shown, SystemErrorText(errno)));
    if (!S_ISREG(st.st_mode))
        throw IoError(QCoreApplication::translate("orvanel::Store",
                                                  "Cannot write \"%1\": it is no longer a regular "
                                                  "file; nothing was saved")
                          .arg(shown));
    SaveTarget target{QFile::decodeName(resolved), static_cast<mode_t>(st.st_mode & 0777)};
    const DataFileIdentity& loaded = reg.loadedFile;
    // The same place on the same device. The file there may have been replaced by another
    // program's save (a new inode): the rename below replaces it in turn and writes into no other
    // file, and the user has been asked about that change already.
    if (loaded.isKnown() &&
        (target.path != loaded.canonicalPath || static_cast<quint64>(st.st_dev) != loaded.device))
        throw IoError(QCoreApplication::translate(
                          "orvanel::Store",
                          "Cannot write \"%1\": the name now leads to another file than the one "
                          "opened at start (was a link put in its place?); nothing was saved")
                          .arg(shown));
    return target;
}

bool DataFileChangedSinceLoad(const Register& reg)
{
    if (!reg.loadedFile.isKnown())
        return false;
    try {
        return ReadDataFileIdentity(reg.dataPath()).digest != reg.loadedFile.digest;
    } catch (const FileChangedWhileRead&) {
        return true;  // another program is writing it at this moment
    } catch (const Error&) {
        return false;
    }
}

}  // namespace orvanel
