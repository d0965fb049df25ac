// The character sets a GEDCOM file comes in, and the refusal of a byte its set does not hold.
#include "gedcom_test_files.h"

namespace orvanel::testing {
namespace {

// A file in single bytes: its header names `charset`, its one person is named `name`.
QByteArray SingleByteFile(const QByteArray& charset, const QByteArray& name)
{
    return "0 HEAD\r\n1 GEDC\r\n2 VERS 5.5.1\r\n1 CHAR " + charset + "\r\n0 @I1@ INDI\r\n1 NAME "
           + name + " /Ozols/\r\n0 TRLR\r\n";
}

QString NameIn(const QByteArray& file)
{
    return ReadGedcom(file).persons.at(0).value.text(PersonField::Name);
}

TEST(GedcomEncoding, ReadsTheCodePagesTheHeaderNames)
{
    EXPECT_EQ(NameIn(SingleByteFile("ANSI", "Zo\xEB")), QString::fromUtf8("Zo\u00eb"));
    EXPECT_EQ(NameIn(SingleByteFile("windows-1257", "J\xE2nis")), QString::fromUtf8("J\u0101nis"));
    EXPECT_EQ(NameIn(SingleByteFile("CP1257", "J\xE2nis")), QString::fromUtf8("J\u0101nis"));
    EXPECT_EQ(NameIn(SingleByteFile("ISO-8859-2", "\xA9imon")), QString::fromUtf8("\u0160imon"));
    EXPECT_EQ(NameIn(SingleByteFile("ASCII", "Janis")), u"Janis");
    EXPECT_EQ(NameIn("\xEF\xBB\xBF" + SingleByteFile("UTF-8", "J\xC4\x81nis")), QString::fromUtf8("J\u0101nis"));
    // No CHAR: UTF-8, as GEDCOM 7 has it.
    EXPECT_EQ(NameIn("0 HEAD\n1 GEDC\n2 VERS 7.0\n0 @I1@ INDI\n1 NAME J\xC4\x81nis\n0 TRLR\n"),
              QString::fromUtf8("J\u0101nis"));
}

TEST(GedcomEncoding, RefusesAByteTheNamedSetDoesNotHoldWithItsLine)
{
    const QString utf8 = RefusalOf("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME J\xE2nis\n0 TRLR\n");
    EXPECT_EQ(utf8, u"line 4: expected text in UTF-8, found a byte that it does not hold");
    EXPECT_EQ(RefusalOf(SingleByteFile("ASCII", "Zo\xEB")),
              u"line 6: expected text in ASCII, found a byte that it does not hold");
    EXPECT_EQ(RefusalOf(SingleByteFile("ANSEL", "Zo\x80")),
              u"line 6: expected text in ANSEL, found a byte that it does not hold");
    EXPECT_EQ(RefusalOf(SingleByteFile("windows-1257", "\xA1")),
              u"line 6: expected text in windows-1257, found a byte that it does not hold");
    EXPECT_EQ(RefusalOf(SingleByteFile("KLINGON", "Zo")),
              u"line 4: expected a character set this program knows, found KLINGON");
    // A UTF-16 file cut in the middle of a character.
    const QByteArray utf16 = GedcomFixture("utf16.ged");
    EXPECT_EQ(RefusalOf(utf16.left(utf16.size() - 1)),
              u"line 13: expected text in UTF-16, found a byte that it does not hold");
}

TEST(GedcomEncoding, RefusesACharacterNoValueMayHoldWithItsLine)
{
    EXPECT_EQ(RefusalOf(Gedcom551({u"0 @I1@ INDI"_qs, u"1 NAME Bell\a /Ozols/"_qs})),
              u"line 6: expected text, found the character U+0007, which no value may hold");
    QString lone = u"1 NAME x"_qs;
    lone[7] = QChar(0xD800);
    const QString text = u"0 HEAD\n1 CHAR UNICODE\n0 @I1@ INDI\n"_qs + lone + u"\n0 TRLR\n"_qs;
    const QByteArray utf16 = QByteArray("\xFF\xFE")
                             + QByteArray(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
    EXPECT_EQ(RefusalOf(utf16), u"line 4: expected text, found the character U+D800, which no value may hold");
}

}  // namespace
}  // namespace orvanel::testing
