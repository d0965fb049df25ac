#include "search/filter_criteria.h"
#include "search/person_rows.h"
#include "list_state/column_sorter.h"
#include "store/errors.h"
#include "store/person_id.h"
#include "support/fixed_clock.h"
#include "support/loaded_register.h"
#include "widgets/row_list_model.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::PersonXml;
using testing::ParseRecordsInto;

QStringList ids(const Register& reg, const std::vector<PersonRow>& rows)
{
    QStringList out;
    for (const PersonRow& row : rows)
        out << PersonRowId(reg, row);
    return out;
}

QStringList cells(const Register& reg, const PersonRow& row)
{
    QStringList out;
    for (int column = 0; column <= static_cast<int>(kPersonRowFields.size()); ++column)
        out << PersonRowCell(reg, row, column);
    return out;
}

TEST(PersonRows, RowHoldsTheIdAndTheSixStoredTextsUnchanged)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7")
                              .set("Name", " Anna ")
                              .set("MiddleName", "Marie")
                              .set("Surname", "B\u0113rzi\u0146a")
                              .set("Sex", "F")
                              .set("DateOfBirth", "1950/3/5")
                              .set("OptionalID", "old-17")
                              .set("Comment", "not shown")
                              .xml());
    const PersonRow row = FillPersonRow(reg.persons().at(0));
    EXPECT_EQ(PersonRowId(reg, row), "AB0001-7");
    EXPECT_EQ(cells(reg, row), QStringList({"AB0001-7", " Anna ", "Marie", "B\u0113rzi\u0146a", "F",
                                            "1950/3/5", "old-17"}));
    EXPECT_EQ(PersonRowCell(reg, row, 7), "");

    // A row reads the record as it stands: an edit shows without building the row again.
    PersonValue value = reg.readPerson(row.person);
    value.set(PersonField::Surname, QStringLiteral("Ozola"));
    reg.updatePerson(row.person, value);
    EXPECT_EQ(PersonRowCell(reg, row, 3), "Ozola");
}

TEST(PersonRows, ListsOnlyPersonsExactlyActiveInDocumentOrder)
{
    Register reg;
    ParseRecordsInto(
        reg,
        PersonXml("AB0003-1").xml()
            + PersonXml("AB0001-7").set("Status", "Deleted").xml()
            + " <Rel ID1=\"AB0003-1\" ID2=\"AB0002-4\" Dir=\"child\" Inv=\"parent\"/>\n"
              " <Note>Active</Note>\n <!-- a comment -->\n"
            + PersonXml("AB0002-4").xml()
            + PersonXml("AB0004-8").set("Status", "active").xml()
            + PersonXml("AB0005-1").set("Status", "Active ").xml()
            // A record that is not listed is not read either: its missing name does no harm.
            + PersonXml("AB0006-5").set("Status", "Deleted").without("Name").xml()
            + PersonXml("AB0007-9").xml());
    std::vector<PersonRow> rows(3);  // whatever was there before is replaced
    ListActivePersons(reg, rows);
    EXPECT_EQ(ids(reg, rows), QStringList({"AB0003-1", "AB0002-4", "AB0007-9"}));
}

TEST(PersonRows, EmptyRegisterGivesNoRows)
{
    Register reg;
    ParseRecordsInto(reg, "");
    std::vector<PersonRow> rows(2);
    ListActivePersons(reg, rows);
    EXPECT_TRUE(rows.empty());
    ListFilteredPersons(reg, InitialFilterCriteria(FixedClock(QDate(2026, 1, 1))),
                        FixedClock(QDate(2026, 1, 1)), rows);
    EXPECT_TRUE(rows.empty());
}

TEST(PersonRows, MissingChildStopsTheListKeepingTheRowsBefore)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7").xml() + PersonXml("AB0002-3").xml()
                          + PersonXml("AB0003-9").without("OptionalID").xml()
                          + PersonXml("AB0004-5").xml());
    std::vector<PersonRow> rows;
    try {
        ListActivePersons(reg, rows);
        FAIL() << "the missing child must stop the list";
    } catch (const NodeNotFound& e) {
        EXPECT_EQ(e.message(), "Node \"OptionalID\" not found");
    }
    // Complete rows only: nothing of the bad record, nothing after it.
    EXPECT_EQ(ids(reg, rows), QStringList({"AB0001-7", "AB0002-3"}));
}

TEST(PersonRows, PersonWithoutStatusStopsTheList)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7").xml()
                          + PersonXml("AB0002-3").without("Status").xml());
    std::vector<PersonRow> rows;
    EXPECT_THROW(ListActivePersons(reg, rows), NodeNotFound);
    EXPECT_EQ(ids(reg, rows), QStringList({"AB0001-7"}));
}

class FilteredRowsTest : public ::testing::Test {
protected:
    FixedClock clock{QDate(2026, 12, 6)};
    FilterCriteria criteria = InitialFilterCriteria(clock);
    std::vector<PersonRow> rows;
};

TEST_F(FilteredRowsTest, KeepsActiveMatchesInDocumentOrder)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7").set("Surname", "Smith").xml()
                          + PersonXml("AB0002-4").set("Surname", "Jones").xml()
                          + PersonXml("AB0003-1")
                                .set("Surname", "SMITHSON")
                                .set("Status", "Deleted")
                                .xml()
                          + PersonXml("AB0004-8").set("Surname", "Goldsmith").xml());
    criteria.SurnameEnabled = true;
    criteria.SurnameText = "smith";
    ListFilteredPersons(reg, criteria, clock, rows);
    EXPECT_EQ(ids(reg, rows), QStringList({"AB0001-7", "AB0004-8"}));

    criteria.SurnameText.clear();  // a checked box with an empty text matches nobody
    ListFilteredPersons(reg, criteria, clock, rows);
    EXPECT_TRUE(rows.empty());
}

TEST_F(FilteredRowsTest, InactiveRecordsAreNeverOfferedToTheFilter)
{
    Register reg;
    ParseRecordsInto(
        reg,
        PersonXml("AB0001-7").set("Status", "Deleted").set("DateOfBirth", "junk").xml()
            + PersonXml("AB0002-4").set("DateOfBirth", "1960/1/1").xml());
    criteria.DateEnabled = true;
    ListFilteredPersons(reg, criteria, clock, rows);
    EXPECT_EQ(ids(reg, rows), QStringList({"AB0002-4"}));
}

TEST_F(FilteredRowsTest, UnreadableBirthDateStopsTheListKeepingTheRowsBefore)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0001-7").set("DateOfBirth", "1960/1/1").xml()
                          + PersonXml("AB0002-4").set("DateOfBirth", "1800/1/1").xml()
                          + PersonXml("AB0003-1").set("DateOfBirth", "1960/2/30").xml()
                          + PersonXml("AB0004-8").set("DateOfBirth", "1960/1/1").xml());
    criteria.DateEnabled = true;
    try {
        ListFilteredPersons(reg, criteria, clock, rows);
        FAIL() << "the unreadable date must stop the list";
    } catch (const InvalidDate& e) {
        EXPECT_EQ(e.message(), "'1960/2/30' is not a valid date");
    }
    EXPECT_EQ(ids(reg, rows), QStringList({"AB0001-7"}));
}

TEST(PersonRows, ListsARegisterReadFromItsFile)
{
    const QString first = FormatId("AB", 1);
    const QString second = FormatId("AB", 2);
    const QString third = FormatId("AB", 3);
    testing::LoadedRegister loaded(testing::RegisterXml()
                                       .person(PersonXml(first).set("Name", "Olga"))
                                       .person(PersonXml(second).set("Status", "Deleted"))
                                       .rel(first, third, "parent", "child")
                                       .person(PersonXml(third).set("Name", "Ivan")));
    Register& reg = loaded.reg;
    const FixedClock& clock = loaded.clock;

    std::vector<PersonRow> rows;
    ListActivePersons(reg, rows);
    ASSERT_EQ(ids(reg, rows), QStringList({first, third}));
    EXPECT_EQ(PersonRowCell(reg, rows[1], 1), "Ivan");

    FilterCriteria criteria = InitialFilterCriteria(clock);
    criteria.NameEnabled = true;
    criteria.NameText = "IVA";
    ListFilteredPersons(reg, criteria, clock, rows);
    EXPECT_EQ(ids(reg, rows), QStringList({third}));
}

TEST(PersonRowOrder, SortsRowsByTheSorterColumnAsText)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml("AB0010-8").set("Name", "Anna").set("MiddleName", "")
                                  .set("Surname", "smith").set("Sex", "F").set("DateOfBirth", "1950/2/1")
                                  .set("OptionalID", "").xml()
                          + PersonXml("AB0009-1").set("Name", "Olga").set("MiddleName", "")
                                  .set("Surname", "Adams").set("Sex", "F").set("DateOfBirth", "1950/10/1")
                                  .set("OptionalID", "").xml()
                          + PersonXml("AB0002-4").set("Name", "Ivan").set("MiddleName", "")
                                  .set("Surname", "SMITH").set("Sex", "M")
                                  .set("DateOfBirth", "1951/1/1").set("OptionalID", "x").xml());
    RowListModelOf<PersonRow> list(
        {"ID", "Name", "Middle Name", "Surname", "Sex", "Date Of Birth", "OptionalID"},
        [&reg](const PersonRow& row, int column) { return PersonRowCell(reg, row, column); });
    int key = 0;
    TlvPieskatitajs sorter(&key, 7);
    // no click yet: ascending by ID
    std::vector<PersonRow> rows;
    ListActivePersons(reg, rows);
    list.setRows(rows, sorter);
    EXPECT_EQ(ids(reg, list.rows()), QStringList({"AB0002-4", "AB0009-1", "AB0010-8"}));

    sorter.ColumnClick(5);  // dates as stored texts: 1950/10/1 before 1950/2/1
    list.sortRows(sorter);
    EXPECT_EQ(ids(reg, list.rows()), QStringList({"AB0009-1", "AB0010-8", "AB0002-4"}));

    sorter.ColumnClick(3);
    sorter.ColumnClick(3);  // descending by surname; the two Smiths keep their order
    list.sortRows(sorter);
    EXPECT_EQ(ids(reg, list.rows()), QStringList({"AB0010-8", "AB0002-4", "AB0009-1"}));
    EXPECT_EQ(cells(reg, list.row(0)),
              QStringList({"AB0010-8", "Anna", "", "smith", "F", "1950/2/1", ""}));
}

// The window's list reads one text of each group of rows whose texts the register numbers alike;
// each column must come out as the list that reads every text sorts it.
TEST(PersonRowOrder, SortsByTextNumbersAsByTexts)
{
    Register reg;
    QByteArray xml;
    const char* const names[] = {"Anna", "anna", "Olga", "Ivan"};
    const char* const surnames[] = {"SMITH", "Smith", "Adams"};
    const char* const dates[] = {"1950/2/1", "1950/10/1", "", "1951/1/1"};
    for (int i = 1; i <= 64; ++i)
        xml += PersonXml(FormatId("AB", i % 7 == 0 ? 7 : i))
                   .set("Name", names[i % 4])
                   .set("Surname", surnames[i % 3])
                   .set("Sex", i % 2 ? "F" : "M")
                   .set("DateOfBirth", dates[(i / 4) % 4])
                   .set("OptionalID", QString::number(i % 5))
                   .xml();
    ParseRecordsInto(reg, xml);
    const QStringList titles{"ID", "Name", "Middle Name", "Surname", "Sex", "Date Of Birth",
                             "OptionalID"};
    const auto cell = [&reg](const PersonRow& row, int column) {
        return PersonRowCell(reg, row, column);
    };
    RowListModelOf<PersonRow> byTexts(titles, cell);
    RowListModelOf<PersonRow> byNumbers(
        titles, cell,
        [&reg](const PersonRow& row, int column, std::u16string& out) {
            AppendPersonRowCell(reg, row, column, out);
        },
        [&reg](const PersonRow& row, int column) { return PersonRowTextNumber(reg, row, column); });
    std::vector<PersonRow> rows;
    ListActivePersons(reg, rows);
    int key = 0;
    TlvPieskatitajs sorter(&key, 7);
    for (int column = 0; column < 7; ++column) {
        for (int click = 0; click < 2; ++click) {
            sorter.ColumnClick(column);
            byTexts.setRows(rows, sorter);
            byNumbers.setRows(rows, sorter);
            EXPECT_EQ(ids(reg, byNumbers.rows()), ids(reg, byTexts.rows()))
                << "column " << column << " click " << click;
        }
    }
}

}  // namespace
}  // namespace orvanel
