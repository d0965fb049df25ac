#include "fault_run.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace orvanel::faults {

QString ChildResult::value(const QString& key) const
{
    const QString prefix = key + QStringLiteral(": ");
    for (const QString& line : lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return QString();
}

ChildResult runFaultChild(const QString& folder, const QStringList& arguments,
                          const FaultPlan& plan)
{
    QTemporaryDir logDir;
    const QString log = logDir.filePath(QStringLiteral("calls.log"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ORVANEL_FAULT_SHIM));
    env.insert(QStringLiteral("ORVANEL_FAULT_LOG"), log);
    // Under the sanitizers the preloaded library comes before their runtime, which is fine here.
    const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) +
                   QStringLiteral("verify_asan_link_order=0"));
    env.remove(QStringLiteral("ORVANEL_FAULT_OP"));
    if (!plan.op.isEmpty()) {
        env.insert(QStringLiteral("ORVANEL_FAULT_OP"), plan.op);
        env.insert(QStringLiteral("ORVANEL_FAULT_CALL"), QString::number(plan.call));
        env.insert(QStringLiteral("ORVANEL_FAULT_KIND"), plan.kind);
    }

    ChildResult result;
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(ORVANEL_FAULT_CHILD), QStringList{folder} + arguments);
    // A generous bound: a run takes a fraction of a second.
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        result.hung = true;
    }
    result.killed = !result.hung && child.exitStatus() == QProcess::CrashExit;
    result.exitCode = child.exitCode();
    result.lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'),
                                                                         Qt::SkipEmptyParts);
    result.calls = QString::fromUtf8(readFile(log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return result;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace orvanel::faults
