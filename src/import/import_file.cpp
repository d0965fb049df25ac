#include "import/import_file.h"

#include "import/csv_reader.h"
#include "import/gedcom_reader.h"
#include "import/vcard_reader.h"
#include "store/errors.h"
#include "store/file_descriptor.h"
#include "store/io_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvanel {

namespace {

// The first characters of `start`, decoded by its byte-order mark (UTF-8 without one), with
// leading white space and empty lines skipped.
QString FirstText(const QByteArray& start)
{
    QByteArray head = start.left(256);
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    if (head.startsWith("\xFF\xFE"))
        encoding = QStringConverter::Utf16LE;
    else if (head.startsWith("\xFE\xFF"))
        encoding = QStringConverter::Utf16BE;
    QStringDecoder decode(encoding, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decode(head);
    // The decoder leaves a byte-order mark it was asked to convert as U+FEFF.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    qsizetype at = 0;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    return text.mid(at);
}

}  // namespace

ImportFormat ImportFormatOf(const QString& path, const QByteArray& start)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("ged"))
        return ImportFormat::Gedcom;
    if (extension == QLatin1String("vcf") || extension == QLatin1String("vcard"))
        return ImportFormat::VCard;
    if (extension == QLatin1String("csv"))
        return ImportFormat::Csv;
    const QString first = FirstText(start);
    if (first.startsWith(QLatin1String("0 HEAD")))
        return ImportFormat::Gedcom;
    if (first.startsWith(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive))
        return ImportFormat::VCard;
    return ImportFormat::Csv;
}

QByteArray ReadImportFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const FileDescriptor file(::open(QFile::encodeName(path).constData(),
                                     O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        throw IoError(CannotOpenText().arg(shown, SystemErrorText(errno)));
    // Read in blocks up to the limit rather than by the size the system reports: a pipe or a
    // device reports none, and a file may grow while it is read.
    QByteArray bytes;
    constexpr qint64 kBlock = qint64{1} << 20;
    for (;;) {
        if (bytes.size() > kMaxImportFileBytes)
            throw ImportRefused(
                //: %1 is the file's path, %2 the largest size in megabytes.
                QCoreApplication::translate("orvanel::Import",
                                            "\"%1\" is larger than %2 MB and cannot be imported.")
                    .arg(shown)
                    .arg(kMaxImportFileBytes >> 20));
        const qsizetype before = bytes.size();
        bytes.resize(before + kBlock);
        const ssize_t got = ::read(file.get(), bytes.data() + before, kBlock);
        if (got < 0) {
            if (errno == EINTR) {
                bytes.resize(before);
                continue;
            }
            throw IoError(CannotReadText().arg(shown, SystemErrorText(errno)));
        }
        bytes.resize(before + got);
        if (got == 0)
            return bytes;
    }
}

ImportBatch ReadImport(const QString& path, ImportProgress* progress)
{
    const QByteArray bytes = ReadImportFile(path);
    switch (ImportFormatOf(path, bytes)) {
    case ImportFormat::Gedcom:
        return ReadGedcom(bytes, progress);
    case ImportFormat::VCard:
        return ReadVCards(bytes, progress);
    case ImportFormat::Csv:
        return ReadCsv(bytes, progress);
    }
    return {};
}

}  // namespace orvanel
