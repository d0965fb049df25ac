#include "export/gedcom_date.h"

#include "export/stored_date.h"

namespace orvanel {

QString GedcomDate(QDate date)
{
    static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(QLatin1String(kMonths[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

void AddGedcomDate(GedcomLines& lines, GedcomVersion version, int level, const QString& stored,
                   QDate today)
{
    const std::optional<StoredDate> date = ReadStoredDate(stored, today);
    if (date && date->year == StoredYear::Whole) {
        lines.add(level, "DATE", GedcomDate(date->date));
        return;
    }
    if (version == GedcomVersion::V551) {
        lines.add(level, "DATE", QLatin1Char('(') + stored + QLatin1Char(')'));
    } else {
        lines.add(level, "DATE");
        lines.add(level + 1, "PHRASE", stored);
    }
}

}  // namespace orvanel
