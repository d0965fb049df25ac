#include "shell/ui/translations.h"

#include "shell/ui/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace orvanel {

namespace {

// The program's translations are built into it, so that the built and the installed program
// find the same ones.
constexpr QLatin1StringView kFolder(":/i18n");
constexpr QLatin1StringView kPrefix("orvanel_");

}  // namespace

QStringList ProgramTranslations()
{
    QStringList languages;
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + QLatin1String("*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(kPrefix.size()).chopped(3);
    return languages;
}

InstalledTranslations::InstalledTranslations(const QLocale& locale)
    : language_(ChosenTranslation(locale.uiLanguages(), ProgramTranslations()))
{
    if (language_.isEmpty())
        return;
    if (!program_.load(kPrefix + language_, kFolder)) {
        language_.clear();
        return;
    }
    programInstalled_ = QCoreApplication::installTranslator(&program_);
    // Qt's texts in the same language as the program's, never in another one. A missing file
    // (the package of Qt's translations is not installed) leaves Qt's texts in English.
    if (qt_.load(QLocale(language_), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtInstalled_ = QCoreApplication::installTranslator(&qt_);
}

InstalledTranslations::~InstalledTranslations()
{
    if (qtInstalled_)
        QCoreApplication::removeTranslator(&qt_);
    if (programInstalled_)
        QCoreApplication::removeTranslator(&program_);
}

}  // namespace orvanel
