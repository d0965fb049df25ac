// Any text as a date of the data file: reading either refuses it with the date message or gives
// a calendar date that, written back, reads as the same date.
#include "store/errors.h"
#include "store/file_date.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finding(const char* what, const QString& text)
{
    std::fprintf(stderr, "FINDING: %s '%s'\n", what, text.toUtf8().constData());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvanel;
    // The first two bytes choose the day the text is read on: short years take its century.
    if (size < 2)
        return 0;
    const int year = 1 + (data[0] << 8 | data[1]) % 9999;
    const QDate today(year, 1 + data[0] % 12, 1 + data[1] % 28);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2),
                                           static_cast<qsizetype>(size - 2));
    QDate date;
    try {
        date = ParseFileDate(text, today);
    } catch (const InvalidDate& e) {
        if (e.message() != QStringLiteral("'%1' is not a valid date").arg(text))
            finding("the message does not quote the text", text);
        return 0;
    }
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        finding("read a date off the calendar", text);
    const QString written = FormatFileDate(date);
    try {
        if (ParseFileDate(written, today) != date)
            finding("a written date reads as another date", text);
    } catch (const InvalidDate&) {
        finding("a written date cannot be read", text);
    }
    return 0;
}
