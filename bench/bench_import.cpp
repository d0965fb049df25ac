// Reading a GEDCOM file of N persons beside libxml2's bare parse of a register file of the same
// persons: the goal is an import that takes no longer than that parse. Each is timed as the first
// of a fresh process, three times in turns, as this machine's times drift.
//   bench_import           100k persons
//   bench_import N...      the sizes given
#include "support/register_generator.h"

#include "import/gedcom_reader.h"

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

// One reading as the first thing of a fresh process: its time in ms and the peak memory.
int RunFirst(const QString& what, const QString& path)
{
    QElapsedTimer timer;
    if (what == QLatin1String("--first-parse")) {
        const QByteArray nativePath = QFile::encodeName(path);
        timer.start();
        xmlFreeDoc(xmlReadFile(nativePath.constData(), nullptr, 0));
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        timer.start();
        const orvanel::ImportBatch batch = orvanel::ReadGedcom(file.readAll());
        if (batch.persons.empty())
            return 1;
    }
    std::printf("%.3f %.1f\n", timer.nsecsElapsed() / 1e6, PeakMiB());
    return 0;
}

int RunSize(int persons)
{
    QTemporaryDir dir;
    const QString xml = dir.filePath(QStringLiteral("zok.xml"));
    const QString ged = dir.filePath(QStringLiteral("family.ged"));
    const QByteArray registerBytes = orvanel::bench::generateRegister(persons);
    const QByteArray gedcomBytes = GenerateGedcom(persons);
    for (const auto& [path, bytes] : {std::pair{xml, registerBytes}, std::pair{ged, gedcomBytes}}) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }
    std::printf("%7d persons: zok.xml %.1f MB, GEDCOM %.1f MB\n", persons, registerBytes.size() / 1e6,
                gedcomBytes.size() / 1e6);
    std::vector<double> parses, imports;
    for (int turn = 0; turn < 3; ++turn) {
        for (const bool import : {false, true}) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {import ? QStringLiteral("--first-import") : QStringLiteral("--first-parse"),
                         import ? ged : xml});
            child.waitForFinished(-1);
            const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
            if (child.exitCode() != 0 || figures.size() != 2)
                return 1;
            (import ? imports : parses).push_back(figures[0].toDouble());
            std::printf("    %s %8.1f ms %6.0f MiB\n", import ? "ReadGedcom        " : "bare parse zok.xml",
                        figures[0].toDouble(), figures[1].toDouble());
        }
    }
    std::sort(parses.begin(), parses.end());
    std::sort(imports.begin(), imports.end());
    std::printf("  medians: bare parse %8.1f ms | ReadGedcom %8.1f ms (%.2fx)\n", parses[1], imports[1],
                imports[1] / parses[1]);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0].startsWith(QLatin1String("--first-")))
        return RunFirst(args[0], args[1]);
    std::vector<int> sizes;
    for (const QString& arg : args) {
        if (arg.toInt() <= 0) {
            std::fprintf(stderr, "not a number of persons: %s\n", qPrintable(arg));
            return 2;
        }
        sizes.push_back(arg.toInt());
    }
    if (sizes.empty())
        sizes = {100000};
    for (const int persons : sizes) {
        if (RunSize(persons) != 0)
            return 1;
    }
    return 0;
}
