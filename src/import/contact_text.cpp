#include "import/contact_text.h"

#include "store/storable_text.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace orvanel {

namespace {

bool StartsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark)
{
    if (bytes.size() < static_cast<qsizetype>(mark.size()))
        return false;
    qsizetype i = 0;
    for (const unsigned char byte : mark) {
        if (static_cast<unsigned char>(bytes[i++]) != byte)
            return false;
    }
    return true;
}

// UTF-16 after its byte-order mark, checked unit by unit so that a fault names its line.
QByteArray Utf16ToUtf8(const QByteArray& file, bool bigEndian)
{
    const qsizetype units = (file.size() - 2) / 2;
    QString text;
    text.reserve(units);
    int line = 1;
    for (qsizetype i = 0; i < units; ++i) {
        const auto high = static_cast<unsigned char>(file[2 + 2 * i + (bigEndian ? 0 : 1)]);
        const auto low = static_cast<unsigned char>(file[2 + 2 * i + (bigEndian ? 1 : 0)]);
        const QChar c(static_cast<char16_t>(high << 8 | low));
        if (c.isHighSurrogate()) {
            const bool paired = i + 1 < units && [&] {
                const auto h = static_cast<unsigned char>(file[2 + 2 * (i + 1) + (bigEndian ? 0 : 1)]);
                return h >= 0xDC && h <= 0xDF;
            }();
            if (!paired)
                RefuseAtLine(line, QCoreApplication::translate(
                                       "orvanel::Import", "expected UTF-16 text, found a broken character"));
        } else if (c.isLowSurrogate() && (text.isEmpty() || !text.back().isHighSurrogate())) {
            RefuseAtLine(line, QCoreApplication::translate(
                                   "orvanel::Import", "expected UTF-16 text, found a broken character"));
        }
        if (c == QLatin1Char('\n'))
            ++line;
        text += c;
    }
    if ((file.size() - 2) % 2 != 0)
        RefuseAtLine(line, QCoreApplication::translate(
                               "orvanel::Import", "expected UTF-16 text, the file is cut short"));
    return text.toUtf8();
}

}  // namespace

void CheckContactFileSize(const QByteArray& file)
{
    if (file.size() > kMaxContactFileBytes)
        RefuseAtLine(1,
                     //: %1 is a number of mebibytes.
                     QCoreApplication::translate("orvanel::Import",
                                                 "expected a file of at most %1 MiB")
                         .arg(kMaxContactFileBytes >> 20));
}

void RefuseAtLine(int line, const QString& what)
{
    //: An import refused. %1 is the line number in the file, %2 what was wrong or expected.
    throw ImportRefused(QCoreApplication::translate("orvanel::Import", "line %1: %2")
                            .arg(line)
                            .arg(what));
}

bool IsUtf16File(const QByteArray& file)
{
    return StartsWith(file, {0xFF, 0xFE}) || StartsWith(file, {0xFE, 0xFF});
}

QByteArray Utf8FileBytes(const QByteArray& file)
{
    if (StartsWith(file, {0xEF, 0xBB, 0xBF}))
        return file.mid(3);
    if (StartsWith(file, {0xFF, 0xFE}))
        return Utf16ToUtf8(file, false);
    if (StartsWith(file, {0xFE, 0xFF}))
        return Utf16ToUtf8(file, true);
    return file;
}

std::optional<QString> Utf8Text(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString StoredText(QString text, int line)
{
    if (text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    const qsizetype bad = FirstUnstorableCharacter(text);
    if (bad >= 0)
        RefuseAtLine(line,
                     //: %1 is the code of a character, such as U+0007.
                     QCoreApplication::translate("orvanel::Import",
                                                 "expected text, found the character %1, which a data file cannot hold")
                         .arg(QStringLiteral("U+%1").arg(text[bad].unicode(), 4, 16,
                                                        QLatin1Char('0')).toUpper()));
    return text;
}

}  // namespace orvanel
