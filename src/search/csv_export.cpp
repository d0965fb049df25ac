#include "search/csv_export.h"
#include "store/record_names.h"

#include <QStringList>

namespace orvanel {

namespace {

QByteArray Record(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields)
        quoted << CsvField(field);
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

}  // namespace

QString CsvField(const QString& text)
{
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
    for (const char* field : kPersonChildren)
        header << QString::fromLatin1(field);
    QByteArray out = Record(header);
    for (const ExportedPerson& person : persons) {
        QStringList fields{person.id};
        for (const QString& value : person.values)
            fields << value;
        out += Record(fields);
    }
    return out;
}

}  // namespace orvanel
