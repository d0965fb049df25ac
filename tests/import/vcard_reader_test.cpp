// vCard files as contact programs write them, read into a batch: the three versions, their
// encodings and escapes, what goes where, what is counted as lost, and what is refused.

#include "import/vcard_reader.h"
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

QByteArray Card(const QByteArray& version, const QByteArray& body)
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + body + "END:VCARD\r\n";
}

const PersonValue& Only(const ImportBatch& batch)
{
    EXPECT_EQ(batch.persons.size(), 1u);
    return batch.persons.front().value;
}

TEST(VCardRead, Version21QuotedPrintableInAWindowsCodePage)
{
    const ImportBatch batch = ReadVCards(Fixture("phone_21_windows1257.vcf"));
    ASSERT_EQ(batch.persons.size(), 2u);
    const PersonValue& janis = batch.persons[0].value;
    EXPECT_EQ(janis.text(F::Surname), "Šķēle");
    EXPECT_EQ(janis.text(F::Name), "Jānis");
    EXPECT_EQ(janis.text(F::MiddleName), "Pēteris");
    EXPECT_EQ(janis.text(F::Phone1), "+371 6700 0001");
    EXPECT_EQ(janis.text(F::Phone2), "+371 6700 0004");
    EXPECT_EQ(janis.text(F::Mobile), "+371 2900 0002");
    EXPECT_EQ(janis.text(F::Fax), "+371 6700 0003");
    EXPECT_EQ(janis.text(F::StreetAddress), "Brīvības iela 12-5");
    EXPECT_EQ(janis.text(F::City), "Rīga");
    EXPECT_EQ(janis.text(F::ZipCode), "LV-1010");
    EXPECT_EQ(janis.text(F::Country), "Latvija");
    // The soft line break joins the halves; the encoded CR LF is stored as LF.
    EXPECT_EQ(janis.text(F::Comment), "Pirmā rinda\nOtrā rinda; ar semikolu");
    EXPECT_EQ(janis.text(F::DateOfBirth), "1961/7/23");
    EXPECT_EQ(batch.persons[0].line, 1);

    // Eight-bit text named by CHARSET alone.
    EXPECT_EQ(batch.persons[1].value.text(F::Surname), "Ozoliņa");
    EXPECT_EQ(batch.persons[1].value.text(F::Name), "Līga");
    EXPECT_EQ(batch.persons[1].line, 16);
    // The pager had no phone field left, the second card's organisation no field at all.
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 2);
}

TEST(VCardRead, Version30AsAnAddressBookExportsIt)
{
    const ImportBatch batch = ReadVCards(Fixture("address_book_30.vcf"));
    ASSERT_EQ(batch.persons.size(), 2u);
    const PersonValue& anna = batch.persons[0].value;
    EXPECT_EQ(anna.text(F::Name), "Anna");
    EXPECT_EQ(anna.text(F::MiddleName), "Marija");
    EXPECT_EQ(anna.text(F::Surname), "Bērziņa");
    EXPECT_EQ(anna.text(F::EMail), "anna@example.lv");
    EXPECT_EQ(anna.text(F::Mobile), "+371 2611 1111");
    EXPECT_EQ(anna.text(F::Phone1), "+371 6711 1111");
    // The preferred address, its extended part a further line of the street.
    EXPECT_EQ(anna.text(F::StreetAddress), "Elizabetes iela 2\ndz. 7");
    EXPECT_EQ(anna.text(F::ZipCode), "LV-1010");
    // A birthday without a year is no date: the day goes into the comment.
    EXPECT_EQ(anna.text(F::DateOfBirth), "");
    EXPECT_EQ(anna.text(F::Comment),
              "Mīl ziedus, sevišķi rozes.\nOtrā rinda; ar semikolu un \\ slīpsvītru. Šī rinda ir "
              "gara, tāpēc tā ir salocīta.\nBorn: --03-12");
    EXPECT_FALSE(anna.has(F::Sex));

    // A card with FN alone: the name split from it.
    const PersonValue& peteris = batch.persons[1].value;
    EXPECT_EQ(peteris.text(F::Name), "Pēteris");
    EXPECT_EQ(peteris.text(F::Surname), "Kalniņš");
    EXPECT_EQ(peteris.text(F::Phone1), "+371 6722 2222");
    EXPECT_EQ(peteris.text(F::DateOfBirth), "1955/11/30");
    EXPECT_EQ(peteris.text(F::Sex), "M");

    EXPECT_EQ(batch.lost(ImportLoss::Media), 1);
    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 1);
    // Title "Dr.", ORG, TITLE, the label, the second e-mail, the work address.
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 6);
}

TEST(VCardRead, Version40RelativesBecomeLinksGivenOnce)
{
    const ImportBatch batch = ReadVCards(Fixture("family_40.vcf"));
    ASSERT_EQ(batch.persons.size(), 3u);
    const PersonValue& ilze = batch.persons[0].value;
    EXPECT_EQ(ilze.text(F::Sex), "F");
    EXPECT_EQ(ilze.text(F::DateOfBirth), "1950/2/14");
    EXPECT_EQ(ilze.text(F::Phone1), "+371-6733-3333");
    EXPECT_EQ(ilze.text(F::EMail), "ilze@example.org");
    EXPECT_EQ(batch.persons[1].value.text(F::Comment), "Born: --0501");
    EXPECT_EQ(batch.persons[2].value.text(F::Comment), "Born: circa 1980");
    EXPECT_EQ(batch.persons[2].value.text(F::DateOfBirth), "");

    std::vector<std::tuple<std::size_t, std::size_t, QString>> links;
    for (const ImportedLink& link : batch.links)
        links.emplace_back(link.person, link.other, link.kind);
    // The mother of both children, named from both sides, and the twins, each once.
    const std::vector<std::tuple<std::size_t, std::size_t, QString>> expected{
        {0, 1, "parent"}, {0, 2, "parent"}, {1, 2, "twin"}};
    EXPECT_EQ(links, expected);
    EXPECT_EQ(batch.lost(ImportLoss::MissingRecord), 1);
    EXPECT_EQ(batch.lost(ImportLoss::ApproximateDate), 2);
    EXPECT_EQ(batch.lost(ImportLoss::Media), 1);
    EXPECT_EQ(batch.lost(ImportLoss::OtherData), 1);  // the spouse: no such kind
}

QByteArray Utf16(const QString& text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(VCardRead, EveryUnicodeFormOfTheFileReadsAlike)
{
    const QString text = QStringLiteral(
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Žagars;Ēriks;;;\r\nNOTE:a\\nb 😀\r\nEND:VCARD\r\n");
    const PersonValue expected = Only(ReadVCards(text.toUtf8()));
    EXPECT_EQ(expected.text(F::Comment), "a\nb 😀");
    EXPECT_EQ(Only(ReadVCards(Utf16(text, false))), expected);
    EXPECT_EQ(Only(ReadVCards(Utf16(text, true))), expected);
    // In a UTF-16 file a CHARSET names what the text once was: it is Unicode now.
    EXPECT_EQ(Only(ReadVCards(Utf16(QStringLiteral("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                                                   "N;CHARSET=windows-1257:Žagars;Ēriks\r\n"
                                                   "END:VCARD\r\n"),
                                    false)))
                  .text(F::Surname),
              "Žagars");
    EXPECT_EQ(Only(ReadVCards("\xEF\xBB\xBF" + text.toUtf8())), expected);
    // Lines folded with LF alone, and a tab as the fold's white space.
    EXPECT_EQ(Only(ReadVCards("BEGIN:VCARD\nVERSION:3.0\nN:Žag\n\tars;Ēriks;;;\nNOTE:a\\nb 😀\n"
                              "END:VCARD\n")),
              expected);
}

TEST(VCardRead, FoldsKeepTheirSpaceOnlyInVersion21)
{
    EXPECT_EQ(Only(ReadVCards(Card("2.1", "NOTE:one\r\n two\r\n"))).text(F::Comment), "one two");
    EXPECT_EQ(Only(ReadVCards(Card("4.0", "NOTE:one\r\n two\r\n"))).text(F::Comment), "onetwo");
}

TEST(VCardRead, APictureLongerThanAnyLineIsPassedOver)
{
    QByteArray photo = "PHOTO;ENCODING=b;TYPE=JPEG:QUJD\r\n";
    for (int i = 0; i < 40000; ++i)
        photo += " REVGR0hJSktMTU5PUFFSU1RVVldYWVo=\r\n";
    const ImportBatch batch = ReadVCards(Card("3.0", photo + "N:Liepa;Ilze;;;\r\n"));
    EXPECT_EQ(Only(batch).text(F::Surname), "Liepa");
    EXPECT_EQ(batch.lost(ImportLoss::Media), 1);
}

class StopAtOnce : public ImportProgress {
public:
    bool goOn(qint64, qint64) override { return false; }
};

TEST(VCardRead, StopsWhenTheProgressSaysSo)
{
    QByteArray file;
    for (int i = 0; i < 5000; ++i)
        file += Card("3.0", "N:A;B;;;\r\n");
    StopAtOnce stop;
    EXPECT_THROW(ReadVCards(file, &stop), ImportStopped);
    EXPECT_EQ(ReadVCards(file).persons.size(), 5000u);
}

struct Refusal {
    const char* what;
    QByteArray file;
    const char* message;
};

TEST(VCardRefusal, NamesTheLineAndWhatWasExpected)
{
    QByteArray manyProperties = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    for (int i = 0; i < 10001; ++i)
        manyProperties += "X-A:b\r\n";
    const Refusal refusals[] = {
        {"an empty file", "", "line 1: expected BEGIN:VCARD"},
        {"another kind of file", "Name,Surname\r\nAnna,Ozola\r\n", "line 1: expected BEGIN:VCARD"},
        {"a file cut short", "BEGIN:VCARD\r\nVERSION:3.0\r\nN:A;B;;;\r\n",
         "line 3: expected END:VCARD: the file is cut short"},
        {"an unknown version", Card("5.0", ""), "line 2: expected VERSION 2.1, 3.0 or 4.0"},
        {"a line that is no property", Card("3.0", "N:A;B;;;\r\njust words\r\n"),
         "line 4: expected a vCard property (NAME:value)"},
        {"bytes that are not UTF-8", Card("2.1", "N:\xE2nis;J\r\n"),
         "line 3: expected UTF-8 text, or a CHARSET naming the character set"},
        {"a character set nobody knows", Card("2.1", "N;CHARSET=klingon:A;B\r\n"),
         "line 3: expected text in the character set klingon"},
        {"a control character", Card("3.0", "NOTE:bell\\n\x07\r\n"),
         "line 3: expected text, found the character U+0007, which a data file cannot hold"},
        {"a line too long to keep", Card("3.0", "NOTE:" + QByteArray(1 << 20, 'x') + "\r\n"),
         "line 3: expected a property of at most 1048576 bytes"},
        {"too many properties", manyProperties + "END:VCARD\r\n",
         "line 10003: expected END:VCARD within 10000 properties"},
        {"UTF-16 cut in a character", QByteArray("\xFF\xFE" "B\0E\0G", 7),
         "line 1: expected UTF-16 text, the file is cut short"},
        {"text after the last card", Card("3.0", "N:A;B;;;\r\n") + "P.S.\r\n",
         "line 5: expected BEGIN:VCARD"},
    };
    for (const Refusal& refusal : refusals) {
        try {
            ReadVCards(refusal.file);
            ADD_FAILURE() << refusal.what << " was read";
        } catch (const ImportRefused& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(refusal.message)) << refusal.what;
        }
    }
}

}  // namespace
}  // namespace orvanel::testing
