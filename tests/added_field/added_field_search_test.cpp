// The field only the test build has (TestNote) reaches the filter's contact test and both
// exports, for records that hold it and for records written before it existed.
#include "added_field_registers.h"

#include "export/csv_export.h"
#include "export/exported_person.h"
#include "export/vcard_export.h"
#include "store/lookup.h"

#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

TEST(AddedField, TheContactFilterReadsItAndPassesRecordsWithoutIt)
{
    LoadedRegister r(WithoutTheField());
    ASSERT_TRUE(Accepted(r.report));
    // A record without the field is searched through the other contact fields.
    FilterCriteria fax = ContactFilter(QStringLiteral("555"));
    EXPECT_EQ(ActiveIds(r.reg, &fax), QStringList({Id(2)}));

    PersonValue note;
    note.set(kAdded, QStringLiteral("met at the harbour"));
    r.reg.updatePerson(FindPerson(r.reg, Id(1)), note);
    FilterCriteria harbour = ContactFilter(QStringLiteral("HARBOUR"));
    EXPECT_EQ(ActiveIds(r.reg, &harbour), QStringList({Id(1)}));
}

TEST(AddedField, ExportsWriteItsColumnAndPropertyEmptyOrFilled)
{
    LoadedRegister r(WithoutTheField());
    ASSERT_TRUE(Accepted(r.report));
    PersonValue note;
    note.set(kAdded, QStringLiteral("a note"));
    r.reg.updatePerson(FindPerson(r.reg, Id(2)), note);

    const std::vector<ExportedPerson> persons = ExportedPersons(r.reg, {Id(1), Id(2)});
    const QStringList csv = QString::fromUtf8(CsvExport(persons)).split(QStringLiteral("\r\n"));
    ASSERT_GE(csv.size(), 3);
    EXPECT_TRUE(csv[0].endsWith(QStringLiteral(",DateModified,TestNote"))) << csv[0].toStdString();
    EXPECT_TRUE(csv[1].endsWith(QStringLiteral(",2020/1/1,"))) << csv[1].toStdString();
    EXPECT_TRUE(csv[2].endsWith(QStringLiteral(",2020/1/1,a note"))) << csv[2].toStdString();

    const QString cards = QString::fromUtf8(VCardExport(persons, kTestToday));
    EXPECT_EQ(cards.count(QStringLiteral("X-ORVANEL-TEST-NOTE")), 1);
    EXPECT_TRUE(cards.contains(QStringLiteral("X-ORVANEL-TEST-NOTE:a note\r\n")));
}

}  // namespace
}  // namespace orvanel::testing
