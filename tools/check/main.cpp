// orvanel-check: loads "zok.xml" of a folder (the current one unless given) exactly as the
// program does, writes nothing, and says what it found.
#include "store/clock.h"
#include "store/load.h"
#include "store/register.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    // A file given by mistake must not be answered with the verdict on another folder.
    const QStringList args = app.arguments().mid(1);
    if (args.size() > 1 || (args.size() == 1 && !QFileInfo(args.first()).isDir())) {
        if (args.size() == 1)
            err << "orvanel-check: not a folder: " << args.first() << '\n';
        err << "usage: orvanel-check [FOLDER]   (checks FOLDER/zok.xml, the current folder's "
               "unless given)\n";
        return kUsageError;
    }

    orvanel::Register reg;
    if (!args.isEmpty())
        reg.folder = args.first();
    orvanel::SystemClock clock;
    // No folder lock: checking only reads, so it also works beside a running program.
    const orvanel::LoadReport report = orvanel::LoadRegister(reg, clock);
    if (report.refusal) {
        out << *report.refusal << '\n';
        return 1;
    }
    out << "OK\n"
        << "persons " << reg.personCounter() << '\n'
        << "relationships " << reg.relCounter() << '\n'
        << "prefix " << reg.idPrefix << '\n';
    for (const orvanel::IdConversion& c : report.conversions)
        out << "converted " << c.from << ' ' << c.to << '\n';
    return 0;
}
