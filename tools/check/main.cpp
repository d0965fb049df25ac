// orvanel-check: loads "zok.xml" of the current folder exactly as the program does, writes
// nothing, and says what it found.
#include "store/clock.h"
#include "store/load.h"
#include "store/messages.h"
#include "store/register.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// The program would show these in message boxes; here the first one is the answer.
class CollectingMessages final : public orvanel::Messages {
public:
    void error(const QString& text) override { shown << text; }
    void warning(const QString& text) override { shown << text; }
    bool question(const QString&, const QString&) override { return false; }
    QStringList shown;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    orvanel::Register reg;
    CollectingMessages messages;
    orvanel::SystemClock clock;
    const orvanel::LoadReport report = orvanel::LoadRegister(reg, messages, clock);
    if (reg.loadFailed) {
        out << report.refusal << '\n';
        return 1;
    }
    out << "OK\n"
        << "persons " << reg.personCounter << '\n'
        << "relationships " << reg.relCounter << '\n'
        << "prefix " << reg.idPrefix << '\n';
    for (const orvanel::IdConversion& c : report.conversions)
        out << "converted " << c.from << ' ' << c.to << '\n';
    return 0;
}
