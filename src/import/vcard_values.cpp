#include "import/vcard_values.h"

#include "import/charset_decoding.h"
#include "import/contact_text.h"
#include "import/quoted_printable.h"

#include <QCoreApplication>

namespace orvanel {

QString DecodedVCardValue(const CardProperty& property, bool unicodeFile)
{
    const QByteArray encoding = property.firstUpper("ENCODING");
    QByteArray bytes = property.value;
    bool encoded = true;
    if (encoding == "QUOTED-PRINTABLE")
        bytes = DecodeQuotedPrintable(bytes);
    else if (encoding == "B" || encoding == "BASE64")
        bytes = QByteArray::fromBase64(bytes);
    else
        encoded = false;

    const std::vector<QByteArray> charsets = property.parameter("CHARSET");
    if (!charsets.empty() && (encoded || !unicodeFile)) {
        if (std::optional<QString> text = DecodeCharset(bytes, charsets.front()))
            return *text;
        RefuseAtLine(property.line,
                     //: %1 is the name of a character set as the file gives it, such as windows-1257.
                     QCoreApplication::translate("orvanel::Import",
                                                 "expected text in the character set %1")
                         .arg(QString::fromLatin1(charsets.front())));
    }
    if (std::optional<QString> text = Utf8Text(bytes))
        return *text;
    RefuseAtLine(property.line,
                 QCoreApplication::translate(
                     "orvanel::Import", "expected UTF-8 text, or a CHARSET naming the character set"));
}

namespace {

// Reads one escape at `i` (a backslash) into `out`; gives the characters it took.
qsizetype Unescape(QStringView text, qsizetype i, QString& out)
{
    if (i + 1 >= text.size()) {
        out += QLatin1Char('\\');
        return 1;
    }
    const QChar next = text[i + 1];
    switch (next.unicode()) {
    case 'n':
    case 'N':
        out += QLatin1Char('\n');
        return 2;
    case ',':
    case ';':
    case '\\':
    case ':':
        out += next;
        return 2;
    default:
        out += QLatin1Char('\\');
        return 1;
    }
}

}  // namespace

QString UnescapedVCardText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == QLatin1Char('\\')) {
            i += Unescape(text, i, out);
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

QStringList VCardComponents(QStringView text)
{
    QStringList components;
    QString current;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            i += Unescape(text, i, current);
        } else if (c == QLatin1Char(';')) {
            components << current;
            current.clear();
            ++i;
        } else {
            current += c;
            ++i;
        }
    }
    components << current;
    return components;
}

}  // namespace orvanel
