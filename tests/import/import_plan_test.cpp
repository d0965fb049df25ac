#include "import/import_plan.h"
#include "import/import_batch_support.h"
#include "support/loaded_register.h"

#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

PersonXml Born(int n, const char* name, const char* surname, const char* birth,
               const char* status = "Active")
{
    return PersonXml(Id(n))
        .set(QStringLiteral("Name"), QString::fromUtf8(name))
        .set(QStringLiteral("Surname"), QString::fromUtf8(surname))
        .set(QStringLiteral("DateOfBirth"), QString::fromUtf8(birth))
        .set(QStringLiteral("Status"), QString::fromUtf8(status));
}

TEST(ImportPlan, MarksTheActivePersonWithTheSameNamesAndBirthDayAndLeavesItUnchosen)
{
    LoadedRegister loaded(RegisterXml()
                              .person(Born(1, "Anna", "Ozola", "1950/2/1", "Deleted"))
                              .person(Born(2, "Anna", "Ozola", "1950/2/1"))
                              .person(Born(3, "Anna", "Ozola", "1950/2/1"))
                              .person(Born(4, "Juris", "Berzs", "no date"))
                              .person(Born(5, "Ilze", "Kalna", "")));
    ASSERT_TRUE(Accepted(loaded.report));
    ImportBatch batch;
    batch.persons = {
        Imported("Anna", "Ozola", "1950/02/01"),  // the same day, spelled otherwise
        Imported("Anna", "Ozola", "1950/2/2"),    // another day
        Imported("anna", "Ozola", "1950/2/1"),    // names compare exactly
        Imported("Juris", "Berzs", "no date"),    // no date on either side: the same text
        Imported("Juris", "Berzs", "No date"),
        Imported("Ilze", "Kalna", ""),
    };
    const ImportPlan plan = PlanImport(loaded.reg, batch, kTestToday);
    ASSERT_EQ(plan.rows.size(), 6u);
    // The first active one in document order is named; the deleted one never.
    EXPECT_EQ(plan.rows[0].existingId, Id(2));
    EXPECT_EQ(plan.rows[1].existingId, QString());
    EXPECT_EQ(plan.rows[2].existingId, QString());
    EXPECT_EQ(plan.rows[3].existingId, Id(4));
    EXPECT_EQ(plan.rows[4].existingId, QString());
    EXPECT_EQ(plan.rows[5].existingId, Id(5));
    EXPECT_EQ(plan.chosen, (std::vector<bool>{false, true, true, false, true, false}));
    EXPECT_EQ(plan.chosenCount(), 3);
    // The row shows the file's own texts.
    EXPECT_EQ(plan.rows[0].name, QStringLiteral("Anna"));
    EXPECT_EQ(plan.rows[0].surname, QStringLiteral("Ozola"));
    EXPECT_EQ(plan.rows[0].birthDate, QStringLiteral("1950/02/01"));
}

TEST(ImportPlan, AnEmptyRegisterChoosesEveryPerson)
{
    LoadedRegister loaded(RegisterXml{});
    ImportBatch batch;
    batch.persons = {Imported("Anna", "Ozola"), Imported("Anna", "Ozola")};
    const ImportPlan plan = PlanImport(loaded.reg, batch, kTestToday);
    EXPECT_EQ(plan.chosen, (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace orvanel::testing
