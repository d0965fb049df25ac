#include "store_fixture.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace orvanel::testing;

namespace {

struct CheckRun {
    int exitCode = -1;
    QString output;
};

CheckRun runCheck(const TempFolder& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(QStringLiteral(ORVANEL_BINARY_DIR "/orvanel-check"), {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        ADD_FAILURE() << "orvanel-check did not finish";
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

}  // namespace

TEST(CheckTool, ReportsCountsPrefixAndConversionsWithoutWriting)
{
    TempFolder folder;
    const QByteArray file = registerFile(person("AB00017") + person("AB0002-3") +
                                             rel("AB00017", "AB0002"),
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
    folder.write("zok.xml", registerFile(person("AB0001-7"), 3, 0));
    const CheckRun run = runCheck(folder);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "Invalid data file content!\n");
}
