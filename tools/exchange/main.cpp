// orvanel-exchange: moves persons between the register of a folder and a file of another
// program, without opening a window. `export` writes the register's active persons as GEDCOM,
// vCard or CSV and changes nothing; `import` reads a GEDCOM, vCard or CSV file into the register
// and saves it as the program does.
#include "export/person_export.h"
#include "import/import_apply.h"
#include "import/import_file.h"
#include "import/import_plan.h"
#include "import/import_summary.h"
#include "list_state/text_order.h"
#include "store/clock.h"
#include "store/load.h"
#include "store/person_list.h"
#include "store/record_names.h"
#include "store/register.h"
#include "store/save.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace orvanel;

constexpr int kRefused = 1;
constexpr int kUsageError = 2;

constexpr const char* kUsage =
    "usage: orvanel-exchange export FOLDER FILE [--format vcard|csv|gedcom|gedcom7]\n"
    "       orvanel-exchange import FOLDER FILE [--all]\n";

QTextStream& Out()
{
    static QTextStream out(stdout);
    return out;
}

QTextStream& Err()
{
    static QTextStream err(stderr);
    return err;
}

int Usage(const QString& problem = QString())
{
    if (!problem.isEmpty())
        Err() << "orvanel-exchange: " << problem << '\n';
    Err() << kUsage;
    return kUsageError;
}

int Refused(const QString& message)
{
    Err() << message << '\n';
    return kRefused;
}

// The IDs of the active persons in the order the search window first lists them: by ID, in
// the lists' text order.
QStringList ActivePersonsInListOrder(const Register& reg)
{
    struct Keyed {
        std::u16string key;
        QString id;
    };
    std::vector<Keyed> keyed;
    const PersonList& persons = reg.persons();
    for (int i = 0; i < persons.size(); ++i) {
        const ListedPerson person = persons.at(i);
        if (person.textOrEmpty(PersonField::Status) != QLatin1String(kActiveStatus))
            continue;
        Keyed entry{{}, person.idOrEmpty()};
        AppendTextOrderKey(entry.id, entry.key);
        keyed.push_back(std::move(entry));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    QStringList ids;
    ids.reserve(static_cast<qsizetype>(keyed.size()));
    for (const Keyed& entry : keyed)
        ids << entry.id;
    return ids;
}

int Export(const QString& folder, const QString& file, const QStringList& options)
{
    std::optional<ExportTarget> target;
    if (options.size() == 2 && options.first() == QLatin1String("--format")) {
        const std::optional<ExportFormat> format = ExportFormatNamed(options.last());
        if (!format)
            return Usage(QStringLiteral("unknown format: ") + options.last());
        target = ExportTarget{file, *format};
    } else if (!options.isEmpty()) {
        return Usage();
    } else {
        // The extension decides when it names a format, whatever a filter would say.
        const ExportTarget asVCard = ExportTargetOf({file, ExportFormat::VCard});
        const ExportTarget asCsv = ExportTargetOf({file, ExportFormat::Csv});
        if (asVCard.format != asCsv.format || asVCard.path != file)
            return Usage(QStringLiteral("no format for the name ") + file +
                         QStringLiteral(": give --format"));
        target = asVCard;
    }

    Register reg;
    reg.folder = folder;
    const SystemClock clock;
    // No folder lock: an export only reads, so it also works beside a running program.
    if (const LoadReport report = LoadRegister(reg, clock); report.refusal)
        return Refused(*report.refusal);
    const QStringList ids = ActivePersonsInListOrder(reg);
    try {
        const ExportReport report = ExportPersons(reg, ids, *target, clock.today());
        Out() << QCoreApplication::translate("orvanel::Exchange", "Exported: %1.")
                     .arg(PersonsText(static_cast<int>(ids.size())))
              << '\n';
        if (report.relationsLeftOut > 0)
            Out() << QCoreApplication::translate("orvanel::Exchange", "Left out: %1 leading "
                                                                      "outside the export.")
                         .arg(RelationshipsText(report.relationsLeftOut))
                  << '\n';
    } catch (const Error& e) {
        return Refused(e.message());
    }
    return 0;
}

int Import(const QString& folder, const QString& file, const QStringList& options)
{
    if (options.size() > 1 || (options.size() == 1 && options.first() != QLatin1String("--all")))
        return Usage();
    const bool all = !options.isEmpty();

    Register reg;
    reg.folder = folder;
    const SystemClock clock;
    // The lock keeps the program off the register while it changes, as the program keeps a
    // second copy of itself off.
    if (const LoadReport report = OpenRegister(reg, clock); report.refusal)
        return Refused(*report.refusal);
    try {
        const ImportBatch batch = ReadImport(file);
        ImportPlan plan = PlanImport(reg, batch, clock.today());
        const int likelyDuplicates =
            static_cast<int>(plan.rows.size()) - plan.chosenCount();
        if (all)
            plan.chosen.assign(plan.chosen.size(), true);
        const ImportResult result = ApplyImport(reg, batch, plan.chosen, clock);
        Out() << ImportSummary(batch) << '\n';
        if (!all && likelyDuplicates > 0)
            //: %1 is a count of persons ("2 persons").
            Out() << QCoreApplication::translate("orvanel::Exchange",
                                                 "Left out as already in the register: %1.")
                         .arg(PersonsText(likelyDuplicates))
                  << '\n';
        if (result.persons > 0)
            SaveRegister(reg, clock);
        Out() << AddedText(result.persons, result.relationships) << '\n';
    } catch (const Error& e) {
        return Refused(e.message());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3)
        return Usage();
    const QString& command = args.at(0);
    const QString& folder = args.at(1);
    const QString& file = args.at(2);
    const QStringList options = args.mid(3);
    // A file given in the folder's place must not be answered with a change to another folder.
    if (!QFileInfo(folder).isDir())
        return Usage(QStringLiteral("not a folder: ") + folder);
    int status = kUsageError;
    if (command == QLatin1String("export"))
        status = Export(folder, file, options);
    else if (command == QLatin1String("import"))
        status = Import(folder, file, options);
    else
        status = Usage(QStringLiteral("unknown command: ") + command);
    Out().flush();
    Err().flush();
    return status;
}
