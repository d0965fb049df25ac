#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orvanel::faults {

// Which call gets which fault; an empty op runs without faults (and only logs the calls).
struct FaultPlan {
    QString op;     // open, read, write, fsync, link, rename, close, or any (every call counts)
    int call = 0;   // 1 = the first call of that op while the save runs; 0 = every call of it
    QString kind;   // eio, enospc, eacces, short, full, shrink, kill
};

struct ChildResult {
    QStringList lines;     // what the program printed
    QStringList calls;     // the file operations it made while armed, one line each
    bool killed = false;   // ended by a signal
    bool hung = false;     // still running after a minute, and killed for it
    int exitCode = 0;

    // The text after "key: " of the first line that starts so, or a null string.
    QString value(const QString& key) const;
};

// Runs the fault program on `folder` with the fault library preloaded.
ChildResult runFaultChild(const QString& folder, const QStringList& arguments,
                          const FaultPlan& plan = {});

// Files of a folder, sorted, without "." and "..".
QStringList filesIn(const QString& folder);

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace orvanel::faults
