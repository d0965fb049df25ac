#include "store/file_date.h"

#include "store/errors.h"

namespace orvanel {

QString FormatFileDate(QDate date)
{
    // The usual years are written digit by digit: QString::arg took 5,000 instructions a date,
    // and an import formats two for every person it reads and plans (docs/performance.md).
    if (date.isValid() && date.year() >= 1 && date.year() <= 9999) {
        char text[16];
        char* end = text;
        const int year = date.year();
        *end++ = static_cast<char>('0' + year / 1000);
        *end++ = static_cast<char>('0' + year / 100 % 10);
        *end++ = static_cast<char>('0' + year / 10 % 10);
        *end++ = static_cast<char>('0' + year % 10);
        for (const int part : {date.month(), date.day()}) {
            *end++ = '/';
            if (part >= 10)
                *end++ = static_cast<char>('0' + part / 10);
            *end++ = static_cast<char>('0' + part % 10);
        }
        return QString::fromLatin1(text, end - text);
    }
    return QStringLiteral("%1/%2/%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month())
        .arg(date.day());
}

namespace {

// A cursor over a date text that reads the pieces the format allows.
class DateScanner {
public:
    explicit DateScanner(const QString& text) : text_(text) {}

    void skipSpaces()
    {
        while (pos_ < text_.size() && text_[pos_] == QLatin1Char(' '))
            ++pos_;
    }

    // Digits are taken while the value so far is below 1000, so a number never exceeds 9999.
    bool number(int& value, int& digits)
    {
        skipSpaces();
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && value < 1000) {
            const QChar c = text_[pos_];
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                break;
            value = value * 10 + (c.unicode() - '0');
            ++digits;
            ++pos_;
        }
        return digits > 0;
    }

    bool separator()
    {
        skipSpaces();
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('/')) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool atEnd()
    {
        skipSpaces();
        return pos_ >= text_.size();
    }

private:
    const QString& text_;
    qsizetype pos_ = 0;
};

}  // namespace

QDate ParseFileDate(const QString& text, QDate today)
{
    DateScanner scan(text);
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int count = 0;
    if (!scan.number(numbers[0], digits[0]))
        throw InvalidDate(text);
    count = 1;
    while (count < 3 && scan.separator()) {
        if (!scan.number(numbers[count], digits[count])) {
            // A trailing "/" is allowed only after the day.
            throw InvalidDate(text);
        }
        ++count;
    }
    if (count == 3)
        scan.separator();  // one more "/" may follow the day
    if (count < 2 || !scan.atEnd())
        throw InvalidDate(text);

    int year = 0, month = 0, day = 0;
    if (count == 3) {
        year = numbers[0];
        month = numbers[1];
        day = numbers[2];
        if (digits[0] <= 2)
            year += today.year() / 100 * 100;
    } else {
        year = today.year();
        month = numbers[0];
        day = numbers[1];
    }
    const QDate date(year, month, day);
    if (year < 1 || year > 9999 || !date.isValid())
        throw InvalidDate(text);
    return date;
}

namespace {

// The text with every decimal digit of any script (Arabic-Indic, Devanagari, full-width, ...)
// replaced by its ASCII digit; other characters stay as they are.
QString WithAsciiDigits(const QString& text)
{
    QString ascii = text;
    for (QChar& c : ascii) {
        if (c.category() == QChar::Number_DecimalDigit)
            c = QChar(u'0' + c.digitValue());
    }
    return ascii;
}

bool OnlyAsciiDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

}  // namespace

QDate ParseTypedDate(const QString& text, QDate today)
{
    QString ascii = WithAsciiDigits(text);
    const QString bare = ascii.trimmed();
    if (bare.size() == 8 && OnlyAsciiDigits(bare))
        ascii = bare.left(4) + QLatin1Char('/') + bare.mid(4, 2) + QLatin1Char('/') + bare.mid(6);
    try {
        return ParseFileDate(ascii, today);
    } catch (const InvalidDate&) {
        return QDate();
    }
}

}  // namespace orvanel
