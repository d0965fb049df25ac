#include "support/loaded_register.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvanel::testing;

namespace {

struct CheckRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

CheckRun runCheck(const TempFolder& folder, const QStringList& arguments = {})
{
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(QStringLiteral(ORVANEL_BINARY_DIR "/orvanel-check"), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        ADD_FAILURE() << "orvanel-check did not finish";
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

TEST(CheckTool, ReportsCountsPrefixAndConversionsWithoutWriting)
{
    TempFolder folder;
    const QByteArray file = RegisterFile(BarePerson("AB00017") + BarePerson("AB0002-3") +
                                             RelXml("AB00017", "AB0002"),
                                         2, 1, "ABC");
    folder.write("zok.xml", file);
    const CheckRun run = runCheck(folder);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "OK\npersons 2\nrelationships 1\nprefix AB\n"
                          "converted AB00017 AB0001-7\nconverted AB00017 AB0001-7\n"
                          "converted AB0002 AB0002-3\n");
    EXPECT_EQ(folder.read("zok.xml"), file);
    EXPECT_FALSE(folder.exists("zok.bak"));
}

TEST(CheckTool, ARefusedRegisterGivesTheProgramsMessage)
{
    TempFolder folder;
    EXPECT_EQ(runCheck(folder).output, "File \"zok.xml\" not found!\n");
    EXPECT_EQ(runCheck(folder).exitCode, 1);
    folder.write("zok.xml", RegisterFile(BarePerson("AB0001-7"), 3, 0));
    const CheckRun run = runCheck(folder);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "Invalid data file content!\n");
}

TEST(CheckTool, ChecksTheFolderGivenAndRefusesAnythingElse)
{
    TempFolder work;
    TempFolder other;
    other.write("zok.xml", RegisterFile(BarePerson("AB0001-7"), 1, 0));
    const CheckRun given = runCheck(work, {other.path()});
    EXPECT_EQ(given.exitCode, 0);
    EXPECT_EQ(given.output, "OK\npersons 1\nrelationships 0\nprefix AB\n");

    // A file, a missing folder or two arguments: a usage line, never a verdict on another folder.
    work.write("zok.xml", RegisterFile("", 0, 0));
    for (const QStringList& arguments :
         {QStringList{other.file("zok.xml")}, QStringList{work.file("missing")},
          QStringList{other.path(), other.path()}}) {
        const CheckRun run = runCheck(work, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.output, "");
        EXPECT_TRUE(run.errors.contains("usage: orvanel-check [FOLDER]")) << run.errors.toStdString();
    }
}

TEST(CheckTool, ADataFileThatIsNoRegularFileIsRefusedAtOnce)
{
    TempFolder fifo;
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo.file("zok.xml")).constData(), 0600), 0);
    const CheckRun fromFifo = runCheck(fifo);
    EXPECT_EQ(fromFifo.exitCode, 1);
    EXPECT_EQ(fromFifo.output, "Invalid data file content (\"zok.xml\" is not a regular file)!\n");

    TempFolder zero;
    ASSERT_TRUE(QFile::link("/dev/zero", zero.file("zok.xml")));
    const CheckRun fromZero = runCheck(zero);
    EXPECT_EQ(fromZero.exitCode, 1);
    EXPECT_EQ(fromZero.output, "Invalid data file content (\"zok.xml\" is not a regular file)!\n");

    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("zok.xml"));
    EXPECT_EQ(runCheck(folder).output, "File \"zok.xml\" not found!\n");
}
