#include "store/markup_scan.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstring>
#include <initializer_list>

namespace orvanel {

namespace {

bool StartsWithBytes(const QByteArray& bytes, std::initializer_list<unsigned char> head)
{
    if (bytes.size() < static_cast<qsizetype>(head.size()))
        return false;
    qsizetype i = 0;
    for (const unsigned char b : head) {
        if (static_cast<unsigned char>(bytes[i++]) != b)
            return false;
    }
    return true;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Walks the markup of an ASCII-compatible text. Every step moves forward, so the walk is linear.
class MarkupWalk {
public:
    explicit MarkupWalk(const QByteArray& text) : text_(text), size_(text.size()) {}

    QString problem()
    {
        while (pos_ < size_) {
            const qsizetype open = text_.indexOf('<', pos_);
            if (open < 0)
                return {};
            pos_ = open + 1;
            if (at("!--"))
                skipPast("-->");
            else if (at("![CDATA["))
                skipPast("]]>");
            else if (at("?"))
                skipPast("?>");
            else if (at("!DOCTYPE")) {
                if (QString p = documentType(); !p.isEmpty())
                    return p;
            } else if (at("/"))
                skipPast(">");
            else if (QString p = startTag(); !p.isEmpty())
                return p;
        }
        return {};
    }

private:
    bool at(const char* token) const
    {
        const qsizetype length = static_cast<qsizetype>(std::strlen(token));
        return pos_ + length <= size_ && std::memcmp(text_.constData() + pos_, token,
                                                     static_cast<size_t>(length)) == 0;
    }

    void skipPast(const char* token)
    {
        const qsizetype end = text_.indexOf(token, pos_);
        pos_ = end < 0 ? size_ : end + static_cast<qsizetype>(std::strlen(token));
    }

    void skipQuoted()
    {
        const char quote = text_[pos_];
        const qsizetype end = text_.indexOf(quote, pos_ + 1);
        pos_ = end < 0 ? size_ : end + 1;
    }

    // Counts the attributes of a start tag by their "=" outside quoted values.
    QString startTag()
    {
        int equals = 0;
        while (pos_ < size_) {
            const char c = text_[pos_];
            if (c == '>' || c == '<')
                break;
            if (c == '"' || c == '\'') {
                skipQuoted();
                continue;
            }
            if (c == '=' && ++equals > kMaxAttributesPerElement)
                return TooManyAttributesRefusal();
            ++pos_;
        }
        return {};
    }

    // A document type may point elsewhere, but any entity it declares is refused here, before
    // the parser could expand it, whatever else is wrong with the file.
    QString documentType()
    {
        while (pos_ < size_) {
            const char c = text_[pos_];
            if (c == '>') {
                ++pos_;
                return {};
            }
            if (c == '"' || c == '\'') {
                skipQuoted();
                continue;
            }
            if (c == '[')
                return internalSubset();
            ++pos_;
        }
        return {};
    }

    QString internalSubset()
    {
        ++pos_;
        while (pos_ < size_) {
            const char c = text_[pos_];
            if (c == ']')
                return {};
            if (c == '"' || c == '\'') {
                skipQuoted();
                continue;
            }
            if (c == '<') {
                ++pos_;
                if (at("!--"))
                    skipPast("-->");
                else if (at("?"))
                    skipPast("?>");
                else if (at("!ENTITY"))
                    return EntityDeclarationsRefusal();
                continue;
            }
            ++pos_;
        }
        return {};
    }

    const QByteArray& text_;
    const qsizetype size_;
    qsizetype pos_ = 0;
};

}  // namespace

ByteForm ByteFormOf(const QByteArray& bytes)
{
    if (StartsWithBytes(bytes, {0xEF, 0xBB, 0xBF}))
        return ByteForm::AsciiCompatible;
    if (StartsWithBytes(bytes, {0xFF, 0xFE, 0x00, 0x00}) ||
        StartsWithBytes(bytes, {0x00, 0x00, 0xFE, 0xFF}) ||
        StartsWithBytes(bytes, {0x00, 0x00, 0x00, 0x3C}) ||
        StartsWithBytes(bytes, {0x3C, 0x00, 0x00, 0x00}) ||
        StartsWithBytes(bytes, {0x00, 0x00, 0x3C, 0x00}) ||
        StartsWithBytes(bytes, {0x00, 0x3C, 0x00, 0x00}) ||
        StartsWithBytes(bytes, {0x4C, 0x6F, 0xA7, 0x94}))
        return ByteForm::Other;
    if (StartsWithBytes(bytes, {0xFF, 0xFE}))
        return ByteForm::Utf16LittleEndian;
    if (StartsWithBytes(bytes, {0xFE, 0xFF}))
        return ByteForm::Utf16BigEndian;
    // Without a byte-order mark, the NUL beside the first "<" tells the order.
    if (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0'))
        return bytes[0] == '\0' ? ByteForm::Utf16BigEndian : ByteForm::Utf16LittleEndian;
    return ByteForm::AsciiCompatible;
}

namespace {

// The ASCII text the file opens with, read in its byte form, without a byte-order mark.
QByteArray AsciiHead(const QByteArray& bytes, ByteForm form)
{
    // The declaration is ASCII and comes first; a few hundred characters hold any real one.
    constexpr qsizetype kHead = 512;
    QByteArray head;
    if (form == ByteForm::AsciiCompatible) {
        head = bytes.left(kHead);
        if (head.startsWith("\xEF\xBB\xBF"))
            head.remove(0, 3);
    } else if (form == ByteForm::Utf16LittleEndian || form == ByteForm::Utf16BigEndian) {
        const int low = form == ByteForm::Utf16LittleEndian ? 0 : 1;
        qsizetype i = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ? 2 : 0;
        for (; i + 1 < bytes.size() && head.size() < kHead; i += 2) {
            if (bytes[i + 1 - low] != '\0')
                break;  // past the ASCII of the declaration
            head += bytes[i + low];
        }
    }
    return head;
}

}  // namespace

bool OpensWithDeclaration(const QByteArray& bytes, ByteForm form)
{
    const QByteArray head = AsciiHead(bytes, form);
    return head.size() > 5 && head.startsWith("<?xml") && IsSpace(head[5]);
}

QByteArray DeclaredEncoding(const QByteArray& bytes, ByteForm form)
{
    if (!OpensWithDeclaration(bytes, form))
        return {};
    const QByteArray head = AsciiHead(bytes, form);
    const qsizetype end = head.indexOf("?>");
    static const QRegularExpression encoding(
        QStringLiteral("\\sencoding\\s*=\\s*([\"'])([^\"']*)\\1"));
    const QRegularExpressionMatch match =
        encoding.match(QString::fromLatin1(end < 0 ? head : head.left(end)));
    return match.hasMatch() ? match.captured(2).toLatin1() : QByteArray();
}

QString EntityDeclarationsRefusal()
{
    return QCoreApplication::translate("orvanel::Store",
                                       "Invalid data file content (entity declarations are not "
                                       "allowed)!");
}

QString TooManyAttributesRefusal()
{
    return QCoreApplication::translate(
               "orvanel::Store",
               "Invalid data file content (an element with more than %1 attributes)!")
        .arg(kMaxAttributesPerElement);
}

QString MarkupProblem(const QByteArray& utf8OrAsciiCompatible)
{
    return MarkupWalk(utf8OrAsciiCompatible).problem();
}

}  // namespace orvanel
