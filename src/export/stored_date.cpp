#include "export/stored_date.h"

#include "store/errors.h"
#include "store/file_date.h"

namespace orvanel {

std::optional<StoredDate> ReadStoredDate(const QString& text, QDate today)
{
    StoredDate stored;
    try {
        stored.date = ParseFileDate(text, today);
    } catch (const InvalidDate&) {
        return std::nullopt;
    }
    // The text is a readable date, so it is numbers between "/" (and spaces): month/day alone,
    // or year/month/day with the year's digits deciding whether the century was supplied.
    const QStringList parts = text.split(QLatin1Char('/'));
    const bool withYear = parts.size() >= 3 && !parts[2].trimmed().isEmpty();
    if (!withYear)
        stored.year = StoredYear::Absent;
    else if (parts[0].trimmed().size() <= 2)
        stored.year = StoredYear::TwoDigits;
    return stored;
}

}  // namespace orvanel
