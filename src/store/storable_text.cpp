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

}  // namespace orvanel
