// Every caption of the windows whose size is fixed fits inside its control in every language, at
// the font the control has: a longer translation would be cut or run into the button's frame.
#include "translated_windows.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <map>

namespace orvanel::testing {
namespace {

// The width a push button needs for its caption: the caption's advance in the button's font,
// without the mnemonic's "&", with the style's whitespace between label and frame
// (PM_ButtonMargin) on either side, and the frame itself. The style's own size hint reserves
// that whitespace once for both sides, which is why a caption sized by it can run into the frame.
int NeededWidth(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QStyle& style = *button.style();
    const int perSide = style.pixelMetric(QStyle::PM_ButtonMargin, &option, &button) +
                        style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    return QFontMetrics(button.font()).horizontalAdvance(Shown(button.text())) + 2 * perSide;
}

using CaptionFitTest = TranslatedWindowsTest;

// The buttons whose width the program sets: the main window's and the confirmation dialog's are
// placed at a fixed size, and the dialogs' answer buttons share a width of their own. The
// confirmation dialog's question wraps within its fixed width, and its fixed height leaves it
// the room above the buttons.
TEST_P(CaptionFitTest, EveryCaptionOfAFixedSizeControlFitsInsideIt)
{
    TForm_MB& confirm = form->confirmDialog();
    auto* question = Find<QLabel>(confirm, "Label1");
    const int buttonsTop = Find<QPushButton>(confirm, "btn_Yes")->y();
    for (const char* asker : {"orvanel::TForm_Search", "orvanel::RelativesTab"}) {
        question->setText(QCoreApplication::translate(
            asker, "Are you absolutely sure that you want to delete this item?"));
        EXPECT_LE(question->y() + question->heightForWidth(question->width()), buttonsTop)
            << asker << ": " << question->text().toStdString();
    }

    const std::map<std::string, QStringList> fixed = {
        {"main window", {"btn_NewPerson", "btn_Find", "btn_Close"}},
        {"confirmation dialog", {"btn_Yes", "btn_No"}},
        {"person dialog", {"btn_Ok", "btn_Cancel"}},
        {"relationship dialog", {"btn_Ok", "btn_Cancel"}},
        {"filter dialog", {"btn_OK", "btn_Cancel"}},
    };
    for (const auto& [name, window] : windows()) {
        // The dialogs are laid out when first shown; the test lays them out as that would.
        if (window->layout())
            window->layout()->activate();
        for (const QString& control : fixed.count(name) ? fixed.at(name) : QStringList()) {
            const QPushButton* button = Find<QPushButton>(*window, control.toLatin1().constData());
            ASSERT_NE(button, nullptr);
            EXPECT_LE(NeededWidth(*button), button->width())
                << name << ": " << control.toStdString() << " \"" << button->text().toStdString()
                << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CaptionFitTest, ::testing::ValuesIn(AllLanguages()),
                         LanguageTestName);

}  // namespace
}  // namespace orvanel::testing
