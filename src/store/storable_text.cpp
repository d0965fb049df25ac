#include "store/storable_text.h"


namespace orvanel {

namespace {

// Length of the storable character at `i` (2 for a surrogate pair), or 0 when it is not storable.
int StorableLength(const QString& text, qsizetype i)
{
    const QChar c = text[i];
    const char16_t u = c.unicode();
    if (c.isHighSurrogate())
        return i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 0;
    if (c.isLowSurrogate() || u == 0xFFFE || u == 0xFFFF)
        return 0;
    if (u < 0x20 && u != 0x9 && u != 0xA && u != 0xD)
        return 0;
    return 1;
}

}  // namespace

qsizetype FirstUnstorableCharacter(const QString& text)
{
    const QChar* chars = text.constData();
    for (qsizetype i = 0; i < text.size();) {
        // Nearly every character is a plain one below the surrogates: decided in one test, as
        // every text the register writes passes here (docs/performance.md, "Importing").
        const char16_t u = chars[i].unicode();
        if (u >= 0x20 && u < 0xD800) {
            ++i;
            continue;
        }
        const int length = StorableLength(text, i);
        if (length == 0)
            return i;
        i += length;
    }
    return -1;
}

QString StorableText(const QString& text)
{
    qsizetype i = FirstUnstorableCharacter(text);
    if (i < 0)
        return text;
    QString fixed = text.left(i);
    while (i < text.size()) {
        const int length = StorableLength(text, i);
        if (length == 0) {
            fixed += QChar(0xFFFD);
            ++i;
        } else {
            fixed += text.mid(i, length);
            i += length;
        }
    }
    return fixed;
}

StorableUtf8::StorableUtf8(const QString& text)
{
    // StorableText and then UTF-8, in one pass with no converter: a record's texts go through
    // here twice as they are added, once for the record and once for the table. The two steps
    // took 13% of a profile of an import of 100k persons, the one pass 4% (docs/performance.md,
    // "Importing").
    // A UTF-16 unit takes at most three bytes; a pair of them four.
    const qsizetype most = text.size() * 3 + 1;
    char* out = buffer_;
    if (most > static_cast<qsizetype>(sizeof buffer_)) {
        long_.resize(most);
        out = long_.data();
    }
    const auto put = [&out](unsigned byte) { *out++ = static_cast<char>(byte); };
    const auto* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = p + text.size();
    data_ = out;
    while (p != end) {
        const char16_t u = *p++;
        if (u < 0x80) {
            if (u >= 0x20 || u == '\t' || u == '\n' || u == '\r') {
                put(u);
                continue;
            }
        } else if (u < 0x800) {
            put(0xC0 | (u >> 6));
            put(0x80 | (u & 0x3F));
            continue;
        } else if (QChar::isHighSurrogate(u)) {
            if (p != end && QChar::isLowSurrogate(*p)) {
                const char32_t c = QChar::surrogateToUcs4(u, *p++);
                put(0xF0 | (c >> 18));
                put(0x80 | ((c >> 12) & 0x3F));
                put(0x80 | ((c >> 6) & 0x3F));
                put(0x80 | (c & 0x3F));
                continue;
            }
        } else if (!QChar::isLowSurrogate(u) && u != 0xFFFE && u != 0xFFFF) {
            put(0xE0 | (u >> 12));
            put(0x80 | ((u >> 6) & 0x3F));
            put(0x80 | (u & 0x3F));
            continue;
        }
        // Not storable: U+FFFD, as StorableText writes it.
        put(0xEF);
        put(0xBF);
        put(0xBD);
    }
    size_ = out - data_;
    *out = '\0';
}

}  // namespace orvanel
