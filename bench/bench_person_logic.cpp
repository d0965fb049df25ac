// Figures for the person dialog's relationship logic on large registers: the relatives rows of
// a person with ten relatives, the relationship dialog's candidate rows, and the commit of ten
// rows. Two sizes show how each figure grows. Prints one line per figure, the median of several
// runs.

#include "import/import_apply.h"
#include "import/import_plan.h"
#include "relations/relationship_choices.h"
#include "relations/relatives.h"
#include "store/clock.h"
#include "store/load.h"
#include "store/person_id.h"
#include "list_state/column_sorter.h"
#include "widgets/row_list_model.h"
#include "support/register_generator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace orvanel;

constexpr int kRuns = 7;
constexpr int kRelatives = 10;

double medianMs(const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(int persons, const char* what, double ms, std::size_t rows)
{
    std::printf("%7d persons  %-32s %8.2f ms  %6zu rows\n", persons, what, ms, rows);
}

bool measure(int persons)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QString::fromLatin1(kDataFileName)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bench::generateRegister(persons, 1.5)) < 0)
        return false;
    file.close();

    Register reg;
    reg.folder = dir.path();
    const SystemClock clock;
    QElapsedTimer start;
    start.start();
    if (const LoadReport report = LoadRegister(reg, clock); report.refusal) {
        std::fprintf(stderr, "%s\n", qPrintable(*report.refusal));
        return false;
    }
    // The figure the dialog's steps are weighed against.
    report(persons, "start (load) of the register", static_cast<double>(start.nsecsElapsed()) / 1e6,
           static_cast<std::size_t>(reg.personCounter()));

    // A person in the middle of the file, given ten relatives spread over the register.
    const QString personId = FormatId(QStringLiteral("AB"), persons / 2);
    std::vector<RelativeRow> rows;
    for (int i = 0; i < kRelatives; ++i) {
        const QString otherId = FormatId(QStringLiteral("AB"), 1 + i * (persons / kRelatives));
        rows.push_back({QStringLiteral("sibling"), otherId, {}, {}, {}});
    }
    CommitRelatives(reg, personId, rows);

    std::size_t count = 0;
    double ms = medianMs([&] { count = reg.readPerson(reg.findPerson(personId)).has(PersonField::Name); });
    report(persons, "the dialog's person read", ms, count);
    ms = medianMs([&] { count = RelativesOf(reg, personId).size(); });
    report(persons, "relatives rows of one person", ms, count);
    ms = medianMs([&] { count = RelationshipCandidates(reg, personId).size(); });
    report(persons, "relationship candidate rows", ms, count);
    // As the dialog fills its list: the rows, sorted by ID as it first stands.
    RowListModelOf<PersonChoice> list(
        {"ID", "Name", "Middle Name", "Surname"},
        [&reg](const PersonChoice& choice, int column) { return PersonChoiceCell(reg, choice, column); },
        [&reg](const PersonChoice& choice, int column, std::u16string& out) {
            AppendPersonChoiceCell(reg, choice, column, out);
        },
        [&reg](const PersonChoice& choice, int column) {
            return PersonChoiceTextNumber(reg, choice, column);
        });
    int key = 0;
    const TlvPieskatitajs sorter(&key, 4);
    ms = medianMs([&] { list.setRows(RelationshipCandidates(reg, personId, list.takeRows()), sorter); });
    report(persons, "candidate rows listed by ID", ms, static_cast<std::size_t>(list.rowCount()));
    ms = medianMs([&] { CommitRelatives(reg, personId, rows); });
    report(persons, "commit of ten relatives rows", ms, rows.size());
    return RelativesOf(reg, personId).size() == rows.size();
}

// The import of a batch as large as the register into it: the preview's plan (one hash of the
// register's persons), then the adding of every person and of a link per person. Measured once:
// the second run would add to a register twice as large.
bool measureImport(int persons)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QString::fromLatin1(kDataFileName)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bench::generateRegister(persons, 1.5)) < 0)
        return false;
    file.close();
    Register reg;
    reg.folder = dir.path();
    const SystemClock clock;
    if (const LoadReport report = LoadRegister(reg, clock); report.refusal)
        return false;

    ImportBatch batch;
    batch.persons.resize(static_cast<std::size_t>(persons));
    for (int i = 0; i < persons; ++i) {
        PersonValue& value = batch.persons[static_cast<std::size_t>(i)].value;
        value.set(PersonField::Name, QStringLiteral("Name%1").arg(i));
        value.set(PersonField::Surname, QStringLiteral("Surname%1").arg(i % 997));
        value.set(PersonField::DateOfBirth, QStringLiteral("19%1/%2/%3")
                                                .arg(10 + i % 90).arg(1 + i % 12).arg(1 + i % 28));
        if (i > 0)
            batch.links.push_back({static_cast<std::size_t>(i), static_cast<std::size_t>(i - 1),
                                   QStringLiteral("child")});
    }
    QElapsedTimer timer;
    timer.start();
    const ImportPlan plan = PlanImport(reg, batch, clock.today());
    const double planMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    const ImportResult result = ApplyImport(reg, batch, plan.chosen, clock);
    const double applyMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    report(persons, "import plan against as many", planMs, plan.rows.size());
    report(persons, "import apply of as many", applyMs, static_cast<std::size_t>(result.persons));
    return result.persons == plan.chosenCount() && reg.personCounter() == 2 * persons;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // `bench_person_logic [PERSONS...]`, 10,000 and 100,000 unless told. The import is measured
    // up to 100,000 persons, where its goal stands.
    std::vector<int> sizes;
    for (const QString& arg : app.arguments().mid(1))
        sizes.push_back(arg.toInt());
    if (sizes.empty())
        sizes = {10000, 100000};
    for (const int persons : sizes) {
        if (persons <= 0 || !measure(persons) || (persons <= 100000 && !measureImport(persons))) {
            std::fprintf(stderr, "the register of %d persons could not be measured\n", persons);
            return 1;
        }
    }
    std::printf("peak memory %.0f MiB\n", orvanel::bench::peakMemoryMiB());
    return 0;
}
