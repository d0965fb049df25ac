#include "store/person_id.h"

#include "store/errors.h"

#include <QByteArray>

namespace orvanel {

int CheckDigit(const QString& text)
{
    // Identifiers are single-byte texts; anything beyond ASCII is weighed by its UTF-8 bytes.
    const QByteArray bytes = text.toUtf8();
    unsigned long long sum = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        sum += static_cast<unsigned long long>(static_cast<unsigned char>(bytes[i])) *
               static_cast<unsigned long long>(i + 1);
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

bool isDigit(QChar c)
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
        if (!dashNextToLast || !isDigit(last) ||
            last.unicode() - '0' != CheckDigit(id.left(id.size() - 2)))
            throw ESlikts_formats(id);
        return {id, false};
    }
    const QString body = id.left(id.size() - 1);
    if (isDigit(last) && last.unicode() - '0' == CheckDigit(body))
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
