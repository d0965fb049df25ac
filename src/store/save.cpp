#include "store/save.h"

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
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw fileError(QStringLiteral("Cannot open"), in);
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw fileError(QStringLiteral("Cannot create"), out);
    char buffer[8192];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            throw fileError(QStringLiteral("Cannot read"), in);
        if (got == 0)
            break;
        if (out.write(buffer, got) != got)
            throw fileError(QStringLiteral("Cannot write"), out);
    }
    in.close();
    if (!out.flush())
        throw fileError(QStringLiteral("Cannot write"), out);
    out.close();
    if (out.error() != QFileDevice::NoError)
        throw fileError(QStringLiteral("Cannot close"), out);
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
