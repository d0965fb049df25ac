// A data file that another program cuts short while the program reads it: the load must tell the
// user what happened, not send them looking for a fault in a file that has none, and the check
// before a save must see another program at work.
#include "fault_run.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel::faults;

namespace {

// Which read, among every read made while the faults were armed, is the first of the data file
// (a load reads the system's memory figures before it).
int FirstReadOfTheDataFile(const ChildResult& run)
{
    int reads = 0;
    for (const QString& call : run.calls) {
        if (call.section(QLatin1Char(' '), 1, 1) != QStringLiteral("read"))
            continue;
        ++reads;
        if (call.section(QLatin1Char(' '), 3, 3).endsWith(QStringLiteral("/zok.xml")))
            return reads;
    }
    return 0;
}

struct SampleFolder {
    QTemporaryDir dir;
    SampleFolder()
    {
        EXPECT_TRUE(writeFile(dir.filePath(QStringLiteral("zok.xml")),
                              readFile(QStringLiteral(ORVANEL_SAMPLE_REGISTER))));
    }
    QString path() const { return dir.path(); }
};

TEST(LoadFault, AFileCutShortWhileReadIsReportedAsChangedNotAsMalformed)
{
    SampleFolder folder;
    const ChildResult plain = runFaultChild(folder.path(), {QStringLiteral("load")});
    ASSERT_TRUE(plain.value(QStringLiteral("load")).startsWith(QStringLiteral("ok ")));
    const int read = FirstReadOfTheDataFile(plain);
    ASSERT_GT(read, 0) << "the fault library saw no read of the data file";

    const ChildResult cut = runFaultChild(folder.path(), {QStringLiteral("load")},
                                          {QStringLiteral("read"), read, QStringLiteral("shrink")});
    EXPECT_FALSE(cut.killed || cut.hung);
    EXPECT_EQ(cut.value(QStringLiteral("load")),
              QStringLiteral("refused Cannot read \"zok.xml\": the file changed while it was read"));
}

TEST(LoadFault, AFileCutShortWhileCheckedBeforeASaveCountsAsChangedByAnotherProgram)
{
    SampleFolder folder;
    const ChildResult plain = runFaultChild(folder.path(), {QStringLiteral("changed")});
    ASSERT_EQ(plain.value(QStringLiteral("changed")), QStringLiteral("no"));
    const int read = FirstReadOfTheDataFile(plain);
    ASSERT_GT(read, 0) << "the fault library saw no read of the data file";

    const ChildResult cut = runFaultChild(folder.path(), {QStringLiteral("changed")},
                                          {QStringLiteral("read"), read, QStringLiteral("shrink")});
    EXPECT_FALSE(cut.killed || cut.hung);
    EXPECT_EQ(cut.value(QStringLiteral("changed")), QStringLiteral("yes"));
}

}  // namespace
