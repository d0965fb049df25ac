#include "store/person_id.h"

#include "store/errors.h"

namespace orvanel {

std::optional<int> CheckDigitIn(const QString& text, const CodePage& page)
{
    // Positions count characters: one beyond U+FFFF is one position (a lone surrogate counts as
    // the character it is).
    unsigned long long sum = 0;
    unsigned long long position = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const std::optional<char32_t> code = page.codeOf(c);
        if (!code)
            return std::nullopt;
        sum += static_cast<unsigned long long>(*code) * ++position;
    }
    return static_cast<int>(sum % 10);
}

int CheckDigit(const QString& text)
{
    return *CheckDigitIn(text, CodePage());
}

QString FormatId(const QString& prefix, long long number, const CodePage& page)
{
    QString text = prefix;
    if (number < 1000)
        text += QLatin1Char('0');
    if (number < 100)
        text += QLatin1Char('0');
    if (number < 10)
        text += QLatin1Char('0');
    text += QString::number(number);
    const int digit = CheckDigitIn(text, page).value_or(CheckDigit(text));
    return text + QLatin1Char('-') + QString::number(digit);
}

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

NormalizedId NormalizeId(const QString& id, const CodePage& page)
{
    if (id.isEmpty())
        throw ESlikts_formats(id);
    const QChar last = id.back();
    const qsizetype dash = id.indexOf(QLatin1Char('-'));
    if (dash >= 0) {
        const bool dashNextToLast = dash == id.size() - 2;
        if (!dashNextToLast || !IsDigit(last) ||
            CheckDigitIn(id.left(id.size() - 2), page) != last.unicode() - '0')
            throw ESlikts_formats(id);
        return {id, false};
    }
    const QString body = id.left(id.size() - 1);
    const std::optional<int> whole = CheckDigitIn(id, page);
    if (!whole)
        throw ESlikts_formats(id);
    if (IsDigit(last) && last.unicode() - '0' == CheckDigitIn(body, page))
        return {body + QLatin1Char('-') + last, true};
    return {id + QLatin1Char('-') + QString::number(*whole), true};
}

bool IsCurrentAsciiId(QByteArrayView utf8)
{
    // The shortest such identifier, "-" and a digit, is left to NormalizeId: it is no file's.
    const qsizetype size = utf8.size();
    if (size < 3 || utf8[size - 2] != '-' || !IsDigit(QLatin1Char(utf8[size - 1])))
        return false;
    // As CheckDigitIn weighs them: an ASCII character's code is its byte, its position its
    // place. A "-" before the last two would be the one NormalizeId takes, and refuses.
    unsigned long long sum = 0;
    for (qsizetype i = 0; i < size - 2; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte >= 0x80 || byte == '-')
            return false;
        sum += static_cast<unsigned long long>(byte) * static_cast<unsigned long long>(i + 1);
    }
    return static_cast<int>(sum % 10) == utf8[size - 1] - '0';
}

bool IdReadsBack(const QString& id, const CodePage& page)
{
    try {
        return !NormalizeId(id, page).converted;
    } catch (const ESlikts_formats&) {
        return false;
    }
}

}  // namespace orvanel
