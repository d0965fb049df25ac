#include "import/vcard_lines.h"

#include "import/contact_text.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
           || c == '_';
}

// Where the parameters end: the first ":" outside double quotes. Looks on from where it
// stopped, so that a head folded over many lines is read once.
class ColonFinder {
public:
    qsizetype find(QByteArrayView text)
    {
        for (; scanned_ < text.size(); ++scanned_) {
            if (text[scanned_] == '"')
                quoted_ = !quoted_;
            else if (text[scanned_] == ':' && !quoted_)
                return scanned_;
        }
        return -1;
    }

private:
    qsizetype scanned_ = 0;
    bool quoted_ = false;
};

qsizetype ValueColon(QByteArrayView text)
{
    return ColonFinder().find(text);
}

// The property name of a line's start (without group), upper case.
QByteArray NameOf(QByteArrayView head)
{
    qsizetype end = 0;
    while (end < head.size() && head[end] != ';' && head[end] != ':')
        ++end;
    QByteArrayView name = head.first(end);
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0)
        name = name.sliced(dot + 1);
    return name.toByteArray().toUpper();
}

bool IsQuotedPrintable(QByteArrayView head)
{
    return head.toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

bool IsEncodingWord(const QByteArray& upper)
{
    return upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "B" || upper == "8BIT"
           || upper == "7BIT";
}

// A parameter value as written: quotes taken off, and the circumflex escapes of RFC 6868
// (^n line break, ^' double quote, ^^ circumflex) read.
QByteArray ParameterValue(QByteArrayView raw)
{
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        raw = raw.sliced(1, raw.size() - 2);
    if (!raw.contains('^'))
        return raw.toByteArray();
    QByteArray out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '^' && i + 1 < raw.size()) {
            const char next = raw[i + 1];
            if (next == 'n' || next == 'N') {
                out += '\n';
                ++i;
                continue;
            }
            if (next == '\'' || next == '^') {
                out += next == '\'' ? '"' : '^';
                ++i;
                continue;
            }
        }
        out += raw[i];
    }
    return out;
}

// Splits at `separator` outside double quotes.
std::vector<QByteArrayView> SplitOutsideQuotes(QByteArrayView text, char separator)
{
    std::vector<QByteArrayView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || (text[i] == separator && !quoted)) {
            parts.push_back(text.sliced(start, i - start));
            start = i + 1;
        } else if (text[i] == '"') {
            quoted = !quoted;
        }
    }
    return parts;
}

[[noreturn]] void RefuseProperty(int line)
{
    RefuseAtLine(line, QCoreApplication::translate(
                           "orvanel::Import", "expected a vCard property (NAME:value)"));
}

}  // namespace

QByteArrayView VCardLineReader::physicalLine(qsizetype& end) const
{
    qsizetype newline = bytes_.sliced(pos_).indexOf('\n');
    end = newline < 0 ? bytes_.size() : pos_ + newline + 1;
    qsizetype stop = newline < 0 ? bytes_.size() : pos_ + newline;
    if (stop > pos_ && bytes_[stop - 1] == '\r')
        --stop;
    return bytes_.sliced(pos_, stop - pos_);
}

bool VCardLineReader::next(VCardContentLine& out, bool keepFoldSpace)
{
    if (pos_ >= bytes_.size())
        return false;
    qsizetype end = 0;
    out.text = physicalLine(end).toByteArray();
    out.line = ++line_;
    pos_ = end;
    ColonFinder finder;
    qsizetype colon = finder.find(out.text);
    bool quotedPrintable = colon >= 0 && IsQuotedPrintable(QByteArrayView(out.text).first(colon));
    bool endsInEquals = out.text.endsWith('=');
    bool dropping = false;  // a picture's value beyond the limit: read past, not kept
    const auto checkLength = [&] {
        if (out.text.size() <= kMaxVCardLineBytes)
            return;
        if (colon < 0 || !IsVCardMedia(NameOf(out.text)))
            RefuseAtLine(out.line,
                         //: %1 is a number of bytes.
                         QCoreApplication::translate("orvanel::Import",
                                                     "expected a property of at most %1 bytes")
                             .arg(kMaxVCardLineBytes));
        out.text.truncate(colon + 1);
        dropping = true;
    };
    checkLength();
    while (pos_ < bytes_.size()) {
        const QByteArrayView following = physicalLine(end);
        const bool softBreak = quotedPrintable && endsInEquals;
        const bool folded = !following.isEmpty() && (following[0] == ' ' || following[0] == '\t');
        if (!softBreak && !folded)
            break;
        ++line_;
        pos_ = end;
        const QByteArrayView added = softBreak || keepFoldSpace ? following : following.sliced(1);
        if (!added.isEmpty())
            endsInEquals = added.endsWith('=');
        if (dropping)
            continue;
        if (softBreak)
            out.text.chop(1);
        out.text += added;
        if (colon < 0) {
            colon = finder.find(out.text);
            quotedPrintable =
                colon >= 0 && IsQuotedPrintable(QByteArrayView(out.text).first(colon));
        }
        checkLength();
    }
    return true;
}

bool IsVCardMedia(QByteArrayView name)
{
    return name == "PHOTO" || name == "LOGO" || name == "SOUND";
}

std::vector<QByteArray> CardProperty::parameter(QByteArrayView wanted) const
{
    std::vector<QByteArray> values;
    for (const auto& [key, value] : parameters) {
        if (key == wanted)
            values.push_back(value);
    }
    return values;
}

QByteArray CardProperty::firstUpper(QByteArrayView wanted) const
{
    for (const auto& [key, value] : parameters) {
        if (key == wanted)
            return value.toUpper();
    }
    return {};
}

bool CardProperty::hasType(QByteArrayView type) const
{
    for (const auto& [key, value] : parameters) {
        if (key == "TYPE" && value == type)
            return true;
    }
    return false;
}

CardProperty ParseCardProperty(const VCardContentLine& line)
{
    CardProperty property;
    property.line = line.line;
    const qsizetype colon = ValueColon(line.text);
    if (colon < 0)
        RefuseProperty(line.line);
    property.value = line.text.sliced(colon + 1);
    const std::vector<QByteArrayView> head =
        SplitOutsideQuotes(QByteArrayView(line.text).first(colon), ';');
    QByteArrayView name = head.front();
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0)
        name = name.sliced(dot + 1);
    if (name.isEmpty())
        RefuseProperty(line.line);
    for (const char c : name) {
        if (!IsNameChar(c))
            RefuseProperty(line.line);
    }
    property.name = name.toByteArray().toUpper();
    for (std::size_t i = 1; i < head.size(); ++i) {
        const QByteArrayView parameter = head[i].trimmed();
        if (parameter.isEmpty())
            continue;
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0) {
            const QByteArray word = parameter.toByteArray().toUpper();
            property.parameters.emplace_back(IsEncodingWord(word) ? "ENCODING" : "TYPE", word);
            continue;
        }
        const QByteArray key = parameter.first(equals).trimmed().toByteArray().toUpper();
        for (const QByteArrayView raw : SplitOutsideQuotes(parameter.sliced(equals + 1), ',')) {
            const QByteArray value = ParameterValue(raw.trimmed());
            if (key != "TYPE") {
                property.parameters.emplace_back(key, value);
                continue;
            }
            // A list of types may stand in quotes too: TYPE="voice,home".
            for (const QByteArray& type : value.split(','))
                property.parameters.emplace_back(key, type.trimmed().toUpper());
        }
    }
    return property;
}

}  // namespace orvanel
