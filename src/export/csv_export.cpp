#include "export/csv_export.h"

#include "store/person_fields.h"
#include "store/record_names.h"

#include <QStringList>

namespace orvanel {

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// After a leading + or -, what a number or a phone number holds ("+371 2612 3456", "-5",
// "+1 (555) 123-4567"). A spreadsheet can at most compute such a text; it has no letters for a
// function name nor the marks a link to another program needs.
bool IsNumberOrPhone(QStringView rest)
{
    static const QString kMarks = QStringLiteral(" .,()/-");
    bool digit = false;
    for (const QChar c : rest) {
        if (IsDigit(c))
            digit = true;
        else if (!kMarks.contains(c))
            return false;
    }
    return digit;
}

QByteArray Record(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

}  // namespace

bool StartsLikeAFormula(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (first == QLatin1Char('=') || first == QLatin1Char('@') || first == QLatin1Char('\t')
        || first == QLatin1Char('\r'))
        return true;
    if (first == QLatin1Char('+') || first == QLatin1Char('-'))
        return !IsNumberOrPhone(QStringView(text).mid(1));
    return false;
}

QString CsvField(const QString& stored)
{
    const QString text = StartsLikeAFormula(stored) ? QLatin1Char('\'') + stored : stored;
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                             || text.contains(QLatin1Char('\r'))
                             || text.contains(QLatin1Char('\n'));
    if (!needsQuotes)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray CsvExport(const std::vector<ExportedPerson>& persons)
{
    QStringList header{QString::fromLatin1(kIdAttribute)};
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.csv)
            header << QString::fromLatin1(info.element);
    }
    QByteArray out = Record(header);
    for (const ExportedPerson& person : persons) {
        QStringList fields{person.value.id};
        for (const PersonFieldInfo& info : kPersonFields) {
            if (info.csv)
                fields << person.value.text(info.field);
        }
        out += Record(fields);
    }
    return out;
}

}  // namespace orvanel
