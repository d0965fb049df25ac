// This program's own CSV export read back: every field the file carries comes back as stored,
// the apostrophes that guard formula-like texts against spreadsheets taken off again.

#include "export/csv_export.h"
#include "export/exported_person.h"
#include "import/csv_reader.h"
#include "support/register_xml.h"

#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

using F = PersonField;

TEST(CsvRoundTrip, OwnExportComesBackAsStored)
{
    const QList<std::pair<QString, QHash<QString, QString>>> persons = {
        {QStringLiteral("AB0001-7"),
         {{"OptionalID", "=HYPERLINK(\"x\")"},
          {"Name", " Ērika "},
          {"MiddleName", "Līga, \"Lī\""},
          {"Surname", "-Ozoliņa"},
          {"Sex", "F"},
          {"DateOfBirth", "1950/2/1"},
          {"StreetAddress", "Brīvības iela 1\nOtrā rinda; \\"},
          {"City", "Rīga"},
          {"State", "@Vidzeme"},
          {"ZipCode", "LV-1010"},
          {"Country", "Latvija"},
          {"Phone1", "+371 2000 0000"},
          {"Phone2", "-5"},
          {"Fax", "'kept as typed"},
          {"Mobile", "+371 2999 9999"},
          {"EMail", "erika@example.org"},
          {"Comment", "\tTab first,\nthen \"quoted\""}}},
        {QStringLiteral("AB0002-5"),
         {{"Name", "Лев"}, {"Surname", "Толстой"}, {"Sex", "M"}, {"DateOfBirth", "1828/9/9"}}},
        {QStringLiteral("AB0003-3"), {{"Name", "太郎"}, {"Surname", "山田"}, {"Sex", ""}}},
    };
    QByteArray records;
    QStringList ids;
    for (const auto& [id, values] : persons) {
        records += PersonXml(id).set(values).xml();
        ids << id;
    }
    Register reg;
    ParseRecordsInto(reg, records);
    const std::vector<ExportedPerson> exported = ExportedPersons(reg, ids);

    const ImportBatch batch = ReadCsv(CsvExport(exported));
    ASSERT_EQ(batch.persons.size(), exported.size());
    for (std::size_t i = 0; i < exported.size(); ++i) {
        for (const PersonFieldInfo& info : kPersonFields) {
            if (!info.edited)
                continue;  // the record's status and dates are the register's own
            EXPECT_EQ(batch.persons[i].value.text(info.field), exported[i].value.text(info.field))
                << info.element << " of " << exported[i].value.id.toStdString();
        }
        EXPECT_TRUE(batch.persons[i].value.id.isEmpty());
    }
    // ID, Status and the record's dates are the register's own, not lost.
    EXPECT_EQ(batch.losses, (std::array<int, kImportLossCount>{}));
}

}  // namespace
}  // namespace orvanel::testing
