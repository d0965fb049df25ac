// What the install puts in place and what a user meets first: the empty register shipped under
// examples/, the install tree made by `cmake --install`, and the desktop launcher that starts the
// program in ~/Orvanel.
#include "main_window_fixture.h"

#include "support/stand_in_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <optional>

namespace orvanel::testing {
namespace {

const QString kSourceDir = QDir::cleanPath(QStringLiteral(ORVANEL_TEST_DATA "/../.."));
const QString kDesktopEntry = QStringLiteral("share/applications/org.orvanel.Orvanel.desktop");
const QString kMetainfo = QStringLiteral("share/metainfo/org.orvanel.Orvanel.metainfo.xml");
const QString kIcon = QStringLiteral("share/icons/hicolor/scalable/apps/orvanel.svg");
const QString kInstalledExample = QStringLiteral("share/orvanel/examples/zok.xml");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray EmptyRegister()
{
    return ReadAll(kSourceDir + QStringLiteral("/examples/zok.xml"));
}

struct ProcessRun {
    int exitCode = -1;
    QString output;
};

ProcessRun RunProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ProcessRun run;
    if (!process.waitForStarted(10000))
        return run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        run.output = QStringLiteral("did not end");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

// The value of `key` in the [Desktop Entry] group of a desktop file.
QString DesktopValue(const QByteArray& entry, const QString& key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry)).captured(1).trimmed();
}

// The text of the first element named `name` in an XML text, and its attribute "type".
std::optional<QString> ElementText(const QByteArray& xml, const QString& name,
                                   QString* type = nullptr)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == name) {
            if (type)
                *type = reader.attributes().value(QStringLiteral("type")).toString();
            return reader.readElementText();
        }
    }
    return std::nullopt;
}

// --- The empty register ---------------------------------------------------------------------

TEST(EmptyRegister, LoadsAsARegisterWithNobodyInIt)
{
    const QByteArray bytes = EmptyRegister();
    ASSERT_FALSE(bytes.isEmpty()) << "examples/zok.xml is missing";
    const LoadedRegister r(bytes);
    EXPECT_TRUE(Accepted(r.report));
    EXPECT_EQ(r.reg.personCounter(), 0);
    EXPECT_EQ(r.reg.relCounter(), 0);
    EXPECT_TRUE(r.report.conversions.empty());
    EXPECT_FALSE(r.reg.modified());
    // New persons get identifiers that start with the prefix: an empty one would give bare numbers.
    EXPECT_EQ(r.reg.idPrefix.size(), 2);
}

// The first session a user has: the empty register, one person added, saved on closing. The next
// start finds that person; zok.bak holds the register as it was before the save.
TEST_F(MainWindowTest, FirstSessionOnTheEmptyRegisterSavesThePersonAndBacksUpTheEmptyRegister)
{
    ASSERT_FALSE(EmptyRegister().isEmpty());
    writeDataFile(EmptyRegister());
    start();
    ASSERT_TRUE(messages.errors.isEmpty()) << messages.errors.join(QLatin1Char('\n')).toStdString();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));
    messages.answerNext(true);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), original);

    Register reloaded;
    reloaded.folder = folder.path();
    ASSERT_TRUE(Accepted(LoadDataFile(reloaded, clock)));
    EXPECT_EQ(reloaded.personCounter(), 1);
    EXPECT_EQ(reloaded.relCounter(), 0);
    const QByteArray saved = folder.read(QString::fromLatin1(kData));
    EXPECT_TRUE(saved.contains("<Name>Ilze</Name>")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("DateModified=\"2026/12/6\"")) << saved.toStdString();
}

// --- The install tree -----------------------------------------------------------------------

// Installs the build into a scratch prefix once for all the tests below.
class InstallTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix_ = new QTemporaryDir;
        const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        if (cmake.isEmpty()) {
            installError_ = new QString(QStringLiteral("cmake not found"));
            return;
        }
        const ProcessRun run = RunProgram(cmake, {QStringLiteral("--install"),
                                           QStringLiteral(ORVANEL_BINARY_DIR),
                                           QStringLiteral("--prefix"), prefix_->path()});
        if (run.exitCode != 0)
            installError_ = new QString(run.output);
    }

    static void TearDownTestSuite()
    {
        delete prefix_;
        prefix_ = nullptr;
        delete installError_;
        installError_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_EQ(installError_, nullptr) << installError_->toStdString();
    }

    static QString installed(const QString& relative)
    {
        return prefix_->path() + QLatin1Char('/') + relative;
    }

    // Replaces the installed program by a stand-in that reports the folder it was started in, so
    // the launcher can be run without a display.
    static void standInForTheProgram()
    {
        const QString program = installed(QStringLiteral("bin/orvanel"));
        QFile::remove(program);
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho \"started in $(pwd)\"\n");
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    static ProcessRun launch(const QString& launcher, const QString& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        // No display: a failure must not open a message window that waits for a click.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return RunProgram(launcher, {}, env);
    }

    static QTemporaryDir* prefix_;
    static QString* installError_;
};

QTemporaryDir* InstallTree::prefix_ = nullptr;
QString* InstallTree::installError_ = nullptr;

TEST_F(InstallTree, HoldsTheProgramsTheDesktopEntryTheIconTheMetadataAndTheEmptyRegister)
{
    for (const char* program : {"bin/orvanel", "bin/orvanel-check", "bin/orvanel-exchange",
                                "bin/orvanel-launch"}) {
        const QFileInfo info(installed(QLatin1String(program)));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    for (const QString& file : {kDesktopEntry, kMetainfo, kIcon, kInstalledExample})
        EXPECT_TRUE(QFileInfo(installed(file)).isFile()) << file.toStdString();
    EXPECT_EQ(ReadAll(installed(kInstalledExample)), EmptyRegister());
}

// Debian wants these compressed with gzip -n: no name and no time stamp in the header, so that
// two builds of the same sources give the same package.
TEST_F(InstallTree, ManualPagesAndTheChangelogAreCompressedWithoutTimeStampsBesideTheCopyright)
{
    const QStringList compressed = {
        QStringLiteral("share/man/man1/orvanel.1.gz"),
        QStringLiteral("share/man/man1/orvanel-check.1.gz"),
        QStringLiteral("share/man/man1/orvanel-exchange.1.gz"),
        QStringLiteral("share/man/man1/orvanel-launch.1.gz"),
        QStringLiteral("share/doc/orvanel/changelog.Debian.gz")};
    for (const QString& file : compressed) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = ReadAll(installed(file));
        ASSERT_GE(bytes.size(), 10);
        EXPECT_EQ(bytes.left(2), QByteArray("\x1f\x8b"));
        EXPECT_EQ(bytes.mid(4, 4), QByteArray(4, '\0')) << "time stamp";
        EXPECT_EQ(bytes[3] & 0x08, 0) << "file name";
    }
    const QByteArray copyright = ReadAll(installed(QStringLiteral("share/doc/orvanel/copyright")));
    EXPECT_TRUE(copyright.startsWith("Format: https://www.debian.org/doc/packaging-manuals/"
                                     "copyright-format/1.0/\n"));
    EXPECT_TRUE(copyright.contains("\nLicense: GPL-3+\n"));
}

TEST_F(InstallTree, DesktopEntryMetadataAndIconNameEachOther)
{
    const QByteArray entry = ReadAll(installed(kDesktopEntry));
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_EQ(DesktopValue(entry, QStringLiteral("Name")), QStringLiteral("Orvanel"));
    EXPECT_EQ(DesktopValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));

    // The command is an installed program, found on the PATH as the desktop starts it.
    const QString exec = DesktopValue(entry, QStringLiteral("Exec"));
    const QString command = exec.section(QLatin1Char(' '), 0, 0);
    ASSERT_FALSE(command.isEmpty());
    EXPECT_FALSE(command.contains(QLatin1Char('/'))) << exec.toStdString();
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/") + command)).isExecutable())
        << exec.toStdString();

    const QString icon = DesktopValue(entry, QStringLiteral("Icon"));
    EXPECT_TRUE(QFileInfo::exists(
        installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon))))
        << icon.toStdString();

    const QByteArray metainfo = ReadAll(installed(kMetainfo));
    QString launchableType;
    const std::optional<QString> launchable =
        ElementText(metainfo, QStringLiteral("launchable"), &launchableType);
    ASSERT_TRUE(launchable.has_value());
    EXPECT_EQ(launchableType, QStringLiteral("desktop-id"));
    EXPECT_EQ(*launchable, QFileInfo(kDesktopEntry).fileName());
    const std::optional<QString> id = ElementText(metainfo, QStringLiteral("id"));
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(*id + QStringLiteral(".metainfo.xml"), QFileInfo(kMetainfo).fileName());
    EXPECT_EQ(ElementText(metainfo, QStringLiteral("icon")).value_or(QString()), icon);

    // The icon is a well-formed, square SVG drawing.
    QXmlStreamReader svg(ReadAll(installed(kIcon)));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    const QStringList box =
        svg.attributes().value(QStringLiteral("viewBox")).toString().split(QLatin1Char(' '));
    ASSERT_EQ(box.size(), 4);
    EXPECT_EQ(box[2], box[3]);
    while (!svg.atEnd())
        svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
}

TEST_F(InstallTree, DesktopEntryAndMetadataPassTheirValidators)
{
    const QString desktopValidate =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (desktopValidate.isEmpty() || appstream.isEmpty())
        GTEST_SKIP() << "needs desktop-file-validate and appstreamcli";
    const ProcessRun desktop = RunProgram(desktopValidate, {installed(kDesktopEntry)});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    EXPECT_EQ(desktop.output, QString()) << "warnings or hints";
    const ProcessRun metainfo = RunProgram(appstream, {QStringLiteral("validate"),
                                                QStringLiteral("--no-net"), installed(kMetainfo)});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.toStdString();
    EXPECT_FALSE(metainfo.output.contains(QLatin1String("W:"))) << metainfo.output.toStdString();
}

TEST_F(InstallTree, InstalledCheckerAcceptsTheShippedEmptyRegister)
{
    TempFolder folder;
    ASSERT_TRUE(QFile::copy(installed(kInstalledExample), folder.file(QStringLiteral("zok.xml"))));
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(installed(QStringLiteral("bin/orvanel-check")), {});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    EXPECT_EQ(process.exitCode(), 0) << output.toStdString();
    const QStringList lines = output.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4) << output.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("OK"));
    EXPECT_EQ(lines[1], QStringLiteral("persons 0"));
    EXPECT_EQ(lines[2], QStringLiteral("relationships 0"));
}

// The launcher tests run on an install tree of their own, in which the program is a stand-in.
class Launcher : public InstallTree {
protected:
    void SetUp() override
    {
        InstallTree::SetUp();
        standInForTheProgram();
    }
};

TEST_F(Launcher, FirstStartPutsTheEmptyRegisterInOrvanelOfTheHomeFolderAndStartsThere)
{
    TempFolder scratch;
    const QString home = scratch.file(QStringLiteral("a home folder"));
    ASSERT_TRUE(QDir().mkpath(home));

    const ProcessRun run = launch(installed(QStringLiteral("bin/orvanel-launch")), home);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QString folder = home + QStringLiteral("/Orvanel");
    EXPECT_EQ(run.output.trimmed(), QStringLiteral("started in ") + folder);
    EXPECT_EQ(ReadAll(folder + QStringLiteral("/zok.xml")), EmptyRegister());
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("zok.xml")});
}

TEST_F(Launcher, AnExistingRegisterIsUsedAndLeftAsItWas)
{
    TempFolder scratch;
    const QString folder = scratch.file(QStringLiteral("home/Orvanel"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray sample = ReadAll(QStringLiteral(ORVANEL_SAMPLE_REGISTER));
    ASSERT_FALSE(sample.isEmpty());
    QFile data(folder + QStringLiteral("/zok.xml"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write(sample);
    data.close();

    const ProcessRun run = launch(installed(QStringLiteral("bin/orvanel-launch")),
                           scratch.file(QStringLiteral("home")));
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(run.output.trimmed(), QStringLiteral("started in ") + folder);
    EXPECT_EQ(ReadAll(folder + QStringLiteral("/zok.xml")), sample);
}

TEST_F(Launcher, StartedThroughALinkItStillFindsTheProgramAndTheEmptyRegister)
{
    TempFolder scratch;
    const QString link = scratch.file(QStringLiteral("orvanel-launch"));
    ASSERT_TRUE(QFile::link(installed(QStringLiteral("bin/orvanel-launch")), link));
    const QString home = scratch.file(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home));

    const ProcessRun run = launch(link, home);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(run.output.trimmed(), QStringLiteral("started in ") + home + QStringLiteral("/Orvanel"));
    EXPECT_EQ(ReadAll(home + QStringLiteral("/Orvanel/zok.xml")), EmptyRegister());
}

TEST_F(Launcher, WhenTheFolderCannotBeMadeTheProgramIsNotStarted)
{
    TempFolder scratch;
    // A file where the folder should be.
    scratch.write(QStringLiteral("Orvanel"), "not a folder");

    const ProcessRun run = launch(installed(QStringLiteral("bin/orvanel-launch")), scratch.path());
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(run.output.contains(QLatin1String("started in"))) << run.output.toStdString();
    EXPECT_EQ(scratch.read(QStringLiteral("Orvanel")), QByteArray("not a folder"));
}

// Started from a menu, the launcher has nobody reading its standard error: each failure must
// also reach a message window. These runs have a display and a recording message tool.
class LauncherOnADesktop : public Launcher {
protected:
    void SetUp() override
    {
        Launcher::SetUp();
        tools.add(QStringLiteral("zenity"));
    }

    ProcessRun launchOnDesktop(const QString& home) const
    {
        QProcessEnvironment env = tools.environment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":97"));
        return RunProgram(installed(QStringLiteral("bin/orvanel-launch")), {}, env);
    }

    // The text of the one error window asked for; fails the test unless exactly one was.
    QString shownError() const
    {
        const QStringList calls = QString::fromLocal8Bit(tools.calls(QStringLiteral("zenity")))
                                      .split(QStringLiteral("--\n"), Qt::SkipEmptyParts);
        EXPECT_EQ(calls.size(), 1) << calls.join(QStringLiteral("|")).toStdString();
        if (calls.size() != 1)
            return {};
        const QStringList arguments = calls[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_TRUE(arguments.contains(QStringLiteral("--error")));
        // The message is shown as plain text: a folder name must not be read as markup.
        EXPECT_TRUE(arguments.contains(QStringLiteral("--no-markup")));
        for (const QString& argument : arguments)
            if (argument.startsWith(QStringLiteral("--text=")))
                return argument.mid(7);
        ADD_FAILURE() << "no message text in " << calls[0].toStdString();
        return {};
    }

    StandInCommands tools;
};

TEST_F(LauncherOnADesktop, AFileWhereTheFolderShouldBeIsShownInAMessageWindowAndLeftAlone)
{
    TempFolder scratch;
    scratch.write(QStringLiteral("Orvanel"), "not a folder <&>");

    const ProcessRun run = launchOnDesktop(scratch.path());
    EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains(QLatin1String("started in"))) << run.output.toStdString();
    const QString message = shownError();
    EXPECT_TRUE(message.contains(scratch.file(QStringLiteral("Orvanel")) +
                                 QStringLiteral("\" is a file")))
        << message.toStdString();
    // The same words on standard error, for a start from a terminal.
    EXPECT_TRUE(run.output.contains(message)) << run.output.toStdString();
    EXPECT_EQ(scratch.read(QStringLiteral("Orvanel")), QByteArray("not a folder <&>"));
}

TEST_F(LauncherOnADesktop, AProgramThatFailsToStartIsShownWithItsExitStatus)
{
    TempFolder home;
    const QString program = installed(QStringLiteral("bin/orvanel"));
    {
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        // What Qt does when it cannot open a display: a line on standard error, then abort.
        file.write("#!/bin/sh\necho 'could not connect to display' >&2\nexit 134\n");
    }
    const ProcessRun run = launchOnDesktop(home.path());
    EXPECT_EQ(run.exitCode, 134) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(QLatin1String("could not connect to display")));
    const QString message = shownError();
    EXPECT_TRUE(message.contains(QLatin1String("exit status 134"))) << message.toStdString();
    // The register put there for this first start stays for the next one.
    EXPECT_EQ(home.read(QStringLiteral("Orvanel/zok.xml")), EmptyRegister());

    QFile::remove(program);
    const ProcessRun missing = launchOnDesktop(home.path());
    EXPECT_EQ(missing.exitCode, 1) << missing.output.toStdString();
    EXPECT_EQ(tools.calls(QStringLiteral("zenity")).count("--\n"), 2);
}

TEST_F(LauncherOnADesktop, AMissingEmptyRegisterIsShownAndTheProgramIsNotStarted)
{
    const QString example = installed(kInstalledExample);
    const QString aside = example + QStringLiteral(".aside");
    ASSERT_TRUE(QFile::rename(example, aside));
    TempFolder home;
    const ProcessRun run = launchOnDesktop(home.path());
    QFile::rename(aside, example);

    EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains(QLatin1String("started in"))) << run.output.toStdString();
    EXPECT_TRUE(shownError().contains(QLatin1String("empty register")));
    EXPECT_FALSE(home.exists(QStringLiteral("Orvanel/zok.xml")));
    EXPECT_FALSE(home.exists(QStringLiteral("Orvanel/zok.xml.new")));
}

TEST_F(LauncherOnADesktop, ANormalStartAndEndShowsNoMessage)
{
    TempFolder home;
    const ProcessRun run = launchOnDesktop(home.path());
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(QLatin1String("started in"))) << run.output.toStdString();
    EXPECT_TRUE(tools.calls(QStringLiteral("zenity")).isEmpty());
}

// --- The set-up scripts ---------------------------------------------------------------------

// A machine where the user is not root, sudo is not installed and no Debian package is: the
// set-up scripts must stop at once with the one command to run as root, and touch nothing.
class SetUpScripts : public ::testing::Test {
protected:
    void SetUp() override
    {
        tools.add(QStringLiteral("id"), "echo 1000\n");
        tools.add(QStringLiteral("dpkg-query"), "exit 1\n");
        for (const char* recorder : {"apt-get", "cmake"})
            tools.add(QLatin1String(recorder));
        for (const char* real : {"bash", "dirname", "grep"})
            tools.link(QLatin1String(real));
    }

    ProcessRun runScript(const QString& script) const
    {
        return RunProgram(tools.path() + QStringLiteral("/bash"),
                          {kSourceDir + QLatin1Char('/') + script}, tools.environment(true));
    }

    StandInCommands tools;
};

TEST_F(SetUpScripts, WithoutRootOrSudoEachScriptNamesTheRootCommandForItsOwnPackagesAndStops)
{
    struct Expectation {
        QString script;
        QStringList needed;
        QStringList notNeeded;
    };
    const QList<Expectation> scripts = {
        {QStringLiteral("scripts/run.sh"), {QStringLiteral("qt6-base-dev"), QStringLiteral("cmake")},
         {QStringLiteral("libgtest-dev"), QStringLiteral("clang"), QStringLiteral("lintian"),
          QStringLiteral("imagemagick"), QStringLiteral("xvfb")}},
        {QStringLiteral("scripts/test.sh"),
         {QStringLiteral("qt6-base-dev"), QStringLiteral("libgtest-dev"), QStringLiteral("xvfb")},
         {QStringLiteral("clang"), QStringLiteral("lintian"), QStringLiteral("imagemagick")}},
        {QStringLiteral("scripts/check-package.sh"),
         {QStringLiteral("lintian"), QStringLiteral("dpkg-dev")}, {QStringLiteral("clang")}},
    };
    for (const Expectation& expected : scripts) {
        SCOPED_TRACE(expected.script.toStdString());
        const ProcessRun run = runScript(expected.script);
        EXPECT_EQ(run.exitCode, 1);
        const QStringList lines = run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << run.output.toStdString();
        EXPECT_TRUE(lines[0].startsWith(
            QStringLiteral("Run as root: apt-get update && apt-get install -y ")))
            << lines[0].toStdString();
        const QStringList words = lines[0].split(QLatin1Char(' '));
        for (const QString& name : expected.needed)
            EXPECT_TRUE(words.contains(name)) << name.toStdString();
        for (const QString& name : expected.notNeeded)
            EXPECT_FALSE(words.contains(name)) << name.toStdString();
    }
    EXPECT_TRUE(tools.calls(QStringLiteral("apt-get")).isEmpty());
    EXPECT_TRUE(tools.calls(QStringLiteral("cmake")).isEmpty()) << "built before stopping";
}

TEST_F(SetUpScripts, AnUnknownGroupIsAUsageErrorThatInstallsNothing)
{
    const ProcessRun run = runScript(QStringLiteral("scripts/install-deps.sh"));
    EXPECT_EQ(run.exitCode, 2) << run.output.toStdString();
    tools.add(QStringLiteral("id"), "echo 0\n");
    const ProcessRun unknown = RunProgram(
        tools.path() + QStringLiteral("/bash"),
        {kSourceDir + QStringLiteral("/scripts/install-deps.sh"), QStringLiteral("build"),
         QStringLiteral("everything")},
        tools.environment(true));
    EXPECT_EQ(unknown.exitCode, 2) << unknown.output.toStdString();
    EXPECT_TRUE(unknown.output.contains(QLatin1String("\"everything\""))) << unknown.output.toStdString();
    EXPECT_TRUE(tools.calls(QStringLiteral("apt-get")).isEmpty());
}

}  // namespace
}  // namespace orvanel::testing
