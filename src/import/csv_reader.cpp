#include "import/csv_reader.h"

#include "export/csv_export.h"
#include "import/contact_person.h"
#include "import/contact_text.h"
#include "import/csv_columns.h"
#include "import/csv_records.h"
#include "import/csv_row.h"

#include <QCoreApplication>
#include <algorithm>

namespace orvanel {

namespace {


// How often the reading tells how far it has come, in records.
constexpr int kProgressRecords = 4096;

// The texts of a record, as the register would store them. A text that starts with an
// apostrophe and then like a formula was guarded against spreadsheets, by this program's export
// or another's: the apostrophe is not the person's.
QStringList Texts(const std::vector<QByteArray>& fields, int line)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(fields.size()));
    for (const QByteArray& field : fields) {
        std::optional<QString> text = Utf8Text(field);
        if (!text)
            RefuseAtLine(line, QCoreApplication::translate(
                                   "orvanel::Import",
                                   "expected UTF-8 text (a spreadsheet can save CSV as UTF-8)"));
        QString stored = StoredText(std::move(*text), line);
        if (stored.startsWith(QLatin1Char('\'')) && StartsLikeAFormula(stored.mid(1)))
            stored.remove(0, 1);
        texts << stored;
    }
    return texts;
}

}  // namespace

ImportBatch ReadCsv(const QByteArray& file, ImportProgress* progress)
{
    CheckContactFileSize(file);
    const QByteArray bytes = Utf8FileBytes(file);
    CsvRecordReader reader(bytes, CsvDelimiter(bytes));
    std::vector<QByteArray> fields;
    int line = 1;
    const auto refuseHeader = [] {
        RefuseAtLine(1, QCoreApplication::translate(
                            "orvanel::Import",
                            "expected a header naming the columns, such as First Name, Last Name "
                            "or E-mail Address"));
    };
    if (!reader.next(fields, line))
        refuseHeader();
    const std::vector<CsvColumn> columns = CsvColumns(Texts(fields, line));
    if (std::all_of(columns.begin(), columns.end(),
                    [](const CsvColumn& c) { return c.kind == CsvColumnKind::Unknown; }))
        refuseHeader();

    ImportBatch batch;
    std::vector<bool> lostColumns(columns.size(), false);
    int records = 0;
    while (reader.next(fields, line)) {
        if (progress && ++records % kProgressRecords == 0
            && !progress->goOn(reader.position(), bytes.size()))
            throw ImportStopped();
        if (fields.size() == 1 && fields.front().isEmpty())
            continue;  // an empty line
        if (fields.size() != columns.size())
            RefuseAtLine(line,
                         //: %1 and %2 are numbers of fields.
                         QCoreApplication::translate("orvanel::Import",
                                                     "expected %1 fields as the header has, found %2")
                             .arg(columns.size())
                             .arg(fields.size()));
        CheckRoomForPerson(batch, line);
        if (std::optional<ImportedPerson> person =
                CsvRowPerson(columns, Texts(fields, line), line, lostColumns, batch))
            batch.persons.push_back(std::move(*person));
    }
    batch.lost(ImportLoss::OtherData) +=
        static_cast<int>(std::count(lostColumns.begin(), lostColumns.end(), true));
    return batch;
}

}  // namespace orvanel
