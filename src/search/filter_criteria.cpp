#include "search/filter_criteria.h"

#include "store/file_date.h"
#include "store/record_names.h"

namespace orvanel {

FilterCriteria InitialFilterCriteria(const Clock& clock)
{
    FilterCriteria criteria;
    const QDate today = clock.today();
    criteria.DateFrom = ParseFileDate(QStringLiteral("1850/1/1"), today);
    criteria.DateTo = ParseFileDate(QStringLiteral("2050/1/1"), today);
    return criteria;
}

QString SexCode(int sexChoice)
{
    switch (sexChoice) {
    case 1:
        return QString::fromLatin1(kMaleSex);
    case 2:
        return QString::fromLatin1(kFemaleSex);
    default:
        return QString();
    }
}

bool DateRangeInOrder(QDate from, QDate to)
{
    return from <= to;
}

bool FilterDatesAcceptable(bool dateEnabled, QDate from, QDate to)
{
    return !dateEnabled || DateRangeInOrder(from, to);
}

}  // namespace orvanel
