// Every window of the program built in each language the program speaks: the keyboard
// mnemonics of what is shown together neither clash nor look alike, and translated captions
// never reach the data file.
#include "translated_windows.h"

#include "mnemonic_letters.h"
#include "relations/relationship_kind.h"
#include "relations/ui_relatives_helpers.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>

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

bool SameKey(const Mnemonic& a, const Mnemonic& b)
{
    return a.key == b.key;
}

bool LookAlike(const Mnemonic& a, const Mnemonic& b)
{
    return LookAlikeKey(MnemonicLetters(a.caption).front()) ==
           LookAlikeKey(MnemonicLetters(b.caption).front());
}

// Two captions clash when their mnemonics are `same` and they can be on screen together: both
// always shown, or one always shown, or both on the same tab page.
template <class Same>
QStringList Clashes(const QWidget& window, Same same)
{
    const std::vector<Mnemonic> all = MnemonicsOf(window);
    QStringList clashes;
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j) {
            const bool together =
                !all[i].page || !all[j].page || all[i].page == all[j].page;
            if (together && same(all[i], all[j]))
                clashes << all[i].caption + QStringLiteral(" / ") + all[j].caption;
        }
    }
    return clashes;
}

TEST_P(TranslatedWindowsTest, SpeaksTheLanguageAndNoWindowHasClashingMnemonics)
{
    const bool english = GetParam() == QLatin1String("en");
    EXPECT_EQ(translations->language(), english ? QString() : GetParam());
    // Without this the check below would pass on untranslated windows.
    EXPECT_EQ(Find<QPushButton>(*form, "btn_NewPerson")->text() == QLatin1String("&New Person"),
              english);

    for (const auto& [name, window] : windows()) {
        EXPECT_FALSE(MnemonicsOf(*window).empty()) << name;
        EXPECT_EQ(Clashes(*window, SameKey), QStringList()) << name;
    }
}

// Alt+О on a Russian keyboard is not Alt+O, yet a reader who sees both letters underlined
// cannot tell which key is which, and may press Cancel meaning OK.
TEST_P(TranslatedWindowsTest, NoTwoMnemonicsShownTogetherLookAlike)
{
    for (const auto& [name, window] : windows())
        EXPECT_EQ(Clashes(*window, LookAlike), QStringList()) << name;
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

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslatedWindowsTest, ::testing::ValuesIn(AllLanguages()),
                         LanguageTestName);

}  // namespace
}  // namespace orvanel::testing
