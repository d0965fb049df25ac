// Prints what loading hostile data files costs: for each, whether the load refused it, how long
// it took, how much memory the process gained, and what else it opened. Each file is loaded in a
// fresh process (the fault program, with the fault library only watching), so that peak memory
// is the file's own.
//
//   hostile_figures [--small]     --small: sizes a hundred times smaller, for a quick look
#include "fault_run.h"
#include "hostile_files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstring>
#include <functional>

namespace {

using namespace orvanel;
using namespace orvanel::faults;

struct Case {
    QString name;
    std::function<QByteArray(const QString& secretFolder)> make;
};

// Lines of the call log that open something other than the data file, or touch the network.
QStringList strayCalls(const ChildResult& run)
{
    QStringList strays;
    for (const QString& call : run.calls) {
        const QString op = call.section(QLatin1Char(' '), 1, 1);
        const QString what = call.section(QLatin1Char(' '), 3, 3);
        if (op == QStringLiteral("net") || (op == QStringLiteral("open") && !what.endsWith(
                                                                             QStringLiteral("/zok.xml"))))
            strays << call;
    }
    return strays;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int scale = argc > 1 && std::strcmp(argv[1], "--small") == 0 ? 100 : 1;
    const int mb = 1000 * 1000 / scale;
    QTextStream out(stdout);

    // A file the loader must never read, and a port nothing listens on.
    QTemporaryDir secret;
    writeFile(secret.filePath(QStringLiteral("secret.txt")), "secret");
    writeFile(secret.filePath(QStringLiteral("outside.dtd")), "<!ENTITY fromOutside \"secret\">");
    const QString secretFile = secret.filePath(QStringLiteral("secret.txt"));

    using namespace orvanel::hostile;
    const std::vector<Case> cases = {
        {"comment of 50 MB", [&](const QString&) { return bigComment(50 * qsizetype(mb)); }},
        {"person text of 50 MB", [&](const QString&) { return bigText(50 * qsizetype(mb)); }},
        {"person text of 11 MB", [&](const QString&) { return bigText(11 * qsizetype(mb)); }},
        {"1,000,000 other elements", [&](const QString&) { return manyOtherElements(1000000 / scale); }},
        {"nesting 1,000,000 deep", [&](const QString&) { return deepNesting(1000000 / scale); }},
        {"nesting 200 deep", [&](const QString&) { return deepNesting(200); }},
        {"entity bomb 10^10, in a text", [&](const QString&) { return entityBomb(10, "text"); }},
        {"entity bomb 10^10, in an attribute",
         [&](const QString&) { return entityBomb(10, "attribute"); }},
        {"one 100 kB entity used 100,000 times",
         [&](const QString&) { return quadraticBlowup(100000, 100000 / scale); }},
        {"external entity, local file",
         [&](const QString&) { return externalEntity("file://" + secretFile); }},
        {"external entity, URL",
         [&](const QString&) { return externalEntity(QStringLiteral("http://127.0.0.1:9/x")); }},
        {"external parameter entity, local file",
         [&](const QString&) { return externalParameterEntity("file://" + secretFile); }},
        {"external document type, local file",
         [&](const QString& s) { return externalDocumentType(s + "/outside.dtd"); }},
        {"external document type, URL",
         [&](const QString&) { return externalDocumentType(QStringLiteral("http://127.0.0.1:9/x.dtd")); }},
        {"XInclude of a local file", [&](const QString&) { return xinclude(secretFile); }},
        {"entity bomb 10^10 after a faulty declaration",
         [&](const QString&) { return entityBombAfterBadDeclaration(10); }},
        {"200,000 attributes on one element", [&](const QString&) { return manyAttributes(200000 / scale); }},
        {"64 attributes on one element", [&](const QString&) { return manyAttributes(64); }},
        {"50,000 elements with 64 attributes each",
         [&](const QString&) { return manyElementsWithManyAttributes(50000 / scale, 64); }},
        {"100,000 elements with 64 attributes each",
         [&](const QString&) { return manyElementsWithManyAttributes(100000 / scale, 64); }},
        {"1,000,000 distinct element names",
         [&](const QString&) { return manyElementNames(1000000 / scale); }},
        {"attribute value of 50 MB", [&](const QString&) { return longAttributeValue(50 * qsizetype(mb)); }},
        {"100,000 elements with 60 namespaces each",
         [&](const QString&) { return manyNamespaceDeclarations(100000 / scale, 60); }},
        {"identifier of 10 MB", [&](const QString&) { return longIdentifier(10 * qsizetype(mb)); }},
    };

    out << "| file | size | outcome | load | memory gained | other files or network |\n"
        << "|---|---|---|---|---|---|\n";
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const QByteArray bytes = c.make(secret.path());
        writeFile(folder.filePath(QStringLiteral("zok.xml")), bytes);
        QElapsedTimer wall;
        wall.start();
        const ChildResult run = runFaultChild(folder.path(), {QStringLiteral("load")});
        const QString load = run.value(QStringLiteral("load"));
        const double gainedMb = (run.value(QStringLiteral("peak-kb-after")).toDouble() -
                                 run.value(QStringLiteral("peak-kb-before")).toDouble()) /
                                1024.0;
        const QStringList strays = strayCalls(run);
        out << "| " << c.name << " | " << QString::number(bytes.size() / 1e6, 'f', 2) << " MB | "
            << (run.hung ? QStringLiteral("HUNG") : run.killed ? QStringLiteral("CRASHED") : load)
            << " | " << run.value(QStringLiteral("load-ms")) << " ms | "
            << QString::number(gainedMb, 'f', 1) << " MB | "
            << (strays.isEmpty() ? QStringLiteral("none") : strays.join(QStringLiteral("; ")))
            << " |\n";
        out.flush();
    }
    return 0;
}
