// Which GEDCOM dates name one exact day, and what a person's birth then holds.
#include "gedcom_test_files.h"

#include "import/import_date.h"

namespace orvanel::testing {
namespace {

TEST(GedcomDate, ReadsAnExactDayInAnyCaseWithOrWithoutTheGregorianEscape)
{
    EXPECT_EQ(ExactGedcomDate(u"12 MAR 1948"), QDate(1948, 3, 12));
    EXPECT_EQ(ExactGedcomDate(u"12 Mar 1948"), QDate(1948, 3, 12));
    EXPECT_EQ(ExactGedcomDate(u"1 dec 2020"), QDate(2020, 12, 1));
    EXPECT_EQ(ExactGedcomDate(u"  3  JAN   1901 "), QDate(1901, 1, 3));
    EXPECT_EQ(ExactGedcomDate(u"@#DGREGORIAN@ 29 FEB 2000"), QDate(2000, 2, 29));
    EXPECT_EQ(ExactGedcomDate(u"GREGORIAN 5 MAY 1931"), QDate(1931, 5, 5));
    EXPECT_EQ(ExactGedcomDate(u"7 JUN 48"), QDate(48, 6, 7));  // year 48, not 1948
}

TEST(GedcomDate, NamesNoDayForApproximationsRangesPartsPhrasesAndOtherCalendars)
{
    for (const char16_t* text :
         {u"ABT 1890", u"BEF 1 JAN 1900", u"AFT 1900", u"EST 1850", u"CAL 12 MAR 1948",
          u"BET 1978 AND 1979", u"FROM 1 JAN 1900 TO 2 FEB 1901", u"1890", u"MAR 1948",
          u"(12/25)", u"INT 12 MAR 1948 (on his stone)", u"@#DJULIAN@ 12 MAR 1648",
          u"@#DHEBREW@ 1 TSH 5700", u"JULIAN 12 MAR 1648", u"12 MAR 1699/00", u"12 MAR 44 B.C.",
          u"12 MAR 0", u"31 FEB 1948", u"0 MAR 1948", u"32 JAN 1948", u"12 MRZ 1948",
          u"12 MAR 10000", u"12 MAR -5", u"12 MARCH 1948", u"12 MA 1948", u"", u"1948/3/12", u"12 MAR 1948 1948"})
        EXPECT_EQ(ExactGedcomDate(QStringView(text)), std::nullopt) << QString::fromUtf16(text).toStdString();
}

TEST(GedcomDate, LeavesTheBirthDateEmptyAndAddsTheWrittenDateBelowTheNotes)
{
    const ImportBatch batch = ReadGedcom(Gedcom551(
        {u"0 @I1@ INDI"_qs, u"1 NAME Ella /Koks/"_qs, u"1 BIRT"_qs, u"2 DATE 31 FEB 1948"_qs,
         u"1 NOTE A note."_qs, u"0 @I2@ INDI"_qs, u"1 NAME Ivo /Koks/"_qs, u"1 BIRT"_qs,
         u"2 DATE @#DJULIAN@ 12 MAR 1648"_qs}));
    EXPECT_EQ(batch.persons.at(0).value.text(PersonField::DateOfBirth), u"");
    EXPECT_EQ(batch.persons.at(0).value.text(PersonField::Comment), u"A note.\nBorn: 31 FEB 1948");
    EXPECT_EQ(batch.persons.at(1).value.text(PersonField::Comment), u"Born: @#DJULIAN@ 12 MAR 1648");
    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 2);
}

}  // namespace
}  // namespace orvanel::testing
