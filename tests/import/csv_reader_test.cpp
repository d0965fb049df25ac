// CSV files as address books and spreadsheets write them, read into a batch: the columns matched
// by their titles, the record syntax, the birth dates, what is counted as lost, and what is
// refused.

#include "import/csv_reader.h"
#include "import/csv_row.h"
#include "support/qt_printers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

using F = PersonField;

QByteArray Fixture(const char* name)
{
    QFile file(QStringLiteral(ORVANEL_TEST_DATA "/import/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST(CsvRead, GoogleContactsLayout)
{
    const ImportBatch batch = ReadCsv(Fixture("google.csv"));
    ASSERT_EQ(batch.persons.size(), 3u);
    const PersonValue& anna = batch.persons[0].value;
    EXPECT_EQ(anna.text(F::Name), "Anna");
    EXPECT_EQ(anna.text(F::Surname), "Ozola");
    EXPECT_EQ(anna.text(F::Sex), "F");
    EXPECT_EQ(anna.text(F::DateOfBirth), "1948/3/12");
    EXPECT_EQ(anna.text(F::Comment), "Pirmā rinda\nOtrā rinda, ar komatu un \"pēdiņām\"");
    EXPECT_EQ(anna.text(F::EMail), "anna@example.org");
    // Each numbered phone goes where its type says.
    EXPECT_EQ(anna.text(F::Mobile), "+371 2612 3456");
    EXPECT_EQ(anna.text(F::Phone1), "+371 6712 3456");
    EXPECT_EQ(anna.text(F::Fax), "+371 6712 3457");
    // The parts of the address, not the same address written whole beside them.
    EXPECT_EQ(anna.text(F::StreetAddress), "Brīvības iela 1");
    EXPECT_EQ(anna.text(F::City), "Rīga");
    EXPECT_EQ(anna.text(F::ZipCode), "LV-1010");
    EXPECT_EQ(anna.text(F::Country), "Latvia");
    EXPECT_EQ(batch.persons[0].line, 2);

    const PersonValue& janis = batch.persons[1].value;
    EXPECT_EQ(janis.text(F::Name), "Jānis");
    EXPECT_EQ(janis.text(F::DateOfBirth), "");
    EXPECT_EQ(janis.text(F::Comment), "Born: --07-04");
    EXPECT_EQ(janis.text(F::StreetAddress), "Lauku māja \"Ozoli\"\nSiguldas pagasts");
    // The quoted line breaks of the first record move the next one down.
    EXPECT_EQ(batch.persons[1].line, 6);

    // The whole name alone is split.
    EXPECT_EQ(batch.persons[2].value.text(F::Name), "Kārlis");
    EXPECT_EQ(batch.persons[2].value.text(F::Surname), "Egle");

    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 1);
    // Per column: the second e-mail, the groups, the organisation.
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 3);
}

TEST(CsvRead, OutlookLayout)
{
    const ImportBatch batch = ReadCsv(Fixture("outlook.csv"));
    ASSERT_EQ(batch.persons.size(), 4u);
    const PersonValue& erika = batch.persons[0].value;
    EXPECT_EQ(erika.text(F::Name), "Ērika");
    EXPECT_EQ(erika.text(F::MiddleName), "Līga");
    EXPECT_EQ(erika.text(F::Surname), "Kalna");
    EXPECT_EQ(erika.text(F::Sex), "F");
    EXPECT_EQ(erika.text(F::DateOfBirth), "1950/12/25");
    // The home address before the work one; a home phone before a work phone.
    EXPECT_EQ(erika.text(F::StreetAddress), "Mājas iela 7\ndz. 3");
    EXPECT_EQ(erika.text(F::City), "Jūrmala");
    EXPECT_EQ(erika.text(F::Country), "Latvija");
    EXPECT_EQ(erika.text(F::Phone1), "+371 6700 2222");
    EXPECT_EQ(erika.text(F::Phone2), "+371 6700 1111");
    EXPECT_EQ(erika.text(F::Mobile), "+371 2900 3333");
    EXPECT_EQ(erika.text(F::Fax), "+371 6700 4444");
    EXPECT_EQ(erika.text(F::EMail), "erika@example.lv");
    EXPECT_EQ(erika.text(F::Comment), "Tālrunis strādā\nvakaros");

    // With no home address the work address is the one there is.
    const PersonValue& oskars = batch.persons[1].value;
    EXPECT_EQ(oskars.text(F::StreetAddress), "Darba iela 5");
    EXPECT_EQ(oskars.text(F::DateOfBirth), "");
    EXPECT_EQ(oskars.text(F::Comment), "Born: 3/4/1949");
    EXPECT_EQ(oskars.text(F::Sex), "");

    EXPECT_EQ(batch.persons[2].value.text(F::DateOfBirth), "");
    EXPECT_EQ(batch.persons[2].value.text(F::Comment), "");
    EXPECT_EQ(batch.persons[3].value.text(F::DateOfBirth), "1975/12/31");
    EXPECT_EQ(batch.persons[3].value.text(F::Sex), "M");

    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 1);
    // Company, Business Street and Business City beside a home address, Web Page.
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 4);
}

TEST(CsvRead, ThunderbirdLayout)
{
    const ImportBatch batch = ReadCsv(Fixture("thunderbird.csv"));
    ASSERT_EQ(batch.persons.size(), 3u);
    const PersonValue& zane = batch.persons[0].value;
    EXPECT_EQ(zane.text(F::Name), "Zane");
    EXPECT_EQ(zane.text(F::Surname), "Priede");
    EXPECT_EQ(zane.text(F::DateOfBirth), "1972/2/29");
    EXPECT_EQ(zane.text(F::EMail), "zane@example.org");
    EXPECT_EQ(zane.text(F::Phone1), "+371 6600 0002");
    EXPECT_EQ(zane.text(F::Phone2), "+371 6600 0001");
    EXPECT_EQ(zane.text(F::Mobile), "+371 2600 0003");
    EXPECT_EQ(zane.text(F::StreetAddress), "Meža iela 4");
    EXPECT_EQ(zane.text(F::ZipCode), "LV-4101");
    EXPECT_EQ(zane.text(F::Comment), "Draudzene");

    const PersonValue& roberts = batch.persons[1].value;
    EXPECT_EQ(roberts.text(F::Name), "Roberts");
    EXPECT_EQ(roberts.text(F::Surname), "Priede");
    EXPECT_EQ(roberts.text(F::Comment), "Born: --08-05");
    EXPECT_EQ(batch.persons[2].value.text(F::Comment), "Born: 1999");

    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 2);
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 2);  // the second e-mail, the nickname
}

TEST(CsvRead, RecordSyntaxOfSpreadsheets)
{
    // Semicolons where the header has no comma, a byte-order mark, quotes doubled, line breaks
    // in quotes, LF and CR LF mixed, an empty line, spaces around the titles.
    const QByteArray file = "\xEF\xBB\xBF Last Name ;first name;Notes\n"
                            "Ozola;Anna;\"Saka \"\"labdien\"\"; smaida\r\notrā rinda\"\r\n"
                            "\n"
                            "Kalns;\"Jānis, jun.\";\n";
    const ImportBatch batch = ReadCsv(file);
    ASSERT_EQ(batch.persons.size(), 2u);
    EXPECT_EQ(batch.persons[0].value.text(F::Surname), "Ozola");
    EXPECT_EQ(batch.persons[0].value.text(F::Comment), "Saka \"labdien\"; smaida\notrā rinda");
    EXPECT_EQ(batch.persons[1].value.text(F::Name), "Jānis, jun.");
    EXPECT_EQ(batch.persons[1].line, 5);
    // A header alone is a file of nobody.
    EXPECT_TRUE(ReadCsv("First Name,Last Name\r\n").persons.empty());
}

TEST(CsvRead, UnknownColumnsCountOncePerColumnAndOnlyWithData)
{
    const ImportBatch batch = ReadCsv("First Name,Shoe Size,Favourite Colour,Empty\r\n"
                                      "Anna,38,blue,\r\nIlze,37,,\r\n");
    EXPECT_EQ(batch.persons.size(), 2u);
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 2);
}

class StopAtOnce : public ImportProgress {
public:
    bool goOn(qint64, qint64) override { return false; }
};

TEST(CsvRead, StopsWhenTheProgressSaysSo)
{
    QByteArray file = "First Name\r\n";
    for (int i = 0; i < 5000; ++i)
        file += "Anna\r\n";
    StopAtOnce stop;
    EXPECT_THROW(ReadCsv(file, &stop), ImportStopped);
    EXPECT_EQ(ReadCsv(file).persons.size(), 5000u);
}

TEST(CsvBirthDate, OnlyDatesWithOneReadingBecomeDates)
{
    const std::pair<const char*, QDate> cases[] = {
        {"1948-03-12", QDate(1948, 3, 12)},
        {"19480312", QDate(1948, 3, 12)},
        {"1948/3/12", QDate(1948, 3, 12)},
        {"12.03.1948", QDate(1948, 3, 12)},
        {"25/12/1950", QDate(1950, 12, 25)},
        {"12/25/1950", QDate(1950, 12, 25)},
        {"5/5/1950", QDate(1950, 5, 5)},
        {"3/4/1950", QDate()},      // March or April
        {"12/25/50", QDate()},      // which century
        {"1950-02-30", QDate()},    // not on the calendar
        {"--03-12", QDate()},       // no year
        {"1948", QDate()},
        {"about 1948", QDate()},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(CsvBirthDate(QString::fromLatin1(text)), date) << text;
}

TEST(CsvRefusal, NamesTheLineAndWhatWasExpected)
{
    const std::pair<QByteArray, const char*> refusals[] = {
        {"", "line 1: expected a header naming the columns, such as First Name, Last Name or "
             "E-mail Address"},
        {"Shoe Size,Colour\r\n38,blue\r\n",
         "line 1: expected a header naming the columns, such as First Name, Last Name or "
         "E-mail Address"},
        {"First Name,Notes\r\nAnna,\"two\nlines\"\r\nIlze\r\n",
         "line 4: expected 2 fields as the header has, found 1"},
        {"First Name,Notes\r\nAnna,\"never closed\r\n",
         "line 2: expected the closing quote of a field: the file is cut short"},
        {"First Name,Notes\r\nAnna,\"quoted\" and more\r\n",
         "line 2: expected a delimiter after the closing quote"},
        {"First Name\r\nAnna\r\nJ\xE2nis\r\n",
         "line 3: expected UTF-8 text (a spreadsheet can save CSV as UTF-8)"},
        {"First Name\r\nAn\x01na\r\n",
         "line 2: expected text, found the character U+0001, which a data file cannot hold"},
        {"First Name\r\n" + QByteArray((1 << 20) + 1, 'a') + "\r\n",
         "line 2: expected a field of at most 1048576 bytes"},
        {"First Name" + QByteArray(2000, ',') + "\r\n",
         "line 1: expected a record of at most 2000 fields"},
    };
    for (const auto& [file, message] : refusals) {
        try {
            ReadCsv(file);
            ADD_FAILURE() << file.left(60).toStdString() << " was read";
        } catch (const ImportRefused& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(message));
        }
    }
}

}  // namespace
}  // namespace orvanel::testing
