#include "import/gedcom_encoding.h"

#include "import/ansel.h"
#include "import/charset_decoding.h"
#include "import/gedcom_refusal.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <functional>
#include <vector>

namespace orvanel {

namespace {

// Every caller marks its text with QT_TRANSLATE_NOOP, so that the translators see it.
QString Tr(const char* text)
{
    return QCoreApplication::translate("orvanel::Import", text);
}

// Offsets where the lines of `bytes` start: a line ends at LF, at CR LF or at a CR alone, as
// GEDCOM allows all three.
std::vector<qsizetype> LineStarts(QByteArrayView bytes)
{
    std::vector<qsizetype> starts{0};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\n' || bytes[i] == '\r')
            starts.push_back(i + 1);
    }
    return starts;
}

qint64 LineOfByte(QByteArrayView bytes, qsizetype offset)
{
    const std::vector<qsizetype> starts = LineStarts(bytes);
    return std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin();
}

// The first line whose bytes `valid` refuses: the smallest prefix of whole lines it refuses,
// found by halving, so that a set without positions in its errors still names the line.
qint64 FirstBadLine(QByteArrayView bytes, const std::function<bool(QByteArrayView)>& valid)
{
    std::vector<qsizetype> ends = LineStarts(bytes);
    ends.erase(ends.begin());
    ends.push_back(bytes.size());
    std::size_t low = 0, high = ends.size() - 1;  // the prefix up to ends[high] is refused
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (valid(bytes.first(ends[mid])))
            low = mid + 1;
        else
            high = mid;
    }
    return static_cast<qint64>(low) + 1;
}

[[noreturn]] void RefuseByte(qint64 line, const QString& charset)
{
    //: %1 is the name of a character set, such as ANSEL or UTF-8.
    RefuseGedcomLine(line, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "text in %1, found a byte that it does not hold")).arg(charset));
}

// The CHAR value of the header and its line, read from the bytes of a file whose set keeps ASCII
// where ASCII is (every set GEDCOM names but UTF-16). Empty when the header names none.
struct NamedCharset {
    QByteArray name;
    qint64 line = 0;
};

NamedCharset HeaderCharset(QByteArrayView bytes)
{
    qint64 line = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        ++line;
        const QByteArray text = bytes.sliced(start, end - start).toByteArray().trimmed();
        if (line > 1 && text.startsWith("0"))
            break;  // the header has ended
        const QList<QByteArray> words = text.simplified().split(' ');
        if (words.size() >= 2 && words[0] == "1" && words[1] == "CHAR")
            return {words.size() > 2 ? words[2] : QByteArray(), line};
        start = end;
        if (start < bytes.size() && bytes[start] == '\r')
            ++start;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return {};
}

QString DecodeUtf8(QByteArrayView bytes)
{
    auto decodes = [](QByteArrayView piece) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString text = decoder.decode(piece);
        return decoder.hasError() ? std::optional<QString>() : std::optional<QString>(text);
    };
    std::optional<QString> text = decodes(bytes);
    if (!text)
        RefuseByte(FirstBadLine(bytes, [&](QByteArrayView piece) {
                       return decodes(piece).has_value();
                   }), QStringLiteral("UTF-8"));
    return *text;
}

QString DecodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    const auto decoding = bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE;
    if (bytes.size() % 2 != 0) {
        // A byte short of a character: the line of the last whole character is cut.
        QStringDecoder decoder(decoding, QStringConverter::Flag::Stateless);
        const QByteArray text = QString(decoder.decode(bytes.first(bytes.size() - 1))).toUtf8();
        RefuseByte(LineOfByte(text, std::max<qsizetype>(0, text.size() - 1)), QStringLiteral("UTF-16"));
    }
    // Unpaired surrogates are not refused here: the line reader refuses every character the
    // data file cannot hold, with its line.
    QStringDecoder decoder(decoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QString DecodeAscii(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            RefuseByte(LineOfByte(bytes, i), QStringLiteral("ASCII"));
    }
    return QString::fromLatin1(bytes);
}

QString DecodeNamed(QByteArrayView bytes, const NamedCharset& named, const QByteArray& iconvName)
{
    if (!DecodeCharset(QByteArrayLiteral("0"), iconvName))
        //: %1 is the character set a file names, exactly as written there.
        RefuseGedcomLine(named.line, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a character set this program knows, found %1"))
                                         .arg(QString::fromLatin1(named.name)));
    std::optional<QString> text = DecodeCharset(bytes.toByteArray(), iconvName);
    if (!text)
        RefuseByte(FirstBadLine(bytes, [&](QByteArrayView piece) {
                       return DecodeCharset(piece.toByteArray(), iconvName).has_value();
                   }), QString::fromLatin1(named.name));
    return *text;
}

}  // namespace

QString DecodeGedcomFile(const QByteArray& file)
{
    if (file.size() > kMaxGedcomFileBytes)
        //: %1 is a size in mebibytes.
        RefuseGedcomLine(1, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a file of at most %1 MiB")).arg(kMaxGedcomFileBytes >> 20));
    const QByteArrayView bytes(file);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return DecodeUtf8(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return DecodeUtf16(bytes.sliced(2), false);
    if (bytes.startsWith("\xFE\xFF"))
        return DecodeUtf16(bytes.sliced(2), true);
    // UTF-16 without a mark still starts with the level 0 of its header.
    if (bytes.size() >= 2 && bytes[0] == '0' && bytes[1] == 0)
        return DecodeUtf16(bytes, false);
    if (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] == '0')
        return DecodeUtf16(bytes, true);

    const NamedCharset named = HeaderCharset(bytes);
    const QByteArray upper = named.name.toUpper();
    // UNICODE names UTF-16, whose files start with a mark; a file that says so in single bytes
    // is read as the UTF-8 it then most likely is.
    if (upper.isEmpty() || upper == "UTF-8" || upper == "UTF8" || upper == "UNICODE")
        return DecodeUtf8(bytes);
    if (upper == "ASCII" || upper == "US-ASCII")
        return DecodeAscii(bytes);
    if (upper == "ANSEL") {
        AnselText ansel = DecodeAnsel(bytes);
        if (ansel.badByte >= 0)
            RefuseByte(LineOfByte(bytes, ansel.badByte), QStringLiteral("ANSEL"));
        return ansel.text;
    }
    if (upper == "ANSI")
        return DecodeNamed(bytes, named, QByteArrayLiteral("WINDOWS-1252"));
    if (upper == "IBMPC" || upper == "IBM")
        return DecodeNamed(bytes, named, QByteArrayLiteral("CP437"));
    return DecodeNamed(bytes, named, named.name);
}

}  // namespace orvanel
