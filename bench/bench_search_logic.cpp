// Figures for the search window's logic on a large register: building the list's rows, sorting
// them by each column, and each filter test on its own. Prints one line per figure, the median
// of several runs. `bench_search_logic [PERSONS] [--no-bare-parse]`, 100,000 persons unless told;
// the start of the same register is timed too, the figure the list's steps are weighed against.
// A bare parse of a million persons takes 20 s and 9 GB a run: --no-bare-parse leaves it out.

#include "search/filter_criteria.h"
#include "search/person_rows.h"
#include "list_state/column_sorter.h"
#include "store/load.h"
#include "widgets/row_list_model.h"
#include "support/fixed_clock.h"
#include "support/measure.h"
#include "support/register_generator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <vector>

namespace {

using namespace orvanel;

constexpr int kDefaultPersons = 100000;
constexpr int kRuns = 5;

// Times `run` and prints its line; the row count is taken after the runs.
void report(const char* what, const std::vector<orvanel::PersonRow>& rows,
            const std::function<void()>& run, const std::function<void()>& prepare = {})
{
    const double ms = bench::MedianMs(kRuns, run, [&] {
        if (prepare)
            prepare();
    });
    std::printf("%-34s %8.1f ms  %6zu rows\n", what, ms, rows.size());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int persons = args.isEmpty() ? kDefaultPersons : args[0].toInt();
    if (persons <= 0)
        return 2;
    QTemporaryDir folder;
    {
        QFile file(folder.filePath(QString::fromLatin1(kDataFileName)));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(bench::generateRegister(persons, 1.5)) < 0)
            return 1;
    }
    // The baseline of this run: libxml2's bare parse of the same file.
    const QByteArray path = QFile::encodeName(folder.filePath(QString::fromLatin1(kDataFileName)));
    if (!args.contains(QStringLiteral("--no-bare-parse"))) {
        const double bareParse = bench::MedianMs(
            kRuns, [&] { xmlFreeDoc(xmlReadFile(path.constData(), nullptr, 0)); });
        std::printf("bare parse of the same file        %8.1f ms  (0.1x is %.1f ms)\n", bareParse,
                    bareParse / 10);
    }
    Register reg;
    reg.folder = folder.path();
    const FixedClock clock(QDate(2026, 12, 6));
    QElapsedTimer start;
    start.start();
    if (const LoadReport report = LoadRegister(reg, clock); report.refusal) {
        std::fprintf(stderr, "%s\n", qPrintable(*report.refusal));
        return 1;
    }
    const double startMs = static_cast<double>(start.nsecsElapsed()) / 1e6;
    std::printf("start (load) of the register        %8.1f ms  (0.05x is %.1f ms)\n", startMs,
                startMs / 20);
    std::printf("register: %d persons, %d relationships\n", reg.personCounter(), reg.relCounter());

    std::vector<PersonRow> rows;
    report("build rows (all active)", rows, [&] { ListActivePersons(reg, rows); });

    // Each sort starts from document order, as after a rebuild, and goes through the list's
    // model as a column click does.
    const char* const columns[] = {"ID",  "Name",          "Middle Name", "Surname",
                                   "Sex", "Date Of Birth", "OptionalID"};
    RowListModelOf<PersonRow> list(
        {columns[0], columns[1], columns[2], columns[3], columns[4], columns[5], columns[6]},
        [&reg](const PersonRow& row, int column) { return PersonRowCell(reg, row, column); },
        [&reg](const PersonRow& row, int column, std::u16string& out) {
            AppendPersonRowCell(reg, row, column, out);
        },
        [&reg](const PersonRow& row, int column) { return PersonRowTextNumber(reg, row, column); });
    int key = 0;
    TlvPieskatitajs sorter(&key, 7);
    for (int column = 0; column < 7; ++column) {
        sorter.ColumnClick(column);
        const QByteArray label = QByteArray("sort by ") + columns[column];
        report(label.constData(), rows, [&] { list.sortRows(sorter); },
               [&] { list.setRows(rows); });
    }
    sorter.ColumnClick(3);  // descending on the second click
    report("sort by Surname, descending", rows, [&] { list.sortRows(sorter); },
           [&] { list.setRows(rows); });

    struct FilterCase {
        const char* label;
        std::function<void(FilterCriteria&)> set;
    };
    const FilterCase cases[] = {
        {"filter: none", [](FilterCriteria&) {}},
        {"filter: ID contains \"12\"",
         [](FilterCriteria& c) { c.IdEnabled = true; c.IdText = "12"; }},
        {"filter: name contains \"ann\"",
         [](FilterCriteria& c) { c.NameEnabled = true; c.NameText = "ann"; }},
        {"filter: middle name contains \"a\"",
         [](FilterCriteria& c) { c.MiddleNameEnabled = true; c.MiddleNameText = "a"; }},
        {"filter: surname contains \"smi\"",
         [](FilterCriteria& c) { c.SurnameEnabled = true; c.SurnameText = "smi"; }},
        {"filter: females", [](FilterCriteria& c) { c.SexChoice = 2; }},
        {"filter: contact contains \"@ex\"",
         [](FilterCriteria& c) { c.ContactEnabled = true; c.ContactText = "@ex"; }},
        {"filter: contact, no match",
         [](FilterCriteria& c) { c.ContactEnabled = true; c.ContactText = "nowhere"; }},
        {"filter: born 1950-1959", [](FilterCriteria& c) {
             c.DateEnabled = true;
             c.DateFrom = QDate(1950, 1, 1);
             c.DateTo = QDate(1959, 12, 31);
         }},
    };
    for (const FilterCase& filterCase : cases) {
        FilterCriteria criteria = InitialFilterCriteria(clock);
        filterCase.set(criteria);
        report(filterCase.label, rows,
               [&] { ListFilteredPersons(reg, criteria, clock, rows); });
    }
    std::printf("peak memory: %.0f MiB\n", bench::peakMemoryMiB());
    return 0;
}
