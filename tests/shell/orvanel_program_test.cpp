// Runs the built program itself on a virtual X display, the way a user would meet it.
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

// Inside the virtual display: start the program, wait for its first window, press Enter on it,
// and report how the program ended. Every wait is bounded.
const char* const kScript = R"sh(
"$1" &
pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
if [ -z "$win" ]; then
  kill "$pid" 2>/dev/null
  echo "no window"
  exit 90
fi
echo "window: $(xdotool getwindowname "$win")"
kill -0 "$pid" 2>/dev/null && echo "running before Enter"
xdotool windowfocus --sync "$win"
xdotool key --clearmodifiers Return
for i in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  echo "still running"
  exit 91
fi
wait "$pid"
echo "exit: $?"
)sh";

TEST(OrvanelProgram, MissingDataFileShowsTheErrorAndAfterOkEndsWithNothingWritten)
{
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xvfbRun.isEmpty() || xdotool.isEmpty())
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    const QString program = QStringLiteral(ORVANEL_BINARY_DIR "/orvanel");
    ASSERT_TRUE(QFileInfo::exists(program)) << program.toStdString();

    TempFolder folder;
    QProcess run;
    run.setWorkingDirectory(folder.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("sh"), QStringLiteral("-c"),
                        QString::fromLatin1(kScript), QStringLiteral("sh"), program});
    ASSERT_TRUE(run.waitForStarted(10000));
    if (!run.waitForFinished(60000)) {
        run.kill();
        run.waitForFinished(5000);
        FAIL() << "the run did not end: " << run.readAll().toStdString();
    }
    const QString output = QString::fromLocal8Bit(run.readAll());
    EXPECT_EQ(run.exitCode(), 0) << output.toStdString();
    // The error box is the first and only window; the program waits for it, then ends.
    EXPECT_TRUE(output.contains(QLatin1String("window: Error"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QLatin1String("running before Enter"))) << output.toStdString();
    EXPECT_TRUE(output.contains(QLatin1String("exit: 0"))) << output.toStdString();
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
}  // namespace orvanel::testing
