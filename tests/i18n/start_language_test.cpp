// Which translation the program starts in, from the user's preferred languages.
#include "shell/ui/main_window.h"
#include "shell/ui/translations.h"
#include "shell/ui/ui_language.h"
#include "support/loaded_register.h"
#include "support/modal_answer.h"
#include "support/recording_messages.h"

#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <cstdio>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

const QStringList kSpoken = {"de", "fr", "lv", "ru"};

TEST(ChosenTranslation, TakesTheFirstPreferredLanguageTheProgramSpeaks)
{
    EXPECT_EQ(ChosenTranslation({"de-AT", "fr"}, kSpoken), "de");
    EXPECT_EQ(ChosenTranslation({"pt-BR", "fr-CA", "de"}, kSpoken), "fr");
    EXPECT_EQ(ChosenTranslation({"C", "lv_LV.UTF-8"}, kSpoken), "lv");
    EXPECT_EQ(ChosenTranslation({"ru"}, kSpoken), "ru");
}

TEST(ChosenTranslation, StaysEnglishWhenEnglishComesFirstOrNothingMatches)
{
    // English is the program's own language: a user who lists it first gets it, even when a
    // translated language follows.
    EXPECT_EQ(ChosenTranslation({"en-GB", "de"}, kSpoken), QString());
    EXPECT_EQ(ChosenTranslation({"ja", "pt-BR"}, kSpoken), QString());
    EXPECT_EQ(ChosenTranslation({}, kSpoken), QString());
    EXPECT_EQ(ChosenTranslation({"de"}, {}), QString());
}

TEST(ChosenTranslation, PrefersARegionalTranslationToThePlainOne)
{
    EXPECT_EQ(ChosenTranslation({"pt-BR"}, {"pt", "pt_BR"}), "pt_BR");
    EXPECT_EQ(ChosenTranslation({"pt-PT"}, {"pt", "pt_BR"}), "pt");
}

// Run in a child process with the environment under test: installs the translations for the
// user's languages as the program does at start, builds the main window and prints its first
// caption and one of Qt's own texts.
TEST(StartLanguage, ChildReportsWhatTheUserSees)
{
    if (qEnvironmentVariableIsEmpty("ORVANEL_LANGUAGE_CHILD"))
        GTEST_SKIP() << "only run as the child of StartLanguage.FollowsLanguageVariable";
    const InstalledTranslations translations;
    LoadedRegister data;
    data.writeDataFile(RegisterXml().bytes());
    RecordingMessages messages;
    const TForm1 window(data.folder.path(), messages, data.clock);
    printf("caption=%s\nqt=%s\n",
           qPrintable(Find<QPushButton>(window, "btn_NewPerson")->text()),
           qPrintable(QCoreApplication::translate("QPlatformTheme", "Cancel")));
}

QString SeenUnder(const QString& language)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORVANEL_LANGUAGE_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("LANGUAGE"), language);
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=StartLanguage.ChildReportsWhatTheUserSees")});
    EXPECT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    return QString::fromUtf8(child.readAllStandardOutput());
}

TEST(StartLanguage, FollowsLanguageVariable)
{
    const QString german = SeenUnder(QStringLiteral("de"));
    EXPECT_TRUE(german.contains(QStringLiteral("caption=&Neue Person\n"))) << german.toStdString();
    // Qt's own texts (standard buttons of the message boxes) come in the same language.
    EXPECT_TRUE(german.contains(QStringLiteral("qt=Abbrechen\n"))) << german.toStdString();

    for (const char* english : {"xx", "en:de"}) {
        const QString seen = SeenUnder(QString::fromLatin1(english));
        EXPECT_TRUE(seen.contains(QStringLiteral("caption=&New Person\n"))) << english;
        EXPECT_TRUE(seen.contains(QStringLiteral("qt=Cancel\n"))) << english;
    }
}

// The data store has no windows of its own, yet what it refuses reaches the user in the
// program's language, each refusal a whole sentence with the file's own names kept as they are.
TEST(StoreMessages, ComeInTheUsersLanguage)
{
    const InstalledTranslations translations(QLocale(QStringLiteral("de")));
    ASSERT_EQ(translations.language(), QStringLiteral("de"));
    LoadedRegister r;
    QStringList refusals;
    r.load();
    refusals << r.refusals();
    r.writeDataFile("<Register Prefix=\"AB\" DateModified=\"2020/13/1\" PersonCount=\"0\" "
                    "RelCount=\"0\"/>");
    r.load();
    refusals << r.refusals();
    r.writeDataFile(RegisterFile(" <Person/>\n", 1, 0));
    r.load();
    refusals << r.refusals();

    EXPECT_EQ(refusals,
              QStringList({QStringLiteral("Datei „zok.xml“ nicht gefunden!"),
                           QStringLiteral("Ungültiger Inhalt der Datendatei (DateModified: "
                                          "„2020/13/1“ ist kein gültiges Datum)!"),
                           QStringLiteral(
                               "Ungültiger Inhalt der Datendatei (ein Person-Element ohne Attribut ID)!")}));
    EXPECT_TRUE(r.reg.loadFailed());
}

}  // namespace
}  // namespace orvanel::testing
