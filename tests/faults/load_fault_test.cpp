// A data file that another program cuts short while the load reads it: the load must tell the
// user what happened, not send them looking for a fault in a file that has none.
#include "fault_run.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvanel::faults;

namespace {

// Which read, among every read the load makes, is the first of the data file (the system's memory
// figures are read before it).
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

TEST(LoadFault, AFileCutShortWhileReadIsReportedAsChangedNotAsMalformed)
{
    QTemporaryDir folder;
    ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("zok.xml")),
                          readFile(QStringLiteral(ORVANEL_SAMPLE_REGISTER))));
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

}  // namespace
