#include "store/errors.h"
#include "store/file_date.h"
#include "support/qt_printers.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace orvanel;

namespace {
const QDate kToday(2026, 12, 7);
}

TEST(FileDate, WritesYearMonthDayWithoutLeadingZerosWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatFileDate(QDate(2009, 7, 4)), "2009/7/4");
    EXPECT_EQ(FormatFileDate(QDate(1950, 1, 1)), "1950/1/1");
    EXPECT_EQ(FormatFileDate(QDate(2026, 12, 6)), "2026/12/6");
    EXPECT_EQ(FormatFileDate(QDate(812, 3, 9)), "0812/3/9");
    QLocale::setDefault(QLocale::c());
}

TEST(FileDate, WritesEveryDayAsTheNumbersOfItsParts)
{
    // Year 1 to 9999 are written digit by digit, every other date by the general form.
    const auto general = [](QDate d) {
        return QStringLiteral("%1/%2/%3")
            .arg(d.year(), 4, 10, QLatin1Char('0'))
            .arg(d.month())
            .arg(d.day());
    };
    for (QDate d(1, 1, 1); d.year() <= 9999; d = d.addDays(97))
        ASSERT_EQ(FormatFileDate(d), general(d)) << d.toJulianDay();
    for (const QDate d : {QDate(1, 1, 1), QDate(9999, 12, 31), QDate(10000, 1, 1), QDate(-1, 12, 31),
                          QDate(1999, 10, 10), QDate(2000, 9, 9), QDate()})
        EXPECT_EQ(FormatFileDate(d), general(d)) << d.toJulianDay();
    EXPECT_EQ(FormatFileDate(QDate(9999, 12, 31)), "9999/12/31");
    EXPECT_EQ(FormatFileDate(QDate(1, 1, 1)), "0001/1/1");
}

TEST(FileDate, ReadsWhatItWritesAndTheLenientForms)
{
    EXPECT_EQ(ParseFileDate("1950/1/1", kToday), QDate(1950, 1, 1));
    EXPECT_EQ(ParseFileDate("1950/01/01", kToday), QDate(1950, 1, 1));
    EXPECT_EQ(ParseFileDate(" 2009 / 7 /4 / ", kToday), QDate(2009, 7, 4));
    EXPECT_EQ(ParseFileDate("2009/7/4/", kToday), QDate(2009, 7, 4));
    // One or two digits of year are in the current century.
    EXPECT_EQ(ParseFileDate("9/1/1", kToday), QDate(2009, 1, 1));
    EXPECT_EQ(ParseFileDate("95/1/1", kToday), QDate(2095, 1, 1));
    EXPECT_EQ(ParseFileDate("095/1/1", kToday), QDate(95, 1, 1));
    // Month and day alone are in the current year.
    EXPECT_EQ(ParseFileDate("12/24", kToday), QDate(2026, 12, 24));
    EXPECT_EQ(ParseFileDate("2012/2/29", kToday), QDate(2012, 2, 29));
    EXPECT_EQ(ParseFileDate("00001950/1/1", kToday), QDate(1950, 1, 1));
}

TEST(FileDate, RefusesEverythingElseNamingTheText)
{
    for (const char* bad : {"", " ", "2009", "2009/", "2009/7/", "12/24/", "2009/7/4//",
                            "2009-7-4", "2009/7/4x", "x2009/7/4", "2009/13/1", "2009/0/1",
                            "2011/2/29", "2009/4/31", "0000/1/1", "12345/1/1", "2009/7/4 5",
                            "\t2009/7/4", "2009/+7/4"}) {
        try {
            ParseFileDate(QString::fromLatin1(bad), kToday);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const InvalidDate& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid date").arg(bad));
        }
    }
}

TEST(TypedDate, ReadsWhatTheFileReadsInAnyScriptsDigitsAndEightDigitsAlone)
{
    EXPECT_EQ(ParseTypedDate("1999/1/15", kToday), QDate(1999, 1, 15));
    EXPECT_EQ(ParseTypedDate("2001/12/24", kToday), QDate(2001, 12, 24));
    EXPECT_EQ(ParseTypedDate(" 2009 / 07 /04 ", kToday), QDate(2009, 7, 4));
    EXPECT_EQ(ParseTypedDate("12/24", kToday), QDate(2026, 12, 24));
    EXPECT_EQ(ParseTypedDate("19771231", kToday), QDate(1977, 12, 31));
    EXPECT_EQ(ParseTypedDate(" 00500304 ", kToday), QDate(50, 3, 4));
    // Arabic-Indic, Extended Arabic-Indic, Devanagari and full-width digits.
    EXPECT_EQ(ParseTypedDate(QStringLiteral("١٩٧٧/١٢/٣١"), kToday), QDate(1977, 12, 31));
    EXPECT_EQ(ParseTypedDate(QStringLiteral("١٩٧٧١٢٣١"), kToday), QDate(1977, 12, 31));
    EXPECT_EQ(ParseTypedDate(QStringLiteral("۲۰۰۱/۱۲/۲۴"), kToday), QDate(2001, 12, 24));
    EXPECT_EQ(ParseTypedDate(QStringLiteral("१९९९/१/१५"), kToday), QDate(1999, 1, 15));
    EXPECT_EQ(ParseTypedDate(QStringLiteral("２００１/１２/２４"), kToday), QDate(2001, 12, 24));
    EXPECT_EQ(ParseTypedDate(QStringLiteral("1999/١/15"), kToday), QDate(1999, 1, 15));
}

TEST(TypedDate, GivesNoDateForPartsOfDatesAndOtherText)
{
    for (const QString& bad :
         {QString(), QStringLiteral("1999"), QStringLiteral("1999/1"), QStringLiteral("1999/1/"),
          QStringLiteral("1999/13/1"), QStringLiteral("19991315"), QStringLiteral("1977123"),
          QStringLiteral("197712311"), QStringLiteral("1977 1231"), QStringLiteral("1999-1-15"),
          QStringLiteral("2011/2/29"), QStringLiteral("00000101"),
          // Superscripts are digits of a kind, but not decimal digits anyone types as a date.
          QStringLiteral("¹⁹⁹⁹/1/1"), QStringLiteral("(not readable)")}) {
        EXPECT_FALSE(ParseTypedDate(bad, kToday).isValid()) << bad.toStdString();
    }
}
