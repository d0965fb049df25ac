// A start on the kept bytes and the record table, beside libxml2's bare parse of the whole
// document and the floor of reading the file and scanning it once, on generated registers.
// Each is a first start in a process of its own, so that each peak memory is its own; three
// starts of each, in turns, and the medians judge.
//   bench_kept_store            100k and 1M persons (the 1M bare parse needs about 10 GB)
//   bench_kept_store N...       the sizes given
//   bench_kept_store --kept FILE one start of the kept store on FILE (--dom, --floor likewise)
#include "support/measure.h"
#include "support/register_generator.h"

#include "store/kept_register.h"
#include "support/fixed_clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include <libxml/parser.h>
#include <libxml/tree.h>

namespace {

QByteArray ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The least any start must do: read the file into memory and look at every byte once.
long Scan(const QByteArray& bytes)
{
    long marks = 0;
    const char* at = bytes.constData();
    const char* end = at + bytes.size();
    while ((at = static_cast<const char*>(std::memchr(at, '<', static_cast<size_t>(end - at))))) {
        ++marks;
        ++at;
    }
    return marks;
}

// One first start of `design` on the file; prints its time in ms and peak memory in MiB.
int RunStart(const QString& design, const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    long check = 0;
    if (design == QLatin1String("--floor")) {
        check = Scan(ReadWhole(path));
    } else if (design == QLatin1String("--dom")) {
        xmlDocPtr doc = xmlReadFile(QFile::encodeName(path).constData(), nullptr, 0);
        check = doc != nullptr;
        const double ms = timer.nsecsElapsed() / 1e6;
        const double peak = orvanel::bench::peakMemoryMiB();
        xmlFreeDoc(doc);
        std::printf("%.3f %.1f %ld\n", ms, peak, check);
        return 0;
    } else {
        const orvanel::FixedClock clock(QDate(2026, 12, 9));
        const orvanel::KeptRegister kept = orvanel::ReadKeptRegister(ReadWhole(path), clock);
        check = kept.table.personCount();
        const double ms = timer.nsecsElapsed() / 1e6;
        std::printf("%.3f %.1f %ld %.1f\n", ms, orvanel::bench::peakMemoryMiB(), check,
                    kept.table.bytesHeld() / 1048576.0);
        return 0;
    }
    std::printf("%.3f %.1f %ld\n", timer.nsecsElapsed() / 1e6, orvanel::bench::peakMemoryMiB(),
                check);
    return 0;
}

struct Figures {
    std::vector<double> ms, peak;
    double tableMiB = 0;
    double median(std::vector<double> v) const
    {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
};

bool Start(const QString& design, const QString& path, Figures& into)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {design, path});
    child.waitForFinished(-1);
    const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
    if (child.exitCode() != 0 || figures.size() < 3) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(design),
                     child.readAllStandardError().constData());
        return false;
    }
    into.ms.push_back(figures[0].toDouble());
    into.peak.push_back(figures[1].toDouble());
    if (figures.size() > 3)
        into.tableMiB = figures[3].toDouble();
    return true;
}

int RunSize(int persons)
{
    QTemporaryDir dir;
    // ORVANEL_BENCH_KEEP=1 keeps the generated file, for a profiler's run of one start.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("ORVANEL_BENCH_KEEP"));
    const QString path = dir.filePath(QStringLiteral("zok.xml"));
    if (!dir.autoRemove())
        std::fprintf(stderr, "kept: %s\n", qPrintable(path));
    double fileMiB = 0;
    {
        const QByteArray bytes = orvanel::bench::generateRegister(persons);
        fileMiB = bytes.size() / 1048576.0;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    Figures floor, dom, kept;
    for (int turn = 0; turn < 3; ++turn) {
        if (!Start(QStringLiteral("--floor"), path, floor) ||
            !Start(QStringLiteral("--dom"), path, dom) ||
            !Start(QStringLiteral("--kept"), path, kept))
            return 1;
    }
    const double keptMs = kept.median(kept.ms);
    const double keptPeak = kept.median(kept.peak);
    const double allowedPeak = 1.5 * fileMiB + 300.0 * persons / 1048576.0;
    std::printf("%8d persons, file %.1f MiB (medians of 3 first starts each)\n", persons, fileMiB);
    std::printf("  read and scan   %9.1f ms %7.1f MiB\n", floor.median(floor.ms),
                floor.median(floor.peak));
    std::printf("  bare DOM parse  %9.1f ms %7.1f MiB\n", dom.median(dom.ms), dom.median(dom.peak));
    std::printf("  kept start      %9.1f ms %7.1f MiB (table %.1f MiB, %.0f bytes a person)\n",
                keptMs, keptPeak, kept.tableMiB, kept.tableMiB * 1048576.0 / persons);
    std::printf("  start: %.2fx the bare parse (goal 0.3x), %.2fx the floor (goal 8x); "
                "peak %.2fx of 1.5x the file plus 300 bytes a person\n",
                keptMs / dom.median(dom.ms), keptMs / floor.median(floor.ms),
                keptPeak / allowedPeak);
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0].startsWith(QLatin1String("--")))
        return RunStart(args[0], args[1]);
    const std::optional<std::vector<int>> sizes =
        orvanel::bench::SizesFromArguments(args, {100000, 1000000});
    if (!sizes)
        return 2;
    for (const int persons : *sizes) {
        if (RunSize(persons) != 0)
            return 1;
    }
    return 0;
}
