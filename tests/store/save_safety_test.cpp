// What a save may touch: only regular files of the register's folder (or the data file a link the
// user made leads to), never a link's target, never wider permissions than the register's, and
// nothing when another program has taken the data file's place. Also the folder lock that keeps a
// second copy of the program off the register.
#include "store/errors.h"
#include "store/folder_lock.h"
#include "store/temporary_files.h"
#include "store/save.h"
#include "store/save_target.h"

#include "support/loaded_register.h"
#include "support/register_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

const QByteArray kOriginal = RegisterFile(BarePerson("AB0001-7"), 1, 0);
const QByteArray kOutside = "a file of another program, outside the register's folder\n";

void link(const QString& target, const QString& linkPath)
{
    ASSERT_TRUE(QFile::link(target, linkPath)) << linkPath.toStdString();
}

bool isRegularFile(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

mode_t permissionsOf(const QString& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st.st_mode & 0777;
}

void setPermissions(const QString& path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

// A register loaded and then changed, so that a save writes other bytes than the original.
struct EditedRegister : LoadedRegister {
    EditedRegister() : LoadedRegister(kOriginal)
    {
        EXPECT_TRUE(Accepted(report));
        reg.addPerson(ValueOf(QStringLiteral("AB0002-3")));
    }
    void save() { SaveRegister(reg, clock); }
    QByteArray data() const { return folder.read("zok.xml"); }
};

void expectRegularBackupOfTheOriginal(const EditedRegister& r)
{
    EXPECT_TRUE(isRegularFile(r.folder.file("zok.bak"))) << "the backup is not a regular file";
    EXPECT_EQ(r.folder.read("zok.bak"), kOriginal);
}

}  // namespace

TEST(SaveLinks, BackupLinkToAnotherFileIsReplacedAndItsTargetLeftAlone)
{
    TempFolder outside;
    outside.write("notes.txt", kOutside);
    EditedRegister r;
    link(outside.file("notes.txt"), r.folder.file("zok.bak"));
    r.save();
    EXPECT_EQ(outside.read("notes.txt"), kOutside);
    expectRegularBackupOfTheOriginal(r);
    EXPECT_TRUE(r.data().contains("AB0002-3"));
}

TEST(SaveLinks, DanglingBackupLinkCreatesNothingOutsideTheFolder)
{
    TempFolder outside;
    EditedRegister r;
    link(outside.file("created-by-the-save"), r.folder.file("zok.bak"));
    r.save();
    EXPECT_TRUE(QDir(outside.path()).isEmpty());
    expectRegularBackupOfTheOriginal(r);
}

TEST(SaveLinks, BackupLinkToTheDataFileStillLeavesARealBackup)
{
    EditedRegister r;
    link(QStringLiteral("zok.xml"), r.folder.file("zok.bak"));
    r.save();
    expectRegularBackupOfTheOriginal(r);
    EXPECT_TRUE(r.data().contains("AB0002-3"));
}

TEST(SaveLinks, DataFileLinkMadeBeforeStartStaysALinkAndItsTargetIsSaved)
{
    TempFolder elsewhere;
    elsewhere.write("family.xml", kOriginal);
    TempFolder folder;
    link(elsewhere.file("family.xml"), folder.file("zok.xml"));
    FixedClock clock(kTestToday);
    Register reg;
    reg.folder = folder.path();
    ASSERT_TRUE(Accepted(LoadDataFile(reg, clock)));
    reg.addPerson(ValueOf(QStringLiteral("AB0002-3")));

    SaveRegister(reg, clock);
    EXPECT_EQ(QFileInfo(folder.file("zok.xml")).symLinkTarget(), elsewhere.file("family.xml"));
    EXPECT_TRUE(elsewhere.read("family.xml").contains("AB0002-3"));
    EXPECT_EQ(folder.read("zok.bak"), kOriginal);
    EXPECT_TRUE(isRegularFile(folder.file("zok.bak")));
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
              QStringList{QStringLiteral("family.xml")});
}

TEST(SaveLinks, DataFileReplacedByALinkDuringTheRunIsNeverWrittenThrough)
{
    TempFolder outside;
    outside.write("other.xml", kOutside);
    EditedRegister r;
    ASSERT_TRUE(QFile::remove(r.folder.file("zok.xml")));
    link(outside.file("other.xml"), r.folder.file("zok.xml"));
    try {
        r.save();
        ADD_FAILURE() << "saved through a link put in place of the data file";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains("zok.xml")) << e.message().toStdString();
    }
    EXPECT_EQ(outside.read("other.xml"), kOutside);
    EXPECT_FALSE(r.folder.exists("zok.bak"));
    EXPECT_TRUE(QFileInfo(r.folder.file("zok.xml")).isSymLink());
    // The edits are still there: once the user puts the file back, the save goes through.
    ASSERT_TRUE(QFile::remove(r.folder.file("zok.xml")));
    r.folder.write("zok.xml", kOriginal);
    r.save();
    EXPECT_TRUE(r.data().contains("AB0002-3"));
}

TEST(SavePermissions, BackupAndNewFileAreNeverWiderThanTheRegister)
{
    for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0644)}) {
        EditedRegister r;
        setPermissions(r.folder.file("zok.xml"), mode);
        r.folder.write("zok.bak", "an older backup, readable by all");
        setPermissions(r.folder.file("zok.bak"), 0644);
        r.save();
        EXPECT_EQ(permissionsOf(r.folder.file("zok.bak")), mode) << std::oct << mode;
        EXPECT_EQ(permissionsOf(r.folder.file("zok.xml")), mode) << std::oct << mode;
        expectRegularBackupOfTheOriginal(r);
    }
    // A new backup beside a private register is private from the start.
    EditedRegister r;
    setPermissions(r.folder.file("zok.xml"), 0600);
    CopyToBackup(r.folder.file("zok.xml"), r.folder.file("zok.bak"));
    EXPECT_EQ(permissionsOf(r.folder.file("zok.bak")), mode_t(0600));
}

TEST(SaveLeftovers, OnlyTheProgramsOwnUnusedTemporariesOfAnEarlierRunAreRemoved)
{
    TempFolder outside;
    outside.write("kept.txt", kOutside);
    EditedRegister r;
    // Copies a user makes by hand, and names that merely look like ours.
    const QStringList usersOwn = {"zok.xml.backup", "zok.xml.201901", "zok.bak.old123",
                                  "zok.xml~",       "zok.xml.orig",   "zok.xml.Ab12Cd",
                                  ".orvanel-unfinished-short",
                                  ".orvanel-unfinished-k3Xq9ZbT0aLm2Rw7.txt"};
    for (const QString& name : usersOwn)
        r.folder.writeOld(name, "the user's own " + name.toUtf8());
    const QString stale = QString::fromLatin1(NewTemporaryName());
    r.folder.writeOld(stale, "left by a save that was killed");
    // Written during this run: another copy may have only just created it.
    const QString fresh = QString::fromLatin1(NewTemporaryName());
    r.folder.write(fresh, "being written");
    // Still open in a copy that is writing it.
    const QString held = QString::fromLatin1(NewTemporaryName());
    r.folder.writeOld(held, "being written");
    QFile holder(r.folder.file(held));
    ASSERT_TRUE(holder.open(QIODevice::ReadOnly));
    HoldTemporary(holder.handle());
    const QString linkName = QString::fromLatin1(NewTemporaryName());
    link(outside.file("kept.txt"), r.folder.file(linkName));
    const QString folderName = QString::fromLatin1(NewTemporaryName());
    ASSERT_TRUE(QDir(r.folder.path()).mkdir(folderName));

    r.save();
    for (const QString& name : usersOwn)
        EXPECT_EQ(r.folder.read(name), "the user's own " + name.toUtf8()) << name.toStdString();
    EXPECT_FALSE(r.folder.exists(stale));
    EXPECT_TRUE(r.folder.exists(fresh));
    EXPECT_TRUE(r.folder.exists(held));
    EXPECT_TRUE(QFileInfo(r.folder.file(linkName)).isSymLink());
    EXPECT_TRUE(QFileInfo(r.folder.file(folderName)).isDir());
    EXPECT_EQ(outside.read("kept.txt"), kOutside);
    expectRegularBackupOfTheOriginal(r);

    EXPECT_TRUE(IsTemporaryName(NewTemporaryName()));
    EXPECT_NE(NewTemporaryName(), NewTemporaryName());
    EXPECT_FALSE(IsTemporaryName(".orvanel-unfinished-k3Xq9ZbT0aLm2R\xC3\xA9"));
    EXPECT_FALSE(IsTemporaryName("zok.xml"));
}

TEST(SaveChanged, TellsAnotherProgramsChangeFromTheFileAsLoadedOrAsSaved)
{
    EditedRegister r;
    EXPECT_FALSE(DataFileChangedSinceLoad(r.reg));
    r.folder.write("zok.xml", kOriginal);  // rewritten with the same bytes
    EXPECT_FALSE(DataFileChangedSinceLoad(r.reg));
    r.folder.write("zok.xml", RegisterFile(BarePerson("AB0001-7") + BarePerson("AB0009-5"), 2, 0));
    EXPECT_TRUE(DataFileChangedSinceLoad(r.reg));
    r.save();
    EXPECT_FALSE(DataFileChangedSinceLoad(r.reg)) << "our own save counted as another program's";
    QFile::remove(r.folder.file("zok.xml"));
    EXPECT_FALSE(DataFileChangedSinceLoad(r.reg)) << "a missing file is the save's to report";
}

TEST(SaveChanged, ASecondSaveOfTheRunKeepsTheBackupOfTheFileAsLoaded)
{
    EditedRegister r;
    r.save();
    r.reg.addPerson(ValueOf(QStringLiteral("AB0003-9")));
    r.save();
    EXPECT_EQ(r.folder.read("zok.bak"), kOriginal);
    EXPECT_TRUE(r.data().contains("AB0003-9"));
}

TEST(FolderLock, ASecondLockOfTheFolderIsRefusedUntilTheFirstEnds)
{
    TempFolder folder;
    folder.write("zok.xml", kOriginal);
    {
        const FolderLock first = FolderLock::take(folder.path());
        EXPECT_TRUE(first.held());
        try {
            FolderLock::take(folder.path());
            ADD_FAILURE() << "two locks on one folder";
        } catch (const LoadRefused& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(kRegisterAlreadyOpen));
        }
        TempFolder other;
        EXPECT_TRUE(FolderLock::take(other.path()).held());

        // The lock outlives the save's renames of both files.
        FixedClock clock(kTestToday);
        Register reg;
        reg.folder = folder.path();
        ASSERT_TRUE(Accepted(LoadDataFile(reg, clock)));
        SaveRegister(reg, clock);
        EXPECT_THROW(FolderLock::take(folder.path()), LoadRefused);

        // Opening a held folder is a refused load like any other: nothing of the file is read.
        Register blocked;
        blocked.folder = folder.path();
        EXPECT_EQ(OpenRegister(blocked, clock).refusal,
                  QString::fromLatin1(kRegisterAlreadyOpen));
        EXPECT_TRUE(blocked.loadFailed());
        EXPECT_TRUE(!blocked.loaded());
        EXPECT_FALSE(blocked.folderLock.held());
        // The lock adds no file beside the register.
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                QDir::NoDotAndDotDot),
                  QStringList({"zok.bak", "zok.xml"}));
    }
    EXPECT_TRUE(FolderLock::take(folder.path()).held());
}
