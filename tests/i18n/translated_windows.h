#pragma once

// The program's windows built in one of the languages it speaks, the language being the test's
// parameter.

#include "family/ui/family_window.h"
#include "relations/ui/relationship_dialog.h"
#include "search/ui/filter_dialog.h"
#include "search/ui/search_window.h"
#include "shell/main_window_fixture.h"
#include "shell/ui/translations.h"
#include "widgets/confirm_dialog.h"

#include <map>
#include <optional>
#include <string>

namespace orvanel::testing {

// The main window on a small register, built after the translation of `language` ("en" for
// the program's own English) is installed, as the program starts.
class TranslatedWindowsTest : public MainWindowTest,
                              public ::testing::WithParamInterface<QString> {
protected:
    void SetUp() override
    {
        translations.emplace(QLocale(GetParam()));
        // Anna is child of Peteris; Zane has no relatives yet.
        writeDataFile(RegisterXml()
                          .person(Id(1), QStringLiteral("Anna"), QString(), QStringLiteral("Ozola"))
                          .person(Id(2), QStringLiteral("Peteris"), QString(),
                                  QStringLiteral("Ozols"))
                          .person(Id(3), QStringLiteral("Zane"), QString(), QStringLiteral("Liepa"))
                          .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
                          .bytes());
        start();
    }

    void TearDown() override
    {
        form.reset();
        translations.reset();
    }

    // Every window of the program, by a name for messages.
    std::map<std::string, QWidget*> windows()
    {
        return {
            {"main window", form.get()},
            {"person dialog", &form->personDialog()},
            {"relationship dialog", &form->relationshipDialog()},
            {"search window", &form->searchWindow()},
            {"confirmation dialog", &form->confirmDialog()},
            {"filter dialog", &form->filterDialog()},
            {"family window", &form->familyWindow()},
        };
    }

    std::optional<InstalledTranslations> translations;
};

// "en" and every language the program has a translation for.
inline QStringList AllLanguages()
{
    QStringList languages = ProgramTranslations();
    languages.prepend(QStringLiteral("en"));
    return languages;
}

inline std::string LanguageTestName(const ::testing::TestParamInfo<QString>& info)
{
    return info.param.toStdString();
}

}  // namespace orvanel::testing
