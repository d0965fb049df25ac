#include "store/data_file.h"
#include "store/errors.h"
#include "store/lookup.h"
#include "store/save.h"
#include "store/save_target.h"

#include "support/loaded_register.h"
#include "support/register_xml.h"
#include "support/register_records.h"

#include <QDir>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

QByteArray patternBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

}  // namespace

TEST(Backup, CopiesEveryByteInWholeAndPartialBlocks)
{
    TempFolder folder;
    for (int size : {0, 1, 8191, 8192, 8193, 20000}) {
        const QByteArray bytes = patternBytes(size);
        folder.write("zok.xml", bytes);
        folder.write("zok.bak", "an older, longer backup that must be replaced entirely.....");
        CopyToBackup(folder.file("zok.xml"), folder.file("zok.bak"));
        EXPECT_EQ(folder.read("zok.bak"), bytes) << size;
    }
}

TEST(Backup, FailuresNameTheFile)
{
    TempFolder folder;
    EXPECT_THROW(CopyToBackup(folder.file("zok.xml"), folder.file("zok.bak")), IoError);
    folder.write("zok.xml", "x");
    QDir(folder.path()).mkdir("zok.bak");
    try {
        CopyToBackup(folder.file("zok.xml"), folder.file("zok.bak"));
        ADD_FAILURE() << "copied onto a folder";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains("zok.bak")) << e.message().toStdString();
    }
}

TEST(Save, BacksUpTheOldFileThenStampsDateAndCounters)
{
    const QByteArray original = RegisterFile(BarePerson("AB0001-7"), 1, 0, "XYZ");
    LoadedRegister r(original);
    r.reg.addPerson(ValueOf(NextFreeId(r.reg, 1)));
    r.clock.set(QDate(2009, 7, 4));
    SaveRegister(r.reg, r.clock);
    EXPECT_EQ(r.folder.read("zok.bak"), original);
    const QByteArray saved = r.folder.read("zok.xml");
    EXPECT_TRUE(saved.contains("DateModified=\"2009/7/4\"")) << saved.constData();
    EXPECT_TRUE(saved.contains("PersonCount=\"2\""));
    EXPECT_TRUE(saved.contains("RelCount=\"0\""));
    EXPECT_TRUE(saved.contains("Prefix=\"XYZ\""));
    EXPECT_TRUE(saved.contains("<Person ID=\"XY0002-2\">"));
}

TEST(Save, AFailedBackupLeavesTheDataFileAndAllowsARetry)
{
    const QByteArray original = RegisterFile(BarePerson("AB0001-7"), 1, 0);
    LoadedRegister r(original);
    QDir(r.folder.path()).mkdir("zok.bak");
    EXPECT_THROW(SaveRegister(r.reg, r.clock), IoError);
    EXPECT_EQ(r.folder.read("zok.xml"), original);
    QDir(r.folder.path()).rmdir("zok.bak");
    SaveRegister(r.reg, r.clock);
    EXPECT_EQ(r.folder.read("zok.bak"), original);

    // The data file deleted while the program ran: nothing is written, the error says why.
    QFile::remove(r.folder.file("zok.xml"));
    EXPECT_THROW(SaveRegister(r.reg, r.clock), IoError);
    EXPECT_FALSE(r.folder.exists("zok.xml"));
}

TEST(Save, ARefusedRegisterIsNeverWritten)
{
    const QByteArray bad = RegisterFile(BarePerson("AB00017") + BarePerson("AB-1"), 2, 0);
    LoadedRegister r(bad);
    ASSERT_TRUE(r.reg.loadFailed());
    EXPECT_THROW(SaveRegister(r.reg, r.clock), Error);
    EXPECT_EQ(r.folder.read("zok.xml"), bad);
    EXPECT_FALSE(r.folder.exists("zok.bak"));
}

TEST(Save, TypedTextComesBackIdenticalOverRepeatedCycles)
{
    LoadedRegister r(RegisterFile(" <Person ID=\"AB0001-7\"><Name/><Comment/></Person>\n", 1, 0));
    const QString values[] = {
        "  two leading, two trailing  ",
        "   ",
        "<b>&amp; \"quoted\" 'single' </b> & < >",
        QString::fromUtf8("Jānis Bērziņš · Ωμέγα · 山田 · שָׁלוֹם · 😀"),
        "line one\nline two\n\nline four\n",
        "\ttab\tseparated\t",
    };
    for (const QString& value : values) {
        SetStoredText(r.reg, "AB0001-7", PersonField::Comment, value);
        for (int cycle = 0; cycle < 3; ++cycle) {
            r.saveAndReload();
            EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Comment), value)
                << "cycle " << cycle;
        }
    }
}

TEST(Save, CharactersXmlCannotHoldNeverMakeTheFileUnreadable)
{
    LoadedRegister r(RegisterFile(" <Person ID=\"AB0001-7\"><Name/></Person>\n", 1, 0));
    SetStoredText(r.reg, "AB0001-7", PersonField::Name, QString("a\x01" "b") + QChar(0xD800) + "c");
    r.reg.appendRelationship("AB0001-7", "AB0001-7", QString("x\x1Fy"), QStringLiteral("sibling"));
    r.saveAndReload();
    EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Name),
              QString("a") + QChar(0xFFFD) + "b" + QChar(0xFFFD) + "c");
    EXPECT_EQ(r.reg.relationsOf("AB0001-7").at(0).dir, QString("x") + QChar(0xFFFD) + "y");
}

TEST(Save, KeepsDeclarationCommentsInstructionsAndOtherElements)
{
    const QByteArray original =
        "<?xml version='1.0' encoding='utf-8' standalone='yes'?>\n<!-- top -->\n"
        "<Register Prefix=\"AB\" DateModified=\"2025/1/2\" PersonCount=\"1\" RelCount=\"0\">\n"
        " <?app keep me?>\n <Note lang=\"lv\">Piezīme</Note>\n <!-- between -->\n"
        " <Person ID=\"AB0001-7\"><Name> x </Name></Person>\n</Register>\n";
    LoadedRegister r(original);
    r.clock.set(QDate(2025, 1, 2));
    SaveRegister(r.reg, r.clock);
    EXPECT_EQ(r.folder.read("zok.xml"), original);
}

TEST(Save, AFileWithoutDeclarationStaysWithoutOne)
{
    const QByteArray original =
        "<Register Prefix=\"AB\" DateModified=\"2025/1/2\" PersonCount=\"1\" RelCount=\"0\">\n"
        " <Person ID=\"AB0001-7\"><Name>Jānis</Name></Person>\n</Register>\n";
    LoadedRegister r(original);
    r.clock.set(QDate(2025, 1, 2));
    SaveRegister(r.reg, r.clock);
    EXPECT_EQ(r.folder.read("zok.xml"), original);
}

TEST(Save, KeepsByteOrderMarksAndWindowsLineEnds)
{
    const QByteArray original =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<Register Prefix=\"AB\" DateModified=\"2025/1/2\" PersonCount=\"1\" RelCount=\"0\">\r\n"
        " <Person ID=\"AB0001-7\">\r\n  <Name>R\xC5\xABta</Name>\r\n </Person>\r\n</Register>\r\n";
    LoadedRegister r(original);
    r.clock.set(QDate(2025, 1, 2));
    SaveRegister(r.reg, r.clock);
    EXPECT_EQ(r.folder.read("zok.xml"), original);
}

TEST(Save, KeepsTheFileEncodingAndWritesWhatItCannotHoldAsReferences)
{
    struct Case {
        const char* encoding;
        QByteArray nameBytes;  // the name as that encoding writes it
        QString name;
    };
    const Case cases[] = {
        {"windows-1257", "J\xE2nis", QStringLiteral("Jānis")},
        {"ISO-8859-13", "J\xE2nis", QStringLiteral("Jānis")},
        {"ISO-8859-1", "Zo\xEB", QStringLiteral("Zoë")},
    };
    const QString foreign = QStringLiteral("Ř 😀 Ж");  // fits none of them
    for (const Case& c : cases) {
        const QByteArray bytes =
            QByteArray("<?xml version=\"1.0\" encoding=\"") + c.encoding +
            "\"?>\n<Register Prefix=\"AB\" DateModified=\"2025/1/2\" PersonCount=\"1\" "
            "RelCount=\"0\">\n <Person ID=\"AB0001-7\"><Name>" + c.nameBytes +
            "</Name><Comment/></Person>\n</Register>\n";
        LoadedRegister r(bytes);
        ASSERT_FALSE(r.reg.loadFailed()) << c.encoding << r.refusals().join("|").toStdString();
        EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Name), c.name);
        SetStoredText(r.reg, "AB0001-7", PersonField::Comment, foreign);
        r.saveAndReload();
        EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Name), c.name) << c.encoding;
        EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Comment), foreign) << c.encoding;
        const QByteArray saved = r.folder.read("zok.xml");
        EXPECT_TRUE(saved.startsWith(QByteArray("<?xml version=\"1.0\" encoding=\"") +
                                     c.encoding + "\"?>"));
        EXPECT_TRUE(saved.contains("<Name>" + c.nameBytes + "</Name>")) << c.encoding;
        EXPECT_TRUE(saved.contains("&#344;")) << c.encoding;  // Ř as a character reference
    }
}

TEST(Save, KeepsUtf16WithItsByteOrderMark)
{
    const QString text = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<Register Prefix=\"AB\" "
        "DateModified=\"2025/1/2\" PersonCount=\"1\" RelCount=\"0\">\n"
        " <Person ID=\"AB0001-7\"><Name>Jānis 山田</Name></Person>\n</Register>\n");
    QByteArray bytes("\xFF\xFE", 2);
    bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    LoadedRegister r(bytes);
    ASSERT_FALSE(r.reg.loadFailed()) << r.refusals().join("|").toStdString();
    r.saveAndReload();
    EXPECT_EQ(StoredPerson(r.reg, "AB0001-7").text(PersonField::Name), QStringLiteral("Jānis 山田"));
    const QByteArray saved = r.folder.read("zok.xml");
    EXPECT_TRUE(saved.startsWith("\xFF\xFE") || saved.startsWith("\xFE\xFF"));
}

TEST(Save, AFileOfManyBlocksIsWrittenWholeAndKnownAsTheSavesOwn)
{
    QByteArray persons;
    for (int n = 1; n <= 6000; ++n)
        persons += PersonXml(Id(n)).set(QStringLiteral("Name"), QStringLiteral("\u0160imon")).xml();
    LoadedRegister r(RegisterFile(persons, 6000, 0));
    ASSERT_FALSE(r.reg.loadFailed());
    SaveRegister(r.reg, r.clock);
    const QByteArray saved = r.folder.read("zok.xml");
    EXPECT_GT(saved.size(), 2 * DataFileDigester::kBlockSize + 1);
    // Past the root's start tag, whose date and counts a save sets, every byte is the file's own.
    const QByteArray read = RegisterBytes(r.reg);
    const qsizetype records = read.indexOf(" <Person");
    EXPECT_TRUE(saved.endsWith(read.mid(records)));
    // The fingerprint taken block by block as the file was written is the one a reading of the
    // whole file gives, or closing would take the save for another program's change.
    EXPECT_FALSE(DataFileChangedSinceLoad(r.reg));
    EXPECT_EQ(r.reg.loadedFile.size, saved.size());
}
