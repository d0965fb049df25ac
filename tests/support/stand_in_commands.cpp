#include "support/stand_in_commands.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace orvanel::testing {

void StandInCommands::add(const QString& name, const QByteArray& body)
{
    const QByteArray record = records_.file(name).toLocal8Bit();
    QByteArray script = "#!/bin/sh\n";
    script += "for a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '" + record + "'\n";
    script += "echo -- >> '" + record + "'\n";
    script += body;
    folder_.write(name, script);
    QFile::setPermissions(folder_.file(name),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void StandInCommands::link(const QString& name)
{
    const QString real = QStandardPaths::findExecutable(name);
    if (real.isEmpty() || !QFile::link(real, folder_.file(name)))
        ADD_FAILURE() << "cannot link the command " << name.toStdString();
}

QByteArray StandInCommands::calls(const QString& name) const
{
    if (!records_.exists(name))
        return {};
    return records_.read(name);
}

QProcessEnvironment StandInCommands::environment(bool only) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PATH"),
               only ? path() : path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    return env;
}

}  // namespace orvanel::testing
