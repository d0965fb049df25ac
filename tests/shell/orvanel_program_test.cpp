// Runs the built program itself on a virtual X display, the way a user would meet it.
#include "store/folder_lock.h"
#include "support/qt_printers.h"
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

struct ProgramRun {
    bool skipped = false;
    int exitCode = -1;
    QString output;
};

// Runs the program in `folder` on a virtual display, pressing Enter on its first window.
ProgramRun RunPressingEnter(const TempFolder& folder)
{
    ProgramRun result;
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xvfbRun.isEmpty() || xdotool.isEmpty()) {
        result.skipped = true;
        return result;
    }
    const QString program = QStringLiteral(ORVANEL_BINARY_DIR "/orvanel");
    EXPECT_TRUE(QFileInfo::exists(program)) << program.toStdString();

    QProcess run;
    run.setWorkingDirectory(folder.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("sh"), QStringLiteral("-c"),
                        QString::fromLatin1(kScript), QStringLiteral("sh"), program});
    EXPECT_TRUE(run.waitForStarted(10000));
    if (!run.waitForFinished(60000)) {
        run.kill();
        run.waitForFinished(5000);
        ADD_FAILURE() << "the run did not end: " << run.readAll().toStdString();
    }
    result.output = QString::fromLocal8Bit(run.readAll());
    result.exitCode = run.exitCode();
    return result;
}

// The error box is the first and only window; the program waits for it, then ends.
void ExpectErrorBoxThenEnd(const ProgramRun& run)
{
    const std::string output = run.output.toStdString();
    EXPECT_EQ(run.exitCode, 0) << output;
    EXPECT_TRUE(run.output.contains(QLatin1String("window: Error"))) << output;
    EXPECT_TRUE(run.output.contains(QLatin1String("running before Enter"))) << output;
    EXPECT_TRUE(run.output.contains(QLatin1String("exit: 0"))) << output;
}

TEST(OrvanelProgram, MissingDataFileShowsTheErrorAndAfterOkEndsWithNothingWritten)
{
    TempFolder folder;
    const ProgramRun run = RunPressingEnter(folder);
    if (run.skipped)
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    ExpectErrorBoxThenEnd(run);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(OrvanelProgram, RegisterOpenElsewhereShowsTheErrorAndEndsWithNothingWritten)
{
    TempFolder folder;
    const QByteArray register_ = "<?xml version=\"1.0\"?>\n<Register Prefix=\"AB\" "
                                 "DateModified=\"2025/1/2\" PersonCount=\"0\" RelCount=\"0\"/>\n";
    folder.write(QStringLiteral("zok.xml"), register_);
    // This test holds the folder as an open program would.
    const FolderLock held = FolderLock::take(folder.path());
    const ProgramRun run = RunPressingEnter(folder);
    if (run.skipped)
        GTEST_SKIP() << "needs xvfb-run and xdotool";
    ExpectErrorBoxThenEnd(run);
    EXPECT_EQ(folder.read(QStringLiteral("zok.xml")), register_);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("zok.xml")});
}

}  // namespace
}  // namespace orvanel::testing
