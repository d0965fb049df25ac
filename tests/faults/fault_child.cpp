// The program the fault tests run under the fault library: it loads the register of a folder,
// edits it as a user would, saves it with the faults armed, and reports what happened. After a
// failed save it checks that the edits are still there and saves again with the faults off.
//
//   fault_child FOLDER save [--delete-data] [--backup-is-folder]
//   fault_child FOLDER load
//   fault_child FOLDER changed
//
// Output, one fact per line, "key: value":
//   save: ok | error <message>
// and after a failed save:
//   edits: kept | lost                      the edits are still in memory
//   after-failure data: unchanged | changed | absent
//   after-failure files: <names>            what the folder holds
//   after-failure backup: <md5> | absent
//   after-failure load: ok persons N rels M | refused <message>
//   retry: ok | error <message>             the same save with the fault gone
//   after-retry files: <names>
// In load mode: "load: ok persons N rels M" or "load: refused <message>", then the figures
// "load-ms: T", "peak-kb-before: K" and "peak-kb-after: K". In changed mode, after an unarmed
// load, the check that closing makes for another program's change, armed: "changed: yes | no".
#include "fault_edits.h"

#include "store/errors.h"
#include "store/register.h"
#include "store/save.h"
#include "store/save_target.h"
#include "support/loaded_register.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstring>
#include <dlfcn.h>

namespace {

using namespace orvanel::faults;

using namespace orvanel;

// Switches the preloaded fault library on and off; does nothing when it is not preloaded.
void armFaults(bool on)
{
    using ArmFn = void (*)(int);
    static const auto arm = reinterpret_cast<ArmFn>(dlsym(RTLD_DEFAULT, "orvanel_faults_arm"));
    if (arm)
        arm(on ? 1 : 0);
}

// The peak resident memory of this program's own image (VmHWM): unlike getrusage, it does not
// carry over the peak of the process that started it.
long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString md5Of(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

QString filesOf(const QString& folder)
{
    return QDir(folder)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name)
        .join(QLatin1Char(' '));
}

// What a failed save left behind: the data file as before, loading as before, and no stray files.
void reportFolder(const QString& folder, const QByteArray& originalBytes, const Clock& clock,
                  QTextStream& out)
{
    Register reloaded;
    reloaded.folder = folder;
    const QString dataPath = reloaded.dataPath();
    if (!QFile::exists(dataPath))
        out << "after-failure data: absent\n";
    else
        out << "after-failure data: "
            << (readAll(dataPath) == originalBytes ? "unchanged" : "changed") << '\n';
    out << "after-failure files: " << filesOf(folder) << '\n';
    out << "after-failure backup: "
        << (QFile::exists(reloaded.backupPath()) ? md5Of(readAll(reloaded.backupPath()))
                                                 : QStringLiteral("absent"))
        << '\n';
    if (QFile::exists(dataPath)) {
        const LoadReport report = orvanel::testing::LoadDataFile(reloaded, clock);
        if (report.refused())
            out << "after-failure load: refused " << *report.refusal << '\n';
        else
            out << "after-failure load: ok persons " << reloaded.personCounter() << " rels "
                << reloaded.relCounter() << '\n';
    }
}

QString trySave(Register& reg, const Clock& clock, bool armed)
{
    armFaults(armed);
    QString failure;
    try {
        SaveRegister(reg, clock);
    } catch (const Error& e) {
        // The program shows this text in a message box; it must say something.
        failure = e.message().isEmpty() ? QStringLiteral("(empty message)") : e.message();
    }
    armFaults(false);
    return failure;
}

// Loads the register of `folder` with the faults unarmed; says so and answers false when refused.
bool loadUnarmed(Register& reg, const QString& folder, const Clock& clock, QTextStream& out)
{
    reg.folder = folder;
    const LoadReport report = orvanel::testing::LoadDataFile(reg, clock);
    if (report.refused())
        out << "load: refused " << *report.refusal << '\n';
    return !report.refused();
}

int runSave(const QString& folder, bool deleteData, bool backupIsFolder, QTextStream& out)
{
    FixedClock clock(faultEditDay());
    Register reg;
    if (!loadUnarmed(reg, folder, clock, out))
        return 2;
    applyUserEdits(reg, clock);

    const QString dataPath = reg.dataPath();
    const QByteArray originalBytes = readAll(dataPath);
    QByteArray dataBytes;
    if (deleteData) {
        QFile data(dataPath);
        if (data.open(QIODevice::ReadOnly))
            dataBytes = data.readAll();
        data.close();
        QFile::remove(dataPath);
    }
    if (backupIsFolder)
        QDir(folder).mkdir(QString::fromLatin1(kBackupFileName));

    const QString failure = trySave(reg, clock, true);
    if (failure.isEmpty()) {
        out << "save: ok\n";
        return 0;
    }
    out << "save: error " << failure << '\n';
    out << "edits: " << (userEditsPresent(reg) ? "kept" : "lost") << '\n';
    reportFolder(folder, originalBytes, clock, out);

    // The fault goes away (the file is put back, the folder removed) and the user closes again.
    if (deleteData) {
        QFile data(dataPath);
        if (data.open(QIODevice::WriteOnly))
            data.write(dataBytes);
    }
    if (backupIsFolder)
        QDir(folder).rmdir(QString::fromLatin1(kBackupFileName));
    const QString retry = trySave(reg, clock, false);
    out << "retry: " << (retry.isEmpty() ? QStringLiteral("ok") : "error " + retry) << '\n';
    out << "after-retry files: " << filesOf(folder) << '\n';
    return 0;
}

int runLoad(const QString& folder, QTextStream& out)
{
    FixedClock clock(faultEditDay());
    Register reg;
    reg.folder = folder;
    const long before = peakKb();
    QElapsedTimer timer;
    timer.start();
    armFaults(true);
    const LoadReport report = orvanel::testing::LoadDataFile(reg, clock);
    armFaults(false);
    const qint64 ms = timer.elapsed();
    if (report.refused())
        out << "load: refused " << *report.refusal << '\n';
    else
        out << "load: ok persons " << reg.personCounter() << " rels " << reg.relCounter() << '\n';
    out << "load-ms: " << ms << "\npeak-kb-before: " << before << "\npeak-kb-after: " << peakKb()
        << '\n';
    return 0;
}

int runChangeCheck(const QString& folder, QTextStream& out)
{
    FixedClock clock(faultEditDay());
    Register reg;
    if (!loadUnarmed(reg, folder, clock, out))
        return 2;
    armFaults(true);
    const bool changed = DataFileChangedSinceLoad(reg);
    armFaults(false);
    out << "changed: " << (changed ? "yes" : "no") << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QTextStream out(stdout);
    if (argc < 3) {
        out << "usage: fault_child FOLDER save|load|changed [--delete-data] [--backup-is-folder]\n";
        return 64;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool deleteData = false;
    bool backupIsFolder = false;
    for (int i = 3; i < argc; ++i) {
        deleteData = deleteData || std::strcmp(argv[i], "--delete-data") == 0;
        backupIsFolder = backupIsFolder || std::strcmp(argv[i], "--backup-is-folder") == 0;
    }
    if (std::strcmp(argv[2], "save") == 0)
        return runSave(folder, deleteData, backupIsFolder, out);
    if (std::strcmp(argv[2], "load") == 0)
        return runLoad(folder, out);
    if (std::strcmp(argv[2], "changed") == 0)
        return runChangeCheck(folder, out);
    out << "unknown mode " << argv[2] << '\n';
    return 64;
}
