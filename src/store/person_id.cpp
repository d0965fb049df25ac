#include "store/person_id.h"

#include "store/errors.h"


namespace orvanel {

int CheckDigit(const QString& text)
{
    // Positions count characters, and a character's code is its code point: for U+0000 to U+00FF
    // that is its 8-bit (Latin-1) code, as identifiers were always weighed. Characters beyond
    // U+00FF have no such code and weigh their code point; one beyond U+FFFF is one position
    // (a lone surrogate counts as the character it is).
    unsigned long long sum = 0;
    unsigned long long position = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        sum += static_cast<unsigned long long>(code) * ++position;
    }
    return static_cast<int>(sum % 10);
}

QString FormatId(const QString& prefix, long long number)
{
    QString text = prefix;
    if (number < 1000)
        text += QLatin1Char('0');
    if (number < 100)
        text += QLatin1Char('0');
    if (number < 10)
        text += QLatin1Char('0');
    text += QString::number(number);
    return text + QLatin1Char('-') + QString::number(CheckDigit(text));
}

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

NormalizedId NormalizeId(const QString& id)
{
    if (id.isEmpty())
        throw ESlikts_formats(id);
    const QChar last = id.back();
    const qsizetype dash = id.indexOf(QLatin1Char('-'));
    if (dash >= 0) {
        const bool dashNextToLast = dash == id.size() - 2;
        if (!dashNextToLast || !IsDigit(last) ||
            last.unicode() - '0' != CheckDigit(id.left(id.size() - 2)))
            throw ESlikts_formats(id);
        return {id, false};
    }
    const QString body = id.left(id.size() - 1);
    if (IsDigit(last) && last.unicode() - '0' == CheckDigit(body))
        return {body + QLatin1Char('-') + last, true};
    return {id + QLatin1Char('-') + QString::number(CheckDigit(id)), true};
}

bool IdReadsBack(const QString& id)
{
    try {
        return !NormalizeId(id).converted;
    } catch (const ESlikts_formats&) {
        return false;
    }
}

}  // namespace orvanel
