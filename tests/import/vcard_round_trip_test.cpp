// vCard files read back: this program's own export of a register, and cards that an independent
// writer (Python's vobject package) serialised.

#include "export/exported_person.h"
#include "export/vcard_export.h"
#include "import/vcard_reader.h"
#include "support/register_xml.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

using F = PersonField;

const QDate kToday(2026, 12, 6);

const QList<std::pair<QString, QHash<QString, QString>>> kPersons = {
    {QStringLiteral("AB0001-7"),
     {{"OptionalID", "LV;01,2"},
      {"Name", " Ērika"},
      {"MiddleName", "Līga, \"Lī\""},
      {"Surname", "Ģirts-Ozoliņa; jun."},
      {"Sex", "F"},
      {"DateOfBirth", "1950/2/1"},
      {"StreetAddress", "Brīvības iela 1, dz. 2\nOtrā rinda; \\ ar slīpsvītru"},
      {"City", "Rīga"},
      {"ZipCode", "LV-1010"},
      {"Country", "Latvija"},
      {"Phone1", "+371 2000 0000"},
      {"Phone2", "+371 2000 0001"},
      {"Fax", "+371 2000 0002"},
      {"Mobile", "+371 2999 9999"},
      {"EMail", "erika@example.org"},
      {"Comment", "  Starts with spaces,\nends with a quote \"  "}}},
    {QStringLiteral("AB0002-5"),
     {{"Name", "Лев"},
      {"MiddleName", "Николаевич"},
      {"Surname", "Толстой"},
      {"Sex", "M"},
      {"DateOfBirth", "1828/9/9"},
      {"State", "Тульская область"},
      {"Comment", QStringLiteral("Длинная заметка ").repeated(12)}}},
    {QStringLiteral("AB0003-3"), {{"Name", "太郎"}, {"Surname", "山田"}, {"Sex", ""}}},
};

// 1 is a child of 2 and a twin of 3, stored from both sides; 3 is a sibling of someone outside.
const char* const kRelations =
    "<Rel ID1=\"AB0001-7\" ID2=\"AB0002-5\" Dir=\"child\" Inv=\"parent\"/>\n"
    "<Rel ID1=\"AB0002-5\" ID2=\"AB0001-7\" Dir=\"parent\" Inv=\"child\"/>\n"
    "<Rel ID1=\"AB0003-3\" ID2=\"AB0001-7\" Dir=\"twin\" Inv=\"twin\"/>\n"
    "<Rel ID1=\"AB0003-3\" ID2=\"AB0009-X\" Dir=\"sibling\" Inv=\"sibling\"/>\n";

TEST(VCardRoundTrip, OwnExportComesBackWithEveryFieldAVCardCarries)
{
    QByteArray records;
    QStringList ids;
    for (const auto& [id, values] : kPersons) {
        records += PersonXml(id).set(values).xml();
        ids << id;
    }
    Register reg;
    ParseRecordsInto(reg, records + PersonXml(QStringLiteral("AB0009-X")).xml() + kRelations);
    const std::vector<ExportedPerson> exported = ExportedPersons(reg, ids);

    const ImportBatch batch = ReadVCards(VCardExport(exported, kToday));
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
    std::vector<std::tuple<std::size_t, std::size_t, QString>> links;
    for (const ImportedLink& link : batch.links)
        links.emplace_back(link.person, link.other, link.kind);
    const std::vector<std::tuple<std::size_t, std::size_t, QString>> expected{
        {0, 1, "child"}, {0, 2, "twin"}};
    EXPECT_EQ(links, expected);
    EXPECT_EQ(batch.losses, (std::array<int, kImportLossCount>{}));
}

TEST(VCardRoundTrip, CardsAnIndependentWriterSerialisedAreRead)
{
    QString python = QStandardPaths::findExecutable(QStringLiteral("python3"),
                                                    {QStringLiteral("/usr/bin")});
    if (python.isEmpty())
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    ASSERT_FALSE(python.isEmpty()) << "python3 is missing: run scripts/install-deps.sh";
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("written.vcf"));
    QProcess run;
    run.start(python,
              {QStringLiteral(ORVANEL_TEST_DATA "/../import/vcard_vobject_writer.py"), path});
    ASSERT_TRUE(run.waitForFinished(30000) && run.exitStatus() == QProcess::NormalExit
                && run.exitCode() == 0)
        << "the vobject writer failed (is python3-vobject installed? run "
           "scripts/install-deps.sh): "
        << run.readAllStandardError().toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));

    const ImportBatch batch = ReadVCards(file.readAll());
    ASSERT_EQ(batch.persons.size(), 2u);
    const PersonValue& jelena = batch.persons[0].value;
    EXPECT_EQ(jelena.text(F::Surname), "Ščerbakova");
    EXPECT_EQ(jelena.text(F::Name), "Jeļena");
    EXPECT_EQ(jelena.text(F::MiddleName), "Ņina");
    EXPECT_EQ(jelena.text(F::EMail), "jelena@example.org");
    EXPECT_EQ(jelena.text(F::Mobile), "+371 2000 1234");
    EXPECT_EQ(jelena.text(F::Phone1), "+371 6000 1234");
    EXPECT_EQ(jelena.text(F::Fax), "+371 6000 9999");
    EXPECT_EQ(jelena.text(F::StreetAddress), "Tērbatas iela 1, dz. 2");
    EXPECT_EQ(jelena.text(F::City), "Rīga");
    EXPECT_EQ(jelena.text(F::ZipCode), "LV-1011");
    EXPECT_EQ(jelena.text(F::Country), "Latvija");
    EXPECT_EQ(jelena.text(F::DateOfBirth), "1977/9/8");
    EXPECT_EQ(jelena.text(F::Comment),
              "Rinda ar komatu, semikolu; un slīpsvītru \\.\nOtrā rinda, "
                  + QStringLiteral("gara ").repeated(30));
    EXPECT_EQ(batch.persons[1].value.text(F::DateOfBirth), "1980/2/29");
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 2);  // the second e-mail and the organisation
}

}  // namespace
}  // namespace orvanel::testing
