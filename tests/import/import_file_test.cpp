#include "import/import_file.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

QByteArray Utf16(const char* text, bool littleEndian)
{
    QByteArray out = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const char* c = text; *c; ++c) {
        out += littleEndian ? QByteArray(1, *c) + '\0' : QByteArray(1, '\0') + *c;
    }
    return out;
}

TEST(ImportFile, TheExtensionDecidesInAnyCaseAndOtherwiseTheFirstBytes)
{
    EXPECT_EQ(ImportFormatOf("family.GED", "BEGIN:VCARD"), ImportFormat::Gedcom);
    EXPECT_EQ(ImportFormatOf("a/b.Vcf", "0 HEAD"), ImportFormat::VCard);
    EXPECT_EQ(ImportFormatOf("b.vcard", ""), ImportFormat::VCard);
    EXPECT_EQ(ImportFormatOf("b.CSV", "0 HEAD"), ImportFormat::Csv);

    EXPECT_EQ(ImportFormatOf("family.txt", "0 HEAD\r\n1 GEDC"), ImportFormat::Gedcom);
    EXPECT_EQ(ImportFormatOf("family", "\xEF\xBB\xBF" "0 HEAD\n"), ImportFormat::Gedcom);
    EXPECT_EQ(ImportFormatOf("family", Utf16("0 HEAD\n", true)), ImportFormat::Gedcom);
    EXPECT_EQ(ImportFormatOf("family", Utf16("0 HEAD\n", false)), ImportFormat::Gedcom);
    EXPECT_EQ(ImportFormatOf("cards", "\r\nbegin:vcard\r\n"), ImportFormat::VCard);
    EXPECT_EQ(ImportFormatOf("cards", "\xEF\xBB\xBF" "BEGIN:VCARD"), ImportFormat::VCard);
    EXPECT_EQ(ImportFormatOf("list", "Name,Surname\n"), ImportFormat::Csv);
    EXPECT_EQ(ImportFormatOf("list", ""), ImportFormat::Csv);
}

TEST(ImportFile, ReadsTheFileWholeAndOnlyReadsIt)
{
    TempFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += "P;Name;Surname;1950/1/1\n";  // several blocks of the reading
    folder.write("persons.csv", bytes);
    const QFileInfo before(folder.file("persons.csv"));
    EXPECT_EQ(ReadImportFile(folder.file("persons.csv")), bytes);
    EXPECT_EQ(folder.read("persons.csv"), bytes);
    EXPECT_EQ(QFileInfo(folder.file("persons.csv")).lastModified(), before.lastModified());

    try {
        ReadImportFile(folder.file("missing.ged"));
        ADD_FAILURE() << "no refusal";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("missing.ged"))) << e.what();
    }
}

}  // namespace
}  // namespace orvanel::testing
