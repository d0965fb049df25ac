#include "import/import_date.h"

#include <array>

namespace orvanel {

namespace {

constexpr std::array<const char16_t*, 12> kMonths = {u"JAN", u"FEB", u"MAR", u"APR", u"MAY", u"JUN",
                                                     u"JUL", u"AUG", u"SEP", u"OCT", u"NOV", u"DEC"};

// A number of one to `maxDigits` ASCII digits, nothing else; -1 otherwise.
int Number(QStringView word, int maxDigits)
{
    if (word.isEmpty() || word.size() > maxDigits)
        return -1;
    int value = 0;
    for (const QChar c : word) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

}  // namespace

std::optional<QDate> ExactGedcomDate(QStringView text)
{
    // Words split at spaces; at most five are looked at, so a long text costs nothing more.
    std::array<QStringView, 5> words;
    int count = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == QLatin1Char(' '))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && text[i] != QLatin1Char(' '))
            ++i;
        if (i > start) {
            if (count == static_cast<int>(words.size()))
                return std::nullopt;
            words[static_cast<std::size_t>(count++)] = text.sliced(start, i - start);
        }
    }
    int first = 0;
    if (count > 0 && (words[0] == u"@#DGREGORIAN@" || words[0] == u"GREGORIAN"))
        first = 1;
    if (count - first != 3)
        return std::nullopt;
    const int day = Number(words[static_cast<std::size_t>(first)], 2);
    const QStringView monthWord = words[static_cast<std::size_t>(first + 1)];
    const int year = Number(words[static_cast<std::size_t>(first + 2)], 4);
    int month = 0;
    // Every month's word has three letters: anything else is none of them.
    for (std::size_t m = 0; m < kMonths.size() && month == 0 && monthWord.size() == 3; ++m) {
        if (monthWord.compare(QStringView(kMonths[m], 3), Qt::CaseInsensitive) == 0)
            month = static_cast<int>(m) + 1;
    }
    if (day < 1 || month == 0 || year < 1)
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

}  // namespace orvanel
