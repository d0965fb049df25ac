#include "export/person_export.h"

#include "export/exported_person.h"
#include "store/durable_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

namespace orvanel {

namespace {

// Follows symbolic links as far as they go, even to a file that does not exist yet, and gives
// the absolute path with every existing folder in canonical form.
QString ResolvedPath(const QString& path)
{
    QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    constexpr int kMaxLinks = 40;  // as the system gives up on loops
    for (int links = 0; links < kMaxLinks && info.isSymLink(); ++links)
        info = QFileInfo(info.symLinkTarget());
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

bool SameFileOnDisk(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) != 0
        || ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(const QString& name)
{
    for (const ExportFormatInfo& info : ExportFormatTable()) {
        if (name == QLatin1String(info.commandName))
            return info.format;
    }
    return std::nullopt;
}

ExportTarget ExportTargetOf(const ExportChoice& choice)
{
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    const ExportFormatInfo& chosen = InfoOf(choice.filter);
    if (suffix.isEmpty())
        return {choice.path + QLatin1Char('.') + QLatin1String(chosen.extensions.front()),
                choice.filter};
    auto hasSuffix = [&](const ExportFormatInfo& info) {
        return std::any_of(info.extensions.begin(), info.extensions.end(),
                           [&](const char* ext) { return suffix == QLatin1String(ext); });
    };
    if (hasSuffix(chosen))
        return {choice.path, choice.filter};
    for (const ExportFormatInfo& info : ExportFormatTable()) {
        if (hasSuffix(info))
            return {choice.path, info.format};
    }
    return {choice.path, choice.filter};
}

bool IsRegisterFile(const Register& reg, const QString& path)
{
    const QString chosen = ResolvedPath(path);
    for (const QString& own : {reg.dataPath(), reg.backupPath()}) {
        if (ResolvedPath(own) == chosen || SameFileOnDisk(own, path))
            return true;
    }
    return false;
}

ExportReport ExportPersons(Register& reg, const QStringList& ids, const ExportTarget& target,
                           QDate today)
{
    if (IsRegisterFile(reg, target.path))
        //: %1 is the path of the file chosen for the export.
        throw ExportRefused(QCoreApplication::translate("orvanel::Export",
                                                        "The register's own files cannot be "
                                                        "replaced by an export: %1")
                                .arg(QDir::toNativeSeparators(target.path)));
    // The whole content is made before the file is touched, so a broken record writes nothing.
    const std::vector<ExportedPerson> persons = ExportedPersons(reg, ids);
    const ExportedFile exported = InfoOf(target.format).write(persons, today);
    DurableFile file(target.path, QFileInfo(target.path).fileName());
    file.open();
    file.write(exported.bytes.constData(), exported.bytes.size());
    file.commit();
    return exported.report;
}

}  // namespace orvanel
