// Figures for the data store on generated registers: load, lookups, removal and save, beside
// libxml2's bare parse and save of the same file. Each size runs in a process of its own so that
// its peak memory is its own.
//   bench_store            all sizes
//   bench_store N          one size
#include "support/register_generator.h"

#include "store/load.h"
#include "store/lookup.h"
#include "store/person_id.h"
#include "store/save.h"
#include "store/save_target.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <vector>

namespace {

template <typename F>
double medianMs(int runs, F&& f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int runOne(int persons)
{
    QTemporaryDir dir;
    const QByteArray bytes = orvanel::bench::generateRegister(persons);
    const QString path = dir.filePath("zok.xml");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    const QByteArray nativePath = QFile::encodeName(path);
    const QByteArray barePath = QFile::encodeName(dir.filePath("bare.xml"));

    const double bareParse = medianMs(3, [&] { xmlFreeDoc(xmlReadFile(nativePath, nullptr, 0)); });
    xmlDocPtr bare = xmlReadFile(nativePath, nullptr, 0);
    const double bareSave = medianMs(3, [&] { xmlSaveFileEnc(barePath, bare, "UTF-8"); });
    xmlFreeDoc(bare);

    orvanel::SystemClock clock;
    orvanel::Register reg;
    orvanel::LoadReport report;
    const double load = medianMs(3, [&] {
        reg = orvanel::Register();
        reg.folder = dir.path();
        report = orvanel::LoadRegister(reg, clock);
    });
    if (report.refusal) {
        std::fprintf(stderr, "error: %s\n", qPrintable(*report.refusal));
        return 1;
    }
    const QString lastId = orvanel::FormatId(reg.idPrefix, persons);
    const double firstFind = medianMs(1, [&] { orvanel::FindPerson(reg, lastId); });
    const double find = medianMs(5, [&] { orvanel::FindPerson(reg, lastId); });
    const double nextFree = medianMs(5, [&] { orvanel::NextFreeId(reg, reg.personCounter()); });
    int victim = persons / 2;
    const double remove = medianMs(3, [&] {
        orvanel::RemoveRelations(reg, orvanel::FormatId(reg.idPrefix, victim++));
    });
    // Closing reads the data file once more to tell another program's change before saving.
    const double changeCheck = medianMs(3, [&] { orvanel::DataFileChangedSinceLoad(reg); });
    const double save = medianMs(3, [&] { orvanel::SaveRegister(reg, clock); });

    std::printf("%7d persons %6.1f MB | bare parse %7.1f ms | load %7.1f ms (%.2fx) | first "
                "FindPerson %6.2f ms | FindPerson %6.3f ms | NextFreeId %6.3f ms | "
                "RemoveRelations %6.2f ms | bare save %6.1f ms | change check %6.1f ms | save %6.1f ms "
                "(%.2fx) | peak %6.0f MiB\n",
                persons, bytes.size() / 1e6, bareParse, load, load / bareParse, firstFind, find,
                nextFree, remove, bareSave, changeCheck, save, save / bareSave,
                orvanel::bench::peakMemoryMiB());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        return runOne(std::atoi(argv[1]));
    for (int persons : {1000, 10000, 100000}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QString::number(persons)});
        child.waitForFinished(-1);
        if (child.exitCode() != 0)
            return 1;
    }
    return 0;
}
