// Figures for the data store on generated registers: load, lookups, removal and the parts of a
// save, beside libxml2's bare parse and save of the same file. The bare parse and the register
// each run in a process of their own, so that each peak memory is its own and each first parse
// or load is what a program's start meets.
//   bench_store            1k, 10k and 100k persons
//   bench_store N...       the sizes given (300000 and 1000000 need 4 and 12 GB of memory)
#include "support/measure.h"
#include "support/register_generator.h"

#include "store/load.h"
#include "store/lookup.h"
#include "store/person_id.h"
#include "store/save.h"
#include "store/save_target.h"
#include "store/durable_file.h"
#include "store/kept_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <vector>

namespace {

// How far a call raises the memory the process holds above what it held before: the call's own
// peak, apart from what the process had needed before it.
template <typename F>
double peakAboveMiB(F&& f)
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        return -1;
    clear.close();
    const double before = orvanel::bench::StatusMiB("VmRSS:");
    f();
    return orvanel::bench::StatusMiB("VmHWM:") - before;
}

// libxml2's bare parse and save of the file, in a process of its own: the first parse as a
// program's first parse is (its peak memory is the parse's alone), then the median of three more
// in memory the first one already had.
int runBare(const QString& path)
{
    const QByteArray nativePathBytes = QFile::encodeName(path);
    const char* nativePath = nativePathBytes.constData();
    const QByteArray barePath = QFile::encodeName(path + QStringLiteral(".bare"));
    const double coldParse = orvanel::bench::MedianMs(1, [&] { xmlFreeDoc(xmlReadFile(nativePath, nullptr, 0)); });
    const double coldPeak = orvanel::bench::peakMemoryMiB();
    const double warmParse = orvanel::bench::MedianMs(3, [&] { xmlFreeDoc(xmlReadFile(nativePath, nullptr, 0)); });
    xmlDocPtr bare = xmlReadFile(nativePath, nullptr, 0);
    const double bareSave = orvanel::bench::MedianMs(3, [&] { xmlSaveFileEnc(barePath, bare, "UTF-8"); });
    xmlFreeDoc(bare);
    QFile::remove(QFile::decodeName(barePath));
    std::printf("%.3f %.3f %.3f %.1f\n", coldParse, warmParse, bareSave, coldPeak);
    return 0;
}

// What the window that shows a slow load asks of it: the time read before every piece the parser
// is fed, and the events taken every 50 ms once a second has passed.
class WatchedLoad final : public orvanel::LoadProgress {
public:
    WatchedLoad() { timer_.start(); }
    bool goOn(qint64, qint64) noexcept override
    {
        const qint64 now = timer_.elapsed();
        if (now >= 1000 && now - lastTurn_ >= 50) {
            lastTurn_ = now;
            QCoreApplication::processEvents();
        }
        return true;
    }

private:
    QElapsedTimer timer_;
    qint64 lastTurn_ = 0;
};

// The register's own load, lookups, removal and save, in a process that holds nothing else.
// The first load is a program's start, compared with the bare parse's first; the median of three
// more, in memory the first one already had, is compared with the bare parse's median.
int runRegister(const QString& folder, int persons, double coldParse, double warmParse,
                double bareSave, double barePeak)
{
    orvanel::SystemClock clock;
    // A register cannot move, as its cache points into its document: each load gets a new one.
    std::unique_ptr<orvanel::Register> held;
    orvanel::LoadReport report;
    const auto load = [&] {
        held.reset();
        held = std::make_unique<orvanel::Register>();
        held->folder = folder;
        report = orvanel::LoadRegister(*held, clock);
    };
    const double coldLoad = orvanel::bench::MedianMs(1, load);
    const double loadPeak = orvanel::bench::peakMemoryMiB();
    const double warmLoad = orvanel::bench::MedianMs(3, load);
    const double watchedLoad = orvanel::bench::MedianMs(3, [&] {
        held.reset();
        held = std::make_unique<orvanel::Register>();
        held->folder = folder;
        WatchedLoad watch;
        report = orvanel::LoadRegister(*held, clock, &watch);
    });
    if (report.refusal) {
        std::fprintf(stderr, "error: %s\n", qPrintable(*report.refusal));
        return 1;
    }
    orvanel::Register& reg = *held;
    const QString lastId = orvanel::FormatId(reg.idPrefix, persons);
    const double firstFind = orvanel::bench::MedianMs(1, [&] { orvanel::FindPerson(reg, lastId); });
    const double find = orvanel::bench::MedianMs(5, [&] { orvanel::FindPerson(reg, lastId); });
    const double nextFree = orvanel::bench::MedianMs(5, [&] { orvanel::NextFreeId(reg, reg.personCounter()); });
    int victim = persons / 2;
    const double remove = orvanel::bench::MedianMs(3, [&] {
        orvanel::RemoveRelations(reg, orvanel::FormatId(reg.idPrefix, victim++));
    });
    // Closing reads the data file once more to tell another program's change before saving.
    const double changeCheck = orvanel::bench::MedianMs(3, [&] { orvanel::DataFileChangedSinceLoad(reg); });

    // The parts of a save: the backup copy (flushed), writing the document out, and putting the
    // bytes on disk plainly and then as the save does (flushed, renamed into place).
    const QString data = reg.dataPath();
    const double backup = orvanel::bench::MedianMs(3, [&] {
        orvanel::CopyToBackup(data, QDir(folder).filePath(QStringLiteral("copy.bak")));
    });
    QByteArray bytes;
    const double serialize = orvanel::bench::MedianMs(3, [&] {
        bytes.clear();
        orvanel::WriteKeptFile(reg.kept(), reg.changes(),
                               [&bytes](QByteArrayView piece) { bytes.append(piece); });
    });
    const QString scratch = QDir(folder).filePath(QStringLiteral("scratch.xml"));
    const double plainWrite = orvanel::bench::MedianMs(3, [&] {
        QFile out(scratch);
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    });
    const double durableWrite = orvanel::bench::MedianMs(3, [&] {
        orvanel::DurableFile out(scratch, QStringLiteral("scratch.xml"));
        out.open();
        out.write(bytes.constData(), bytes.size());
        out.commit();
    });
    bytes = QByteArray();
    QElapsedTimer firstSave;
    firstSave.start();
    orvanel::SaveRegister(reg, clock);  // the first save of a run copies the backup
    const double saveWithBackup = firstSave.nsecsElapsed() / 1e6;
    const double save = orvanel::bench::MedianMs(3, [&] { orvanel::SaveRegister(reg, clock); });
    const double savePeak = peakAboveMiB([&] { orvanel::SaveRegister(reg, clock); });
    const double flushes = std::max(0.0, durableWrite - plainWrite);
    const double allowed = 1.25 * bareSave + backup + flushes;

    std::printf("  first in a process: bare parse %7.1f ms | load %7.1f ms (%.2fx)\n"
                "  median of 3 more:   bare parse %7.1f ms | load %7.1f ms (%.2fx) | "
                "load as the window of a slow one watches it %7.1f ms (%.2fx)\n"
                "  peak: bare parse %6.0f MiB | load %6.0f MiB (%.2fx) | after everything %6.0f MiB\n"
                "  first FindPerson %6.2f ms | FindPerson %6.3f ms | NextFreeId %6.3f ms | "
                "RemoveRelations %6.2f ms | change check %6.1f ms\n"
                "  bare save %6.1f ms | backup copy %6.1f ms | serialize %6.1f ms | write %6.1f ms | "
                "write flushed and renamed %6.1f ms\n"
                "  save with backup %6.1f ms | save %6.1f ms | allowed 1.25 x bare save + backup + "
                "flushes = %6.1f ms (%.2f of it)\n"
                "  a save's peak memory above what the process held before it %6.1f MiB "
                "(the file: %6.1f MiB)\n",
                coldParse, coldLoad, coldLoad / coldParse, warmParse,
                warmLoad, warmLoad / warmParse, watchedLoad, watchedLoad / warmParse, barePeak,
                loadPeak, loadPeak / barePeak, orvanel::bench::peakMemoryMiB(), firstFind, find, nextFree,
                remove, changeCheck, bareSave, backup, serialize, plainWrite, durableWrite,
                saveWithBackup, save, allowed, saveWithBackup / allowed, savePeak,
                QFileInfo(data).size() / 1048576.0);
    return 0;
}

// A program's start, as nothing but the first parse or load of a fresh process: its time and
// peak memory.
int runFirst(bool load, const QString& path)
{
    double ms = 0;
    if (load) {
        orvanel::SystemClock clock;
        orvanel::Register reg;
        reg.folder = QFileInfo(path).path();
        ms = orvanel::bench::MedianMs(1, [&] { orvanel::LoadRegister(reg, clock); });
        if (reg.loadFailed())
            return 1;
    } else {
        const QByteArray nativePath = QFile::encodeName(path);
        ms = orvanel::bench::MedianMs(1, [&] { xmlFreeDoc(xmlReadFile(nativePath.constData(), nullptr, 0)); });
    }
    std::printf("%.3f %.1f\n", ms, orvanel::bench::peakMemoryMiB());
    return 0;
}

// Three starts of each, in turns, each in a fresh process: this machine's times drift, so the
// goal is judged on the medians and every pair is shown.
bool compareStarts(const QString& path)
{
    std::vector<double> parses, loads, parsePeaks, loadPeaks;
    for (int pair = 0; pair < 3; ++pair) {
        for (const bool load : {false, true}) {
            QProcess first;
            first.start(QCoreApplication::applicationFilePath(),
                        {load ? QStringLiteral("--first-load") : QStringLiteral("--first-parse"),
                         path});
            first.waitForFinished(-1);
            const QList<QByteArray> figures = first.readAllStandardOutput().simplified().split(' ');
            if (first.exitCode() != 0 || figures.size() != 2)
                return false;
            (load ? loads : parses).push_back(figures[0].toDouble());
            (load ? loadPeaks : parsePeaks).push_back(figures[1].toDouble());
        }
    }
    std::printf("  starts, in turns, each in a fresh process:\n");
    for (size_t i = 0; i < parses.size(); ++i)
        std::printf("    bare parse %7.1f ms %5.0f MiB | load %7.1f ms %5.0f MiB (%.2fx, %.2fx)\n",
                    parses[i], parsePeaks[i], loads[i], loadPeaks[i], loads[i] / parses[i],
                    loadPeaks[i] / parsePeaks[i]);
    std::sort(parses.begin(), parses.end());
    std::sort(loads.begin(), loads.end());
    std::printf("    medians: bare parse %7.1f ms | load %7.1f ms (%.2fx)\n", parses[1], loads[1],
                loads[1] / parses[1]);
    return true;
}

// Writes the register file, then measures the bare parse and the register each in a child.
int runSize(int persons)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zok.xml"));
    double megabytes = 0;
    {
        const QByteArray bytes = orvanel::bench::generateRegister(persons);
        megabytes = bytes.size() / 1e6;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    std::printf("%7d persons %6.1f MB\n", persons, megabytes);
    std::fflush(stdout);
    if (!compareStarts(path))
        return 1;
    std::fflush(stdout);
    QProcess bare;
    bare.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare"), path});
    bare.waitForFinished(-1);
    const QList<QByteArray> figures = bare.readAllStandardOutput().simplified().split(' ');
    if (bare.exitCode() != 0 || figures.size() != 4)
        return 1;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--register"), dir.path(), QString::number(persons),
                 QString::fromLatin1(figures[0]), QString::fromLatin1(figures[1]),
                 QString::fromLatin1(figures[2]), QString::fromLatin1(figures[3])});
    child.waitForFinished(-1);
    return child.exitCode();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--bare"))
        return runBare(args[1]);
    if (args.size() == 2 && args[0].startsWith(QLatin1String("--first-")))
        return runFirst(args[0] == QLatin1String("--first-load"), args[1]);
    if (args.size() == 7 && args[0] == QLatin1String("--register"))
        return runRegister(args[1], args[2].toInt(), args[3].toDouble(), args[4].toDouble(),
                           args[5].toDouble(), args[6].toDouble());
    const std::optional<std::vector<int>> sizes =
        orvanel::bench::SizesFromArguments(args, {1000, 10000, 100000});
    if (!sizes)
        return 2;
    for (const int persons : *sizes) {
        if (runSize(persons) != 0)
            return 1;
    }
    return 0;
}
