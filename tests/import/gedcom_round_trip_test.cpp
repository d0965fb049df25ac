// A register exported as GEDCOM and imported into an empty register comes back whole: every
// person with every field the person dialog edits, and every relationship, in 5.5.1 and in 7.0.

#include "export/exported_person.h"
#include "export/gedcom_export.h"
#include "import/gedcom_reader.h"
#include "import/import_apply.h"
#include "support/loaded_register.h"
#include "support/register_records.h"

#include <QSet>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

using F = PersonField;

// Persons whose texts try the places a GEDCOM line breaks or escapes: given names with a space,
// "@", a long comment of several lines, a phone in the second place only, and birth dates the
// register holds without a year or century.
RegisterXml Family()
{
    const QString longLine = QString(300, QLatin1Char('x')) + QStringLiteral(" end");
    return RegisterXml()
        .person(PersonXml(Id(1)).set({{"Name", "Jānis Pēteris"}, {"MiddleName", "Ādolfs"},
                                      {"Surname", "Ozols"}, {"Sex", "M"},
                                      {"DateOfBirth", "1948/3/12"}, {"OptionalID", "LV-77"},
                                      {"StreetAddress", "Brīvības iela 1\ndz. 2"},
                                      {"City", "Rīga"}, {"State", "Rīgas"}, {"ZipCode", "LV-1010"},
                                      {"Country", "Latvija"}, {"Phone2", "+371 2000 0001"},
                                      {"Fax", "+371 2000 0002"}, {"Mobile", "+371 2999 9999"},
                                      {"EMail", "janis@example.org"},
                                      {"Comment", "First line @ home\n" + longLine + "\n\nlast"}}))
        .person(PersonXml(Id(2)).set({{"Name", "Anna"}, {"Surname", "Ozola"}, {"Sex", "F"},
                                      {"DateOfBirth", "12/25"}, {"Phone1", "+371 2612 3456"}}))
        .person(PersonXml(Id(3)).set({{"Name", "Ilze"}, {"Surname", "Ozola"}, {"Sex", "F"},
                                      {"DateOfBirth", "75/7/2"}}))
        .person(PersonXml(Id(4)).set({{"Name", "Ivars"}, {"Surname", "Ozols"}, {"Sex", "M"},
                                      {"DateOfBirth", "1975/7/2"}}))
        .person(PersonXml(Id(5)).set({{"Name", "Zane"}, {"Surname", "Liepa"}, {"Sex", "F"}}))
        .person(PersonXml(Id(6)).set({{"Name", "Maija"}, {"Surname", "Liepa"}}))
        .rel(Id(3), Id(1), QStringLiteral("child"), QStringLiteral("parent"))
        .rel(Id(3), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
        .rel(Id(1), Id(4), QStringLiteral("parent"), QStringLiteral("child"))
        .rel(Id(2), Id(4), QStringLiteral("parent"), QStringLiteral("child"))
        .rel(Id(3), Id(4), QStringLiteral("twin"), QStringLiteral("twin"))
        // Siblings without a known parent.
        .rel(Id(5), Id(6), QStringLiteral("sibling"), QStringLiteral("sibling"));
}

// Every relationship as both persons read it, by the persons' names: "Ilze child Jānis Pēteris"
// and "Jānis Pēteris parent Ilze" for one record, whichever side it was stored from.
QSet<QString> Relationships(Register& reg)
{
    QSet<QString> seen;
    for (const QString& record : RelRecords(reg)) {
        const QStringList parts = record.split(QLatin1Char(' '));
        const QString first = StoredPerson(reg, parts[0]).text(PersonField::Name);
        const QString second = StoredPerson(reg, parts[1]).text(PersonField::Name);
        seen << first + " " + parts[2] + " " + second << second + " " + parts[3] + " " + first;
    }
    return seen;
}

class GedcomRoundTrip : public ::testing::TestWithParam<GedcomVersion> {};

TEST_P(GedcomRoundTrip, GivesBackEveryPersonFieldAndRelationshipInAnEmptyRegister)
{
    LoadedRegister original(Family());
    ASSERT_TRUE(Accepted(original.report));
    QStringList ids;
    for (int n = 1; n <= 6; ++n)
        ids << Id(n);
    const GedcomFile file =
        GedcomExport(ExportedPersons(original.reg, ids), GetParam(), original.clock.today());
    EXPECT_EQ(file.report.relationsLeftOut, 0);

    const ImportBatch batch = ReadGedcom(file.bytes);
    for (int count : batch.losses)
        EXPECT_EQ(count, 0);
    LoadedRegister empty(RegisterXml{});
    ASSERT_TRUE(Accepted(empty.report));
    const ImportResult result =
        ApplyImport(empty.reg, batch, std::vector<bool>(batch.persons.size(), true), empty.clock);
    ASSERT_EQ(result.persons, 6);

    for (int n = 1; n <= 6; ++n) {
        const PersonValue before = StoredPerson(original.reg, Id(n));
        const PersonValue after = StoredPerson(empty.reg, result.ids[n - 1]);
        for (const PersonFieldInfo& info : kPersonFields) {
            if (!info.edited)
                continue;
            EXPECT_EQ(after.text(info.field), before.text(info.field))
                << Id(n).toStdString() << " " << info.element;
        }
    }
    EXPECT_EQ(Relationships(empty.reg), Relationships(original.reg));
}

INSTANTIATE_TEST_SUITE_P(BothVersions, GedcomRoundTrip,
                         ::testing::Values(GedcomVersion::V551, GedcomVersion::V70),
                         [](const ::testing::TestParamInfo<GedcomVersion>& info) {
                             return info.param == GedcomVersion::V551 ? "Gedcom551" : "Gedcom70";
                         });

}  // namespace
}  // namespace orvanel::testing
