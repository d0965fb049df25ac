// Importing a GEDCOM file of N persons beside libxml2's bare parse of a register file of the same
// persons: the goal is an import, reading and adding together, that takes no longer than that
// parse. Each is timed as the first of a fresh process, three times in turns, as this machine's
// times drift:
//   - the bare parse of zok.xml;
//   - ReadGedcom alone;
//   - the whole import into an empty register: ReadGedcom, the preview's plan and ApplyImport;
//   - the whole import into a register of N persons, loaded first and not timed. That process
//     also times a bare parse after the import, in memory like the import's, which is printed
//     beside it.
//   bench_import           100k persons
//   bench_import N...      the sizes given
// Each child can be run alone, for a profile or a count of instructions:
//   bench_import --first-parse DIR | --first-read DIR | --first-import-empty DIR
//   bench_import --first-import-full DIR      (DIR from a run with ORVANEL_BENCH_KEEP=1)
#include "support/measure.h"
#include "support/register_generator.h"

#include "import/gedcom_reader.h"
#include "import/import_apply.h"
#include "import/import_plan.h"
#include "store/clock.h"
#include "store/load.h"

#include <QCoreApplication>
#include <QDir>
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

const char* const kNames[] = {"Anna", "Jānis", "Émile", "Olga", "Peter", "Zoë", "Ivan", "Maria"};
const char* const kSurnames[] = {"Bērziņš", "Smith", "Ozola", "Müller", "Kalniņa", "Novak"};
const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                               "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// A 5.5.1 file as this program's export writes it: every person with the fields the register
// generator fills, in families of two parents and two children (five links for four persons).
QByteArray GenerateGedcom(int persons)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(persons) * 330);
    out += "0 HEAD\n1 SOUR ORVANEL\n2 VERS 0.1.0\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n"
           "1 CHAR UTF-8\n";
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    for (int i = 0; i < persons; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray name = kNames[next() % 8];
        const QByteArray surname = kSurnames[next() % 6];
        const QByteArray family = QByteArray::number(i / 4);
        out += "0 @I" + n + "@ INDI\n1 NAME " + name + " /" + surname + "/\n2 GIVN " + name
               + "\n2 SURN " + surname + "\n1 SEX " + (next() % 2 ? "M" : "F") + "\n1 BIRT\n2 DATE "
               + QByteArray::number(1 + next() % 28) + " " + kMonths[next() % 12] + " 19"
               + QByteArray::number(20 + next() % 80) + "\n1 RESI\n2 ADDR Street " + n
               + "\n3 CONT Flat 2\n3 ADR1 Street " + n + "\n4 CONT Flat 2\n3 CITY "
               + (i % 3 ? "Rīga" : "London") + "\n3 POST LV-" + QByteArray::number(1000 + i % 9000)
               + "\n3 CTRY " + (i % 3 ? "Latvia" : "United Kingdom") + "\n2 PHON +371 "
               + QByteArray::number(20000000 + i) + "\n2 EMAIL person" + n
               + "@@example.org\n1 REFN AB" + n + "\n1 " + (i % 4 < 2 ? "FAMS" : "FAMC") + " @F"
               + family + "@\n";
    }
    for (int f = 0; f * 4 < persons; ++f) {
        const int first = f * 4;
        out += "0 @F" + QByteArray::number(f) + "@ FAM\n";
        const char* roles[] = {"HUSB", "WIFE", "CHIL", "CHIL"};
        for (int k = 0; k < 4 && first + k < persons; ++k)
            out += QByteArray("1 ") + roles[k] + " @I" + QByteArray::number(first + k) + "@\n";
    }
    out += "0 TRLR\n";
    return out;
}

double PeakMiB()
{
    return orvanel::bench::peakMemoryMiB();
}

double MsSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The three files of a size, in one folder: the register of N persons, an empty register in a
// folder of its own, and the GEDCOM file.
struct BenchFiles {
    QString full;   // folder of zok.xml with N persons
    QString empty;  // folder of zok.xml with none
    QString gedcom;
};

BenchFiles FilesIn(const QString& dir)
{
    return {dir + QStringLiteral("/full"), dir + QStringLiteral("/empty"),
            dir + QStringLiteral("/family.ged")};
}

QString DataFileOf(const QString& folder)
{
    return folder + QLatin1Char('/') + QString::fromLatin1(orvanel::kDataFileName);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Reading, the preview's plan and the adding of every person found, as the import does it.
// Prints the whole time and its parts.
bool ImportInto(orvanel::Register& reg, const QString& gedcom, QElapsedTimer& timer)
{
    QFile file(gedcom);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const orvanel::SystemClock clock;
    timer.start();
    const orvanel::ImportBatch batch = orvanel::ReadGedcom(file.readAll());
    const double readMs = MsSince(timer);
    const orvanel::ImportPlan plan = orvanel::PlanImport(reg, batch, clock.today());
    const double planMs = MsSince(timer) - readMs;
    std::vector<bool> all(batch.persons.size(), true);
    const orvanel::ImportResult result = orvanel::ApplyImport(reg, batch, all, clock);
    const double totalMs = MsSince(timer);
    if (result.persons != static_cast<int>(batch.persons.size()) || result.persons == 0 ||
        plan.rows.size() != batch.persons.size())
        return false;
    std::printf("%.3f %.3f %.3f %.3f", totalMs, readMs, planMs, totalMs - readMs - planMs);
    return true;
}

// One measurement as the first thing of a fresh process. Prints its time in ms first and the
// peak memory in MiB last, with the parts of an import between.
int RunFirst(const QString& what, const QString& dir)
{
    const BenchFiles files = FilesIn(dir);
    QElapsedTimer timer;
    if (what == QLatin1String("--first-parse")) {
        const QByteArray nativePath = QFile::encodeName(DataFileOf(files.full));
        timer.start();
        xmlFreeDoc(xmlReadFile(nativePath.constData(), nullptr, 0));
        std::printf("%.3f", MsSince(timer));
    } else if (what == QLatin1String("--first-read")) {
        QFile file(files.gedcom);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        timer.start();
        const orvanel::ImportBatch batch = orvanel::ReadGedcom(file.readAll());
        if (batch.persons.empty())
            return 1;
        std::printf("%.3f", MsSince(timer));
    } else if (what == QLatin1String("--first-import-empty") ||
               what == QLatin1String("--first-import-full")) {
        const bool full = what.endsWith(QLatin1String("full"));
        orvanel::Register reg;
        reg.folder = full ? files.full : files.empty;
        const orvanel::SystemClock clock;
        if (orvanel::LoadRegister(reg, clock).refused() || !ImportInto(reg, files.gedcom, timer))
            return 1;
        if (full) {
            // The bare parse in a process that holds the register and the import, as the
            // import's own memory came.
            const QByteArray nativePath = QFile::encodeName(DataFileOf(files.full));
            timer.start();
            xmlFreeDoc(xmlReadFile(nativePath.constData(), nullptr, 0));
            std::printf(" %.3f", MsSince(timer));
        }
    } else {
        return 2;
    }
    std::printf(" %.1f\n", PeakMiB());
    return 0;
}

struct Mode {
    const char* flag;
    const char* title;
};

const Mode kModes[] = {
    {"--first-parse", "bare parse zok.xml        "},
    {"--first-read", "ReadGedcom alone          "},
    {"--first-import-empty", "import into empty register"},
    {"--first-import-full", "import into N persons     "},
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int RunSize(int persons)
{
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("ORVANEL_BENCH_KEEP"));
    const BenchFiles files = FilesIn(dir.path());
    const QByteArray registerBytes = orvanel::bench::generateRegister(persons);
    const QByteArray gedcomBytes = GenerateGedcom(persons);
    if (!QDir().mkpath(files.full) || !QDir().mkpath(files.empty) ||
        !WriteFile(DataFileOf(files.full), registerBytes) ||
        !WriteFile(DataFileOf(files.empty), orvanel::bench::generateRegister(0)) ||
        !WriteFile(files.gedcom, gedcomBytes))
        return 1;
    std::printf("%7d persons: zok.xml %.1f MB, GEDCOM %.1f MB%s%s\n", persons,
                registerBytes.size() / 1e6, gedcomBytes.size() / 1e6,
                dir.autoRemove() ? "" : ", kept in ", dir.autoRemove() ? "" : qPrintable(dir.path()));
    constexpr std::size_t kModeCount = std::size(kModes);
    std::vector<double> times[kModeCount];
    std::vector<double> parsesBeside;  // the bare parse after the import into N persons
    for (int turn = 0; turn < 3; ++turn) {
        for (std::size_t m = 0; m < kModeCount; ++m) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::fromLatin1(kModes[m].flag), dir.path()});
            child.waitForFinished(-1);
            const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
            if (child.exitCode() != 0 || figures.size() < 2)
                return 1;
            times[m].push_back(figures[0].toDouble());
            std::printf("    %s %8.1f ms", kModes[m].title, figures[0].toDouble());
            if (figures.size() >= 5)
                std::printf(" (read %.1f, plan %.1f, add %.1f)", figures[1].toDouble(),
                            figures[2].toDouble(), figures[3].toDouble());
            if (figures.size() == 6) {
                parsesBeside.push_back(figures[4].toDouble());
                std::printf(", bare parse after it %.1f ms", figures[4].toDouble());
            }
            std::printf(" %6.0f MiB\n", figures.back().toDouble());
        }
    }
    const double parse = Median(times[0]);
    std::printf("  medians against the first bare parse (%.1f ms):\n", parse);
    for (std::size_t m = 1; m < kModeCount; ++m)
        std::printf("    %s %8.1f ms  %.2fx\n", kModes[m].title, Median(times[m]),
                    Median(times[m]) / parse);
    std::printf("    import into N persons against the bare parse after it (%.1f ms): %.2fx\n",
                Median(parsesBeside), Median(times[3]) / Median(parsesBeside));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0].startsWith(QLatin1String("--first-")))
        return RunFirst(args[0], args[1]);
    const std::optional<std::vector<int>> sizes =
        orvanel::bench::SizesFromArguments(args, {100000});
    if (!sizes)
        return 2;
    for (const int persons : *sizes) {
        if (RunSize(persons) != 0)
            return 1;
    }
    return 0;
}
