// Every window of the program built in each language the program speaks: the keyboard
// mnemonics of what is shown together never clash, and translated captions never reach the
// data file.
#include "relations/relationship_kind.h"
#include "relations/ui/relationship_dialog.h"
#include "relations/ui_relatives_helpers.h"
#include "search/ui/filter_dialog.h"
#include "search/ui/search_window.h"
#include "shell/main_window_fixture.h"
#include "widgets/confirm_dialog.h"
#include "shell/ui/translations.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <map>
#include <optional>

namespace orvanel::testing {
namespace {

// A caption with its mnemonic, and the tab page it sits on (none when always shown).
struct Mnemonic {
    QKeySequence key;
    QString caption;
    const QWidget* page = nullptr;
};

// The page of a tab widget that `widget` sits on, if any.
const QWidget* TabPageOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        const auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
        if (stack && qobject_cast<const QTabWidget*>(stack->parentWidget()))
            return w;
    }
    return nullptr;
}

void Collect(std::vector<Mnemonic>& out, const QString& caption, const QWidget* on,
             const QWidget& window)
{
    // The dialogs are children of the main window, yet windows of their own.
    if (on->window() != &window)
        return;
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty())
        out.push_back({key, caption, TabPageOf(on)});
}

std::vector<Mnemonic> MnemonicsOf(const QWidget& window)
{
    std::vector<Mnemonic> out;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        Collect(out, button->text(), button, window);
    for (const QLabel* label : window.findChildren<QLabel*>())
        Collect(out, label->text(), label, window);
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        Collect(out, box->title(), box, window);
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            Collect(out, tabs->tabText(i), tabs, window);
    }
    return out;
}

// Two captions clash when they share a key and can be on screen together: both always shown,
// or one always shown, or both on the same tab page.
QStringList Clashes(const QWidget& window)
{
    const std::vector<Mnemonic> all = MnemonicsOf(window);
    QStringList clashes;
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j) {
            const bool together =
                !all[i].page || !all[j].page || all[i].page == all[j].page;
            if (together && all[i].key == all[j].key)
                clashes << all[i].caption + QStringLiteral(" / ") + all[j].caption;
        }
    }
    return clashes;
}

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

    std::optional<InstalledTranslations> translations;
};

TEST_P(TranslatedWindowsTest, SpeaksTheLanguageAndNoWindowHasClashingMnemonics)
{
    const bool english = GetParam() == QLatin1String("en");
    EXPECT_EQ(translations->language(), english ? QString() : GetParam());
    // Without this the check below would pass on untranslated windows.
    EXPECT_EQ(Find<QPushButton>(*form, "btn_NewPerson")->text() == QLatin1String("&New Person"),
              english);

    const std::map<std::string, const QWidget*> windows = {
        {"main window", form.get()},
        {"person dialog", &form->personDialog()},
        {"relationship dialog", &form->relationshipDialog()},
        {"search window", &form->searchWindow()},
        {"confirmation dialog", &form->confirmDialog()},
        {"filter dialog", &form->filterDialog()},
    };
    for (const auto& [name, window] : windows) {
        EXPECT_FALSE(MnemonicsOf(*window).empty()) << name;
        EXPECT_EQ(Clashes(*window), QStringList()) << name;
    }
}

TEST_P(TranslatedWindowsTest, RelativesShowTheKindTranslatedAndStoreTheEnglishWord)
{
    const bool english = GetParam() == QLatin1String("en");
    const QString shownChild = KindCaption(QStringLiteral("child"));
    const QString shownSibling = KindCaption(QStringLiteral("sibling"));
    EXPECT_EQ(shownSibling == QLatin1String("sibling"), english);

    ModalAnswer search([&](QDialog& shown) {
        QTreeView& list = *Find<QTreeView>(shown, "lv_All");
        ClickRow(list, RowOf(list, Id(1)));
        ModalAnswer person([&](QDialog& dialog) {
            QTreeView& relatives = RelativesList(dialog);
            ASSERT_EQ(relatives.model()->rowCount(), 1);
            EXPECT_EQ(relatives.model()->index(0, 0).data().toString(), shownChild);

            // Editing the stored row chooses its kind again, whatever the caption.
            relatives.setCurrentIndex(relatives.model()->index(0, 0));
            OnRelativesTab(dialog, "btn_EditRelationship", [&](QDialog& relationship) {
                EXPECT_EQ(Find<QComboBox>(relationship, "cb_Kind1")->currentText(), shownChild);
                Find<QPushButton>(relationship, "btn_Ok")->click();
            });
            OnRelativesTab(dialog, "btn_NewRelationship", [&](QDialog& relationship) {
                Choose(relationship, QStringLiteral("sibling"), Id(3));
                EXPECT_EQ(Find<QComboBox>(relationship, "cb_Kind1")->currentText(),
                          shownSibling);
                const QString inverse = Find<QLabel>(relationship, "lab_KindInverse")->text();
                EXPECT_EQ(inverse, InverseWording(QStringLiteral("sibling")));
                EXPECT_TRUE(inverse.contains(shownSibling)) << inverse.toStdString();
                Find<QPushButton>(relationship, "btn_Ok")->click();
            });
            ASSERT_EQ(relatives.model()->rowCount(), 2);
            EXPECT_EQ(relatives.model()->index(1, 0).data().toString(), shownSibling);
            Find<QPushButton>(dialog, "btn_Ok")->click();
        });
        Find<QPushButton>(shown, "btn_Edit")->click();
        EXPECT_TRUE(person.answered());
        Find<QPushButton>(shown, "btn_Close")->click();
    });
    Find<QPushButton>(*form, "btn_Find")->click();
    ASSERT_TRUE(search.answered());

    EXPECT_EQ(RelRecords(form->reg()),
              QStringList({Id(1) + " " + Id(2) + " child parent",
                           Id(1) + " " + Id(3) + " sibling sibling"}));
}

QStringList AllLanguages()
{
    QStringList languages = ProgramTranslations();
    languages.prepend(QStringLiteral("en"));
    return languages;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedWindowsTest, ::testing::ValuesIn(AllLanguages()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });

}  // namespace
}  // namespace orvanel::testing
