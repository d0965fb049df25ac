// Figures for finding the byte ranges of a register's records: FindRecordSpans over a generated
// register beside a bare memchr pass that only counts the '<' bytes of the same file, the least
// any scan of the markup must do. Goal: within about 3x of that pass.
//   bench_record_spans        100k persons
//   bench_record_spans N      N persons
#include "support/measure.h"
#include "support/register_generator.h"

#include "store/record_spans.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringEncoder>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using namespace orvanel;

constexpr int kRuns = 7;

template <typename F>
double MedianMs(F&& f)
{
    return orvanel::bench::MedianMs(kRuns, f);
}

qsizetype CountOpenings(const QByteArray& bytes)
{
    qsizetype count = 0;
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while (const void* hit = std::memchr(p, '<', static_cast<size_t>(end - p))) {
        ++count;
        p = static_cast<const char*>(hit) + 1;
    }
    return count;
}

// Both passes over the same bytes, alternately measured by their medians; the counts are printed
// so that neither pass can be left out by the compiler.
void Compare(const char* form, const QByteArray& bytes, ByteForm byteForm)
{
    qsizetype openings = 0;
    size_t records = 0;
    const double memchrMs = MedianMs([&] { openings = CountOpenings(bytes); });
    const double spansMs = MedianMs([&] { records = FindRecordSpans(bytes, byteForm).size(); });
    std::printf("  %-8s %6.1f MB: memchr '<' %7.2f ms (%lld) | FindRecordSpans %7.2f ms "
                "(%zu records) = %.2fx\n",
                form, bytes.size() / 1e6, memchrMs, static_cast<long long>(openings), spansMs,
                records, spansMs / memchrMs);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int persons = args.isEmpty() ? 100000 : args[0].toInt();
    if (persons <= 0) {
        std::fprintf(stderr, "not a number of persons: %s\n", qPrintable(args[0]));
        return 2;
    }
    const QByteArray utf8 = bench::generateRegister(persons);
    std::printf("%d persons\n", persons);
    Compare("UTF-8", utf8, ByteForm::AsciiCompatible);
    QStringEncoder encode(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray utf16 = encode(QString::fromUtf8(utf8).replace(
        QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"UTF-16\"")));
    Compare("UTF-16LE", utf16, ByteForm::Utf16LittleEndian);
    // Long texts, where a search that skips whole runs of text pays off most: a fifth of the
    // persons, each with a comment of 2 kB.
    const QByteArray comment = "<Comment>" + QByteArray(2000, 'c') + "</Comment>";
    const QByteArray commented =
        bench::generateRegister(std::max(1, persons / 5)).replace("<Comment></Comment>", comment);
    std::printf("%d persons with long comments\n", std::max(1, persons / 5));
    Compare("UTF-8", commented, ByteForm::AsciiCompatible);
    Compare("UTF-16LE", encode(QString::fromUtf8(commented)), ByteForm::Utf16LittleEndian);
    return 0;
}
