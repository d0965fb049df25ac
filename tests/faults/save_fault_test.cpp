// A save meets a failing file operation at every point it can, or is killed at every step: the
// user's file must survive each time, the error must be shown, the edits kept, and a later save
// must succeed.
#include "fault_edits.h"
#include "fault_run.h"

#include "store/register.h"
#include "support/loaded_register.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <optional>

using namespace orvanel;
using namespace orvanel::faults;

namespace {

const QString kData = QStringLiteral("zok.xml");
const QString kBackup = QStringLiteral("zok.bak");
const QByteArray kPriorBackup = "<an older backup, from the save before this one/>\n";

const QByteArray& original()
{
    static const QByteArray bytes = readFile(QStringLiteral(ORVANEL_SAMPLE_REGISTER));
    return bytes;
}

QString md5(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

// A working folder holding the sample register, and the backup of an earlier save if asked.
struct Folder {
    QTemporaryDir dir;
    explicit Folder(bool priorBackup)
    {
        EXPECT_TRUE(writeFile(file(kData), original()));
        if (priorBackup) {
            EXPECT_TRUE(writeFile(file(kBackup), kPriorBackup));
        }
    }
    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }
};

// The operation named on a line of the fault library's log: "<seq> <op> <fn> <what> <result>".
QString opOf(const QString& call)
{
    return call.section(QLatin1Char(' '), 1, 1);
}

// A save with no fault: the file it writes, and the file operations it makes.
struct Reference {
    QByteArray saved;
    QStringList calls;
    std::map<QString, int> perOp;
};

Reference makeReference(bool priorBackup)
{
    Folder folder(priorBackup);
    const ChildResult run = runFaultChild(folder.path(), {QStringLiteral("save")});
    Reference ref;
    EXPECT_EQ(run.value(QStringLiteral("save")), QStringLiteral("ok"));
    EXPECT_EQ(filesIn(folder.path()), QStringList({kBackup, kData}));
    EXPECT_EQ(readFile(folder.file(kBackup)), original());
    ref.saved = readFile(folder.file(kData));
    ref.calls = run.calls;
    for (const QString& call : run.calls)
        ++ref.perOp[opOf(call)];
    return ref;
}

// The log line of the nth call (from 1) of one operation in a save.
QString nthCall(const Reference& ref, const QString& op, int n)
{
    for (const QString& call : ref.calls) {
        if (opOf(call) == op && --n == 0)
            return call;
    }
    return QString();
}

const Reference& reference(bool priorBackup)
{
    static const Reference withoutBackup = makeReference(false);
    static const Reference withBackup = makeReference(true);
    return priorBackup ? withBackup : withoutBackup;
}

// The folder after a complete save: the new register in place, the old one as the backup.
void expectSavedWhole(const Folder& folder)
{
    EXPECT_EQ(filesIn(folder.path()), QStringList({kBackup, kData}));
    EXPECT_TRUE(readFile(folder.file(kData)) == reference(false).saved)
        << "the data file is not the register as saved";
    EXPECT_TRUE(readFile(folder.file(kBackup)) == original()) << "the backup is not the old file";
}

// A save that failed: the message shown, the file as before, the edits kept, no stray files,
// and a retry that saved everything.
void expectRecovered(const ChildResult& run, const Folder& folder, bool priorBackup)
{
    const QString save = run.value(QStringLiteral("save"));
    ASSERT_TRUE(save.startsWith(QStringLiteral("error "))) << save.toStdString();
    EXPECT_GT(save.size(), 12) << "the error says nothing";
    EXPECT_EQ(run.value(QStringLiteral("edits")), QStringLiteral("kept"));
    // Only a failed flush of the folder after the new data file was renamed into place leaves
    // the new register there; the message says so, and the backup still holds the old one.
    const bool newDataInPlace =
        save.contains(QStringLiteral("it is in place")) && save.contains(kData);
    EXPECT_EQ(run.value(QStringLiteral("after-failure data")),
              newDataInPlace ? QStringLiteral("changed") : QStringLiteral("unchanged"));
    EXPECT_EQ(run.value(QStringLiteral("after-failure load")),
              newDataInPlace ? QStringLiteral("ok persons 19 rels 14")
                             : QStringLiteral("ok persons 18 rels 13"));
    const QString backup = run.value(QStringLiteral("after-failure backup"));
    const QStringList allowedBackups = priorBackup
                                           ? QStringList{md5(kPriorBackup), md5(original())}
                                           : QStringList{QStringLiteral("absent"), md5(original())};
    EXPECT_TRUE(allowedBackups.contains(backup)) << "backup after the failure: " << backup.toStdString();
    const QStringList files =
        run.value(QStringLiteral("after-failure files")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& name : files)
        EXPECT_TRUE(name == kData || name == kBackup) << "left behind: " << name.toStdString();
    EXPECT_EQ(run.value(QStringLiteral("retry")), QStringLiteral("ok"));
    expectSavedWhole(folder);
}

struct FaultCase {
    const char* op;
    const char* kind;
    bool mustFail;  // false: the save may absorb the fault, as long as it saves everything
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c)
{
    return out << c.op << '/' << c.kind;
}

class SaveFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SaveFault, LeavesTheFileAsItWasAndARetrySucceeds)
{
    const FaultCase& c = GetParam();
    for (const bool priorBackup : {false, true}) {
        const auto count = reference(priorBackup).perOp.find(QString::fromLatin1(c.op));
        const int calls = count == reference(priorBackup).perOp.end() ? 0 : count->second;
        if (std::string(c.op) != "link" && std::string(c.op) != "rename") {
            ASSERT_GT(calls, 0) << "a save makes no " << c.op << " call";
        }
        QStringList absorbed;
        for (int n = 1; n <= calls; ++n) {
            SCOPED_TRACE(QStringLiteral("%1 call %2 fails with %3%4")
                             .arg(QString::fromLatin1(c.op))
                             .arg(n)
                             .arg(QString::fromLatin1(c.kind),
                                  priorBackup ? QStringLiteral(", with an earlier backup")
                                              : QString())
                             .toStdString());
            Folder folder(priorBackup);
            const ChildResult run = runFaultChild(folder.path(), {QStringLiteral("save")},
                                                  {QString::fromLatin1(c.op), n,
                                                   QString::fromLatin1(c.kind)});
            ASSERT_FALSE(run.killed || run.hung);
            if (run.value(QStringLiteral("save")) == QStringLiteral("ok")) {
                // Listing the folder for leftovers of an interrupted save is best effort.
                const bool listing =
                    nthCall(reference(priorBackup), QString::fromLatin1(c.op), n)
                        .section(QLatin1Char(' '), 2, 3) == QStringLiteral("openat .");
                EXPECT_FALSE(c.mustFail && !listing) << "the failure was reported as success";
                expectSavedWhole(folder);
                absorbed << QString::number(n);
            } else {
                expectRecovered(run, folder, priorBackup);
            }
        }
        if (!absorbed.isEmpty())
            std::cout << "[ info ] " << c.op << '/' << c.kind
                      << (priorBackup ? " (earlier backup)" : "")
                      << ": saved whole despite the fault at call " << absorbed.join(", ").toStdString()
                      << " of " << calls << '\n';
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileOperation, SaveFault,
    ::testing::Values(FaultCase{"open", "eio", true}, FaultCase{"open", "eacces", true},
                      FaultCase{"read", "eio", false}, FaultCase{"write", "eio", true},
                      FaultCase{"write", "enospc", true}, FaultCase{"write", "full", true},
                      FaultCase{"write", "short", false}, FaultCase{"fsync", "eio", false},
                      FaultCase{"chmod", "eio", true}, FaultCase{"link", "eio", false},
                      FaultCase{"rename", "eio", false},
                      FaultCase{"close", "eio", false}),
    [](const ::testing::TestParamInfo<FaultCase>& info) {
        return std::string(info.param.op) + "_" + info.param.kind;
    });

TEST(SaveFaults, EveryFileIsOnDiskBeforeItIsPutInPlace)
{
    for (const bool priorBackup : {false, true}) {
        const Reference& ref = reference(priorBackup);
        ASSERT_FALSE(ref.calls.isEmpty()) << "the fault library saw nothing: is it preloaded?";
        bool unsynced = false;
        QStringList placed;
        for (int i = 0; i < ref.calls.size(); ++i) {
            const QString& call = ref.calls[i];
            const QString op = opOf(call);
            if (op == QStringLiteral("write"))
                unsynced = true;
            else if (op == QStringLiteral("fsync"))
                unsynced = false;
            else if ((op == QStringLiteral("link") || op == QStringLiteral("rename")) &&
                     !call.endsWith(QStringLiteral(" EEXIST"))) {
                EXPECT_FALSE(unsynced) << "put in place before it was on disk: "
                                       << call.toStdString();
                placed << call.section(QLatin1Char(' '), -2, -2).section(QLatin1Char('/'), -1);
                // The rename is on disk only once its folder is.
                EXPECT_TRUE(i + 1 < ref.calls.size() && opOf(ref.calls[i + 1]) == "fsync")
                    << "no flush of the folder after " << call.toStdString();
            }
        }
        // Both files are written aside and put in place whole, never rewritten where they are.
        EXPECT_TRUE(placed.contains(kBackup)) << placed.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(placed.contains(kData)) << placed.join(QLatin1Char(' ')).toStdString();
        // And what was saved is the register with the user's edits.
        QTemporaryDir dir;
        ASSERT_TRUE(writeFile(dir.filePath(kData), ref.saved));
        FixedClock clock(faultEditDay());
        Register reg;
        reg.folder = dir.path();
        ASSERT_TRUE(orvanel::testing::Accepted(orvanel::testing::LoadDataFile(reg, clock)));
        EXPECT_EQ(reg.personCounter(), 19);
        EXPECT_EQ(reg.relCounter(), 14);
        EXPECT_TRUE(userEditsPresent(reg));
    }
}

TEST(SaveFaults, DataFileDeletedWhileTheProgramRan)
{
    Folder folder(false);
    const ChildResult run =
        runFaultChild(folder.path(), {QStringLiteral("save"), QStringLiteral("--delete-data")});
    const QString save = run.value(QStringLiteral("save"));
    EXPECT_TRUE(save.startsWith(QStringLiteral("error ")) && save.contains(kData))
        << save.toStdString();
    EXPECT_EQ(run.value(QStringLiteral("edits")), QStringLiteral("kept"));
    // Nothing is written when there is nothing to back up.
    EXPECT_EQ(run.value(QStringLiteral("after-failure data")), QStringLiteral("absent"));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("after-failure files: ")))
        << run.lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(run.value(QStringLiteral("retry")), QStringLiteral("ok"));
    expectSavedWhole(folder);
}

TEST(SaveFaults, BackupThatCannotBeReplaced)
{
    // A folder in the backup's place cannot be replaced by a file, even by root.
    Folder folder(false);
    const ChildResult run = runFaultChild(
        folder.path(), {QStringLiteral("save"), QStringLiteral("--backup-is-folder")});
    const QString save = run.value(QStringLiteral("save"));
    EXPECT_TRUE(save.startsWith(QStringLiteral("error ")) && save.contains(kBackup))
        << save.toStdString();
    EXPECT_EQ(run.value(QStringLiteral("edits")), QStringLiteral("kept"));
    EXPECT_EQ(run.value(QStringLiteral("after-failure data")), QStringLiteral("unchanged"));
    EXPECT_EQ(run.value(QStringLiteral("after-failure files")), QStringLiteral("zok.bak zok.xml"));
    EXPECT_EQ(run.value(QStringLiteral("retry")), QStringLiteral("ok"));
    expectSavedWhole(folder);
}

TEST(SaveFaults, ALeftoverThatCannotBeRemovedDoesNotStopTheSave)
{
    const QString leftover = QStringLiteral(".orvanel-unfinished-Ab12Cd34Ef56Gh78");
    for (const bool removable : {false, true}) {
        Folder folder(false);
        ASSERT_TRUE(writeFile(folder.file(leftover), reference(false).saved));
        const FaultPlan plan = removable ? FaultPlan{}
                                         : FaultPlan{QStringLiteral("unlink"), 0,
                                                     QStringLiteral("eio")};
        const ChildResult run = runFaultChild(folder.path(), {QStringLiteral("save")}, plan);
        EXPECT_EQ(run.value(QStringLiteral("save")), QStringLiteral("ok")) << removable;
        EXPECT_EQ(readFile(folder.file(kData)), reference(false).saved);
        EXPECT_EQ(readFile(folder.file(kBackup)), original());
        EXPECT_EQ(QFile::exists(folder.file(leftover)), !removable);
    }
}

// What a killed save may leave: the data file old or new, the backup the one before or the old
// data file, and at most the temporary file the save was about to rename.
TEST(SaveKilled, AtEveryStepLeavesTheOldOrTheNewRegister)
{
    const QRegularExpression temporary(QStringLiteral("^\\.orvanel-unfinished-[A-Za-z0-9]{16}$"));
    for (const bool priorBackup : {false, true}) {
        const int steps = static_cast<int>(reference(priorBackup).calls.size());
        ASSERT_GT(steps, 0);
        QStringList strays;
        for (int step = 1; step <= steps; ++step) {
            SCOPED_TRACE(QStringLiteral("killed before step %1 of %2: %3%4")
                             .arg(step)
                             .arg(steps)
                             .arg(reference(priorBackup).calls[step - 1],
                                  priorBackup ? QStringLiteral(", with an earlier backup")
                                              : QString())
                             .toStdString());
            Folder folder(priorBackup);
            const ChildResult run = runFaultChild(folder.path(), {QStringLiteral("save")},
                                                  {QStringLiteral("any"), step,
                                                   QStringLiteral("kill")});
            ASSERT_TRUE(run.killed) << (run.hung ? "it hung" : "it was not killed");
            const QByteArray data = readFile(folder.file(kData));
            const bool dataIsOld = data == original();
            EXPECT_TRUE(dataIsOld || data == reference(priorBackup).saved)
                << "the data file is neither the old nor the new register";
            if (QFile::exists(folder.file(kBackup))) {
                const QByteArray backup = readFile(folder.file(kBackup));
                EXPECT_TRUE(backup == original() || (priorBackup && backup == kPriorBackup))
                    << "the backup is neither the old register nor the earlier backup";
            } else {
                EXPECT_FALSE(priorBackup) << "the earlier backup is gone";
            }
            for (const QString& name : filesIn(folder.path())) {
                if (name == kData || name == kBackup)
                    continue;
                EXPECT_TRUE(temporary.match(name).hasMatch()) << "left behind: " << name.toStdString();
                strays << QString::number(step);
            }
            // The user starts the program again and saves (the same edits, or more of them when
            // the killed save had completed); that save also clears what the killed one left.
            const ChildResult again = runFaultChild(folder.path(), {QStringLiteral("save")});
            EXPECT_EQ(again.value(QStringLiteral("save")), QStringLiteral("ok"));
            if (dataIsOld)
                expectSavedWhole(folder);
            else
                EXPECT_EQ(filesIn(folder.path()), QStringList({kBackup, kData}));
        }
        std::cout << "[ info ] killed at each of " << steps << " steps"
                  << (priorBackup ? " (earlier backup)" : "") << "; a temporary file was left "
                  << "after step " << (strays.isEmpty() ? QStringLiteral("none") : strays.join(", ")).toStdString()
                  << '\n';
    }
}

}  // namespace

TEST(SaveFaults, AWriteThatFailsPartWayThroughTheDocumentLeavesTheFilesAsTheyWere)
{
    // A register of several of the save's blocks, so that the document goes into the new file
    // over several writes and one can fail after others have put bytes in it.
    QByteArray large = original();
    QByteArray padding;
    for (int i = 0; i < 40000; ++i)
        padding += " <!-- line " + QByteArray::number(i) + " of a register of several blocks -->\n";
    large.insert(large.lastIndexOf("</"), padding);

    QTemporaryDir clean;
    ASSERT_TRUE(writeFile(clean.filePath(kData), large));
    const ChildResult reference = runFaultChild(clean.path(), {QStringLiteral("save")});
    ASSERT_EQ(reference.value(QStringLiteral("save")), QStringLiteral("ok"));
    // The writes of the new data file: those after the backup was put in place.
    QList<int> dataWrites;
    int writes = 0;
    bool backupPlaced = false;
    for (const QString& call : reference.calls) {
        if (opOf(call) == QStringLiteral("rename") && call.contains(kBackup))
            backupPlaced = true;
        if (opOf(call) == QStringLiteral("write")) {
            ++writes;
            if (backupPlaced)
                dataWrites << writes;
        }
    }
    ASSERT_GE(dataWrites.size(), 3) << "the document did not go out over several writes";

    for (const char* kind : {"eio", "enospc", "full"}) {
        for (const int n : {dataWrites[1], dataWrites.last()}) {
            SCOPED_TRACE(std::string(kind) + " at write " + std::to_string(n));
            QTemporaryDir dir;
            ASSERT_TRUE(writeFile(dir.filePath(kData), large));
            const ChildResult run = runFaultChild(dir.path(), {QStringLiteral("save")},
                                                  {QStringLiteral("write"), n,
                                                   QString::fromLatin1(kind)});
            const QString save = run.value(QStringLiteral("save"));
            EXPECT_TRUE(save.startsWith(QStringLiteral("error ")) && save.contains(kData))
                << save.toStdString();
            EXPECT_EQ(run.value(QStringLiteral("edits")), QStringLiteral("kept"));
            EXPECT_EQ(run.value(QStringLiteral("after-failure data")), QStringLiteral("unchanged"));
            EXPECT_EQ(run.value(QStringLiteral("after-failure files")),
                      kBackup + QLatin1Char(' ') + kData);
            EXPECT_EQ(run.value(QStringLiteral("after-failure backup")), md5(large));
            EXPECT_EQ(run.value(QStringLiteral("retry")), QStringLiteral("ok"));
            EXPECT_TRUE(readFile(dir.filePath(kData)) == readFile(clean.filePath(kData)));
            EXPECT_TRUE(readFile(dir.filePath(kBackup)) == large);
        }
    }
}
