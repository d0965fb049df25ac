#pragma once

#include "support/temp_folder.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace orvanel::testing {

// A folder of commands put first on the PATH of a script under test: stand-ins that record their
// arguments (one per line, calls separated by a line "--") and links to real commands.
class StandInCommands {
public:
    // A shell stand-in that records its call, then runs `body`.
    void add(const QString& name, const QByteArray& body = "exit 0\n");
    // A link to the real command of that name found on the current PATH.
    void link(const QString& name);
    // What the stand-in `name` was called with; empty when it was never called.
    QByteArray calls(const QString& name) const;
    QString path() const { return folder_.path(); }
    // The environment with this folder first on the PATH, or, with `only`, as the whole PATH.
    QProcessEnvironment environment(bool only = false) const;

private:
    TempFolder folder_;
    TempFolder records_;
};

}  // namespace orvanel::testing
