// orvanel-exchange run as a program on a scratch folder, as a script would run it.
#include "store/folder_lock.h"
#include "support/loaded_register.h"
#include "support/register_records.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

struct ExchangeRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

ExchangeRun RunExchange(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ORVANEL_BINARY_DIR "/orvanel-exchange"), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        ADD_FAILURE() << "orvanel-exchange did not finish";
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class ExchangeTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        original = RegisterXml()
                       .person(Id(1), QStringLiteral("Anna"), {}, QStringLiteral("Ozola"))
                       .person(Id(2), QStringLiteral("Peteris"), {}, QStringLiteral("Ozols"))
                       .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
                       .bytes();
        folder.write("zok.xml", original);
    }

    ExchangeRun importFile(const QByteArray& bytes, const QStringList& options = {})
    {
        files.write("family.ged", bytes);
        return RunExchange(QStringList{"import", folder.path(), files.file("family.ged")} +
                           options);
    }

    TempFolder folder;
    TempFolder files;
    QByteArray original;
};

// Anna as the register holds her (born 1960/5/17, the builder's plain date), and a new couple's
// child; written as this program's own GEDCOM export writes.
const QByteArray kFamily =
    "0 HEAD\n1 SOUR ORVANEL\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Anna /Ozola/\n2 GIVN Anna\n2 SURN Ozola\n1 SEX F\n1 BIRT\n"
    "2 DATE 17 MAY 1960\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Karlis /Berzs/\n2 GIVN Karlis\n2 SURN Berzs\n1 SEX M\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Ilze /Berza/\n2 GIVN Ilze\n2 SURN Berza\n1 SEX F\n1 BIRT\n"
    "2 DATE 3 MAR 1985\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n1 CHIL @I3@\n0 TRLR\n";

// Needs the GEDCOM reader.
TEST_F(ExchangeTool, ImportAddsWhatThePreviewWouldChooseAndSavesAsTheProgramDoes)
{
    const ExchangeRun run = importFile(kFamily);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.output.startsWith(QStringLiteral("3 persons, 2 relationships.")))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(QStringLiteral("Left out as already in the register: 1 person.")));
    EXPECT_TRUE(run.output.contains(QStringLiteral("Added: 2 persons, 1 relationship.")));
    EXPECT_EQ(folder.read("zok.bak"), original);

    LoadedRegister saved;
    saved.folder.write("zok.xml", folder.read("zok.xml"));
    saved.load();
    ASSERT_TRUE(Accepted(saved.report));
    EXPECT_EQ(saved.reg.personCounter(), 4);
    EXPECT_EQ(RelRecords(saved.reg).size(), 2);
    EXPECT_EQ(StoredPerson(saved.reg, Id(4)).text(PersonField::Name), QStringLiteral("Ilze"));
    EXPECT_EQ(StoredPerson(saved.reg, Id(4)).text(PersonField::DateOfBirth),
              QStringLiteral("1985/3/3"));

    // --all takes the likely duplicate too.
    folder.write("zok.xml", original);
    const ExchangeRun all = importFile(kFamily, {"--all"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_TRUE(all.output.contains(QStringLiteral("Added: 3 persons, 2 relationships.")))
        << all.output.toStdString();
}

TEST_F(ExchangeTool, ARefusalExitsWithItsMessageAndLeavesTheRegisterUntouched)
{
    const ExchangeRun refused = importFile("REFUSE: this is no GEDCOM file\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.errors.isEmpty());
    EXPECT_EQ(refused.output, QString());

    // A folder the program holds open is not changed behind its back.
    {
        const FolderLock held = FolderLock::take(folder.path());
        const ExchangeRun locked = importFile(kFamily);
        EXPECT_EQ(locked.exitCode, 1);
        EXPECT_FALSE(locked.errors.isEmpty());
    }

    const ExchangeRun missing =
        RunExchange({"import", folder.path(), files.file("missing.ged")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.errors.contains(QStringLiteral("missing.ged"))) << missing.errors.toStdString();

    for (const QStringList& arguments :
         {QStringList{"import", folder.path()}, QStringList{"import", folder.file("zok.xml"), "x.ged"},
          QStringList{"import", folder.path(), "x.ged", "--everything"},
          QStringList{"move", folder.path(), "x.ged"},
          QStringList{"export", folder.path(), files.file("out.txt")},
          QStringList{"export", folder.path(), files.file("out.csv"), "--format", "xml"}}) {
        const ExchangeRun run = RunExchange(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains(QStringLiteral("usage: orvanel-exchange")));
    }
    EXPECT_EQ(folder.read("zok.xml"), original);
    EXPECT_FALSE(folder.exists("zok.bak"));
}

TEST_F(ExchangeTool, ExportWritesTheActivePersonsByExtensionOrFormatAndNeverTheRegister)
{
    const ExchangeRun csv = RunExchange({"export", folder.path(), files.file("persons.csv")});
    EXPECT_EQ(csv.exitCode, 0) << csv.errors.toStdString();
    const QStringList lines =
        QString::fromUtf8(files.read("persons.csv")).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith(Id(1)));
    EXPECT_TRUE(lines[2].startsWith(Id(2)));

    const ExchangeRun cards =
        RunExchange({"export", folder.path(), files.file("persons.txt"), "--format", "vcard"});
    EXPECT_EQ(cards.exitCode, 0) << cards.errors.toStdString();
    EXPECT_EQ(QString::fromUtf8(files.read("persons.txt")).count(QStringLiteral("BEGIN:VCARD")), 2);

    const ExchangeRun own = RunExchange({"export", folder.path(), folder.file("zok.xml"),
                                         "--format", "csv"});
    EXPECT_EQ(own.exitCode, 1);
    EXPECT_EQ(folder.read("zok.xml"), original);
    EXPECT_FALSE(folder.exists("zok.bak"));
}

}  // namespace
}  // namespace orvanel::testing
