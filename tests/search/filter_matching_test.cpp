#include "search/filter_criteria.h"
#include "search/filter_matching.h"
#include "store/errors.h"
#include "support/fixed_clock.h"
#include "support/register_xml.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::PersonXml;
using testing::ParseRecordsInto;

TEST(TextContains, FoldsOnlyAsciiLettersAndFindsContiguousRuns)
{
    EXPECT_TRUE(TextContains(u"smith", u"Smith"));
    EXPECT_TRUE(TextContains(u"SMITH", u"Smith"));
    EXPECT_TRUE(TextContains(u"mIth", u"Smith"));
    EXPECT_TRUE(TextContains(u"h", u"Smith"));        // at the very end
    EXPECT_TRUE(TextContains(u"-7", u"AB0001-7"));
    EXPECT_TRUE(TextContains(u"2\nfl", u"Street 2\nFlat 2"));
    EXPECT_FALSE(TextContains(u"smth", u"Smith"));    // not contiguous
    EXPECT_FALSE(TextContains(u"Smiths", u"Smith"));  // longer than the haystack
    // Only A-Z fold: an accented capital does not match its small form.
    EXPECT_FALSE(TextContains(u"\u00E9mile", u"\u00C9mile"));
    EXPECT_TRUE(TextContains(u"\u00C9MILE", u"\u00C9mile"));
}

TEST(TextContains, EmptyTextsNeverMatch)
{
    EXPECT_FALSE(TextContains(u"", u"Smith"));
    EXPECT_FALSE(TextContains(u"a", u""));
    EXPECT_FALSE(TextContains(u"", u""));
}

TEST(FilterCriteria, StartsWithEveryTestOffAndTheWideBirthRange)
{
    const FixedClock clock(QDate(2026, 12, 6));
    const FilterCriteria criteria = InitialFilterCriteria(clock);
    EXPECT_FALSE(criteria.IdEnabled || criteria.NameEnabled || criteria.MiddleNameEnabled
                 || criteria.SurnameEnabled || criteria.DateEnabled || criteria.ContactEnabled);
    EXPECT_TRUE(criteria.IdText.isEmpty() && criteria.NameText.isEmpty()
                && criteria.MiddleNameText.isEmpty() && criteria.SurnameText.isEmpty()
                && criteria.ContactText.isEmpty());
    EXPECT_EQ(criteria.SexChoice, 0);
    EXPECT_EQ(criteria.DateFrom, QDate(1850, 1, 1));
    EXPECT_EQ(criteria.DateTo, QDate(2050, 1, 1));
}

TEST(FilterCriteria, OneDayRangeIsAcceptedAndInvertedOnlyWhenItsTestIsOff)
{
    const QDate day(1950, 3, 5);
    EXPECT_TRUE(FilterDatesAcceptable(true, day, day));
    EXPECT_FALSE(FilterDatesAcceptable(true, day, day.addDays(-1)));
    EXPECT_TRUE(FilterDatesAcceptable(false, day, day.addDays(-1)));
}

class MatchesFilterTest : public ::testing::Test {
protected:
    // Parses one Person record and tests it against the current criteria.
    bool matches(const PersonXml& person)
    {
        ParseRecordsInto(reg, person.xml());
        return MatchesFilter(criteria, reg.persons().at(0), clock);
    }

    FixedClock clock{QDate(2026, 12, 6)};
    FilterCriteria criteria = InitialFilterCriteria(clock);
    Register reg;
};

TEST_F(MatchesFilterTest, EveryoneMatchesWithAllTestsOff)
{
    EXPECT_TRUE(matches(PersonXml("AB0001-7")));
    // Nothing is read with every test off, not even a broken record's fields.
    EXPECT_TRUE(matches(PersonXml("AB0001-7").without("Name").set("DateOfBirth", "junk")));
}

TEST_F(MatchesFilterTest, CheckedTestWithEmptyTextMatchesNobody)
{
    criteria.SurnameEnabled = true;
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("Surname", "Smith")));
    criteria.SurnameEnabled = false;
    criteria.ContactEnabled = true;
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("City", "Riga")));
}

TEST_F(MatchesFilterTest, TextTestsLookAtTheirOwnField)
{
    const PersonXml person = PersonXml("AB0012-3")
                                 .set("Name", "Anna")
                                 .set("MiddleName", "Marie")
                                 .set("Surname", "Smith")
                                 .set("OptionalID", "zz");
    criteria.IdEnabled = true;
    criteria.IdText = "12-";
    EXPECT_TRUE(matches(person));
    criteria.IdText = "zz";  // the optional ID is not the ID
    EXPECT_FALSE(matches(person));
    criteria.IdEnabled = false;

    criteria.NameEnabled = true;
    criteria.NameText = "ANN";
    EXPECT_TRUE(matches(person));
    criteria.NameText = "Smith";
    EXPECT_FALSE(matches(person));
    criteria.NameEnabled = false;

    criteria.MiddleNameEnabled = true;
    criteria.MiddleNameText = "ari";
    EXPECT_TRUE(matches(person));
    criteria.MiddleNameText = "Anna";
    EXPECT_FALSE(matches(person));
    criteria.MiddleNameEnabled = false;

    criteria.SurnameEnabled = true;
    criteria.SurnameText = "mIth";
    EXPECT_TRUE(matches(person));
}

TEST_F(MatchesFilterTest, AllTestsThatAreOnMustPass)
{
    const PersonXml person = PersonXml("AB0001-7").set("Name", "Anna").set("Surname", "Smith");
    criteria.NameEnabled = true;
    criteria.NameText = "anna";
    criteria.SurnameEnabled = true;
    criteria.SurnameText = "smith";
    EXPECT_TRUE(matches(person));
    criteria.SurnameText = "jones";
    EXPECT_FALSE(matches(person));
}

TEST_F(MatchesFilterTest, SexChoice)
{
    criteria.SexChoice = 1;
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("Sex", "M")));
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("Sex", "m")));
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("Sex", "F")));
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("Sex", "")));
    criteria.SexChoice = 2;
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("Sex", "F")));
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("Sex", "M")));
    for (int any : {0, 3, -1}) {
        criteria.SexChoice = any;
        EXPECT_TRUE(matches(PersonXml("AB0001-7").set("Sex", ""))) << any;
        EXPECT_TRUE(matches(PersonXml("AB0001-7").without("Sex"))) << any;
    }
}

TEST_F(MatchesFilterTest, ContactTestSearchesTheTenContactFieldsOnly)
{
    criteria.ContactEnabled = true;
    criteria.ContactText = "needle";
    // Named here rather than read from the field table, so that a field wrongly marked or
    // unmarked there fails.
    for (const char* field : {"StreetAddress", "City", "State", "ZipCode", "Country", "Phone1",
                              "Phone2", "Fax", "Mobile", "EMail"}) {
        EXPECT_TRUE(matches(PersonXml("AB0001-7").set(field, "a NEEDLE here"))) << field;
    }
    for (const PersonField contact : kContactFields) {
        const char* field = ElementOf(contact);
        EXPECT_TRUE(matches(PersonXml("AB0001-7").set(field, "a NEEDLE here"))) << field;
    }
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("StreetAddress", "Main St 1\nNeedle flat")));
    for (const char* other : {"Comment", "OptionalID", "Name", "MiddleName", "Surname"}) {
        EXPECT_FALSE(matches(PersonXml("AB0001-7").set(other, "needle"))) << other;
    }
    // The line break is part of the text searched.
    criteria.ContactText = "1\nN";
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("StreetAddress", "Main St 1\nNeedle flat")));
}

TEST_F(MatchesFilterTest, ContactTestReadsAllTenFieldsEvenAfterAHit)
{
    criteria.ContactEnabled = true;
    criteria.ContactText = "Riga";
    try {
        matches(PersonXml("AB0001-7").set("City", "Riga").without("EMail"));
        FAIL() << "a missing contact field must fail the test";
    } catch (const NodeNotFound& e) {
        EXPECT_EQ(e.message(), "Node \"EMail\" not found");
    }
}

TEST_F(MatchesFilterTest, BirthDateRangeIncludesBothEndDays)
{
    criteria.DateEnabled = true;
    criteria.DateFrom = QDate(1950, 3, 5);
    criteria.DateTo = QDate(1950, 3, 5);
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("DateOfBirth", "1950/3/5")));
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("DateOfBirth", " 1950/3/5")));
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("DateOfBirth", "1950/3/4")));
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("DateOfBirth", "1950/3/6")));

    // Two-digit years are read in the clock's century.
    criteria.DateFrom = QDate(2050, 3, 5);
    criteria.DateTo = QDate(2050, 3, 5);
    EXPECT_TRUE(matches(PersonXml("AB0001-7").set("DateOfBirth", "50/3/5")));
}

TEST_F(MatchesFilterTest, UnreadableBirthDateFailsWithItsText)
{
    criteria.DateEnabled = true;
    try {
        matches(PersonXml("AB0001-7").set("DateOfBirth", "1950/13/1"));
        FAIL() << "an unreadable date must fail the test";
    } catch (const InvalidDate& e) {
        EXPECT_EQ(e.message(), "'1950/13/1' is not a valid date");
    }
    // An empty birth date cannot be read either.
    EXPECT_THROW(matches(PersonXml("AB0001-7").set("DateOfBirth", "")), InvalidDate);
}

TEST_F(MatchesFilterTest, AFailingEarlierTestStopsBeforeLaterReads)
{
    // The name test fails first, so the broken birth date and the missing contact field are
    // never read.
    criteria.NameEnabled = true;
    criteria.NameText = "nobody";
    criteria.ContactEnabled = true;
    criteria.ContactText = "x";
    criteria.DateEnabled = true;
    EXPECT_FALSE(matches(PersonXml("AB0001-7").set("DateOfBirth", "junk").without("City")));

    // Once the earlier tests pass, the later ones read and fail.
    criteria.NameText = "x";
    EXPECT_THROW(matches(PersonXml("AB0001-7").set("DateOfBirth", "junk").without("City")),
                 NodeNotFound);
    criteria.ContactEnabled = false;
    EXPECT_THROW(matches(PersonXml("AB0001-7").set("DateOfBirth", "junk")), InvalidDate);
}

}  // namespace
}  // namespace orvanel
