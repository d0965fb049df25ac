#include "store/save.h"

#include "store/durable_file.h"
#include "store/errors.h"
#include "store/file_date.h"

#include <QFile>
#include <QFileInfo>

namespace orvanel {

namespace {

IoError fileError(const QString& what, const QFile& file)
{
    return IoError(QStringLiteral("%1 \"%2\": %3")
                       .arg(what, QFileInfo(file.fileName()).fileName(), file.errorString()));
}

}  // namespace

void CopyToBackup(const QString& source, const QString& destination)
{
    // Unbuffered, so that a failed read is seen as such and never taken for the end of the file.
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw fileError(QStringLiteral("Cannot open"), in);
    // The copy goes in place of the old backup only once it is whole and on disk: an interrupted
    // save never leaves a partial backup where the previous one was.
    DurableFile out(destination, QFileInfo(destination).fileName());
    out.open();
    char buffer[8192];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            throw fileError(QStringLiteral("Cannot read"), in);
        if (got == 0)
            break;
        out.write(buffer, got);
    }
    in.close();
    out.commit();
}

void SaveRegister(Register& reg, const Clock& clock)
{
    if (reg.loadFailed || reg.doc.isNull())
        throw Error(QStringLiteral("The register was not loaded, so it cannot be saved."));
    CopyToBackup(reg.dataPath(), reg.backupPath());
    Element root = reg.doc.root();
    root.setAttribute("DateModified", formatFileDate(clock.today()));
    root.setAttribute("PersonCount", QString::number(reg.personCounter));
    root.setAttribute("RelCount", QString::number(reg.relCounter));
    reg.doc.save(reg.dataPath());
}

}  // namespace orvanel
