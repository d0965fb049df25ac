#include "widgets/confirm_dialog.h"

#include "support/modal_answer.h"
#include "support/qt_printers.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

const QString kTitle = QStringLiteral("Confirm");
const QString kQuestion =
    QStringLiteral("Are you absolutely sure that you want to delete this item?");

TEST(ConfirmDialog, ShowsTheCallersTitleAndQuestionWithNoAsTheFocusedDefault)
{
    TForm_MB dialog;
    QString title, question, focused;
    bool noIsDefault = false, yesIsDefault = true;
    ModalAnswer answer([&](QDialog& shown) {
        title = shown.windowTitle();
        question = Find<QLabel>(shown, "Label1")->text();
        focused = shown.focusWidget() ? shown.focusWidget()->objectName() : QString();
        noIsDefault = Find<QPushButton>(shown, "btn_No")->isDefault();
        yesIsDefault = Find<QPushButton>(shown, "btn_Yes")->isDefault();
        Find<QPushButton>(shown, "btn_Yes")->click();
    });
    EXPECT_TRUE(dialog.confirm(kTitle, kQuestion));
    EXPECT_EQ(title, kTitle);
    EXPECT_EQ(question, kQuestion);
    EXPECT_EQ(focused, QStringLiteral("btn_No"));
    EXPECT_TRUE(noIsDefault);
    EXPECT_FALSE(yesIsDefault);
}

TEST(ConfirmDialog, EnterAtOnceNoAndTheCloseBoxAllAnswerNo)
{
    TForm_MB dialog;
    {
        ModalAnswer answer([](QDialog& shown) { QTest::keyClick(&shown, Qt::Key_Return); });
        EXPECT_FALSE(dialog.confirm(kTitle, kQuestion));
        EXPECT_EQ(dialog.result(), TForm_MB::No);
    }
    {
        ModalAnswer answer([](QDialog& shown) { Find<QPushButton>(shown, "btn_No")->click(); });
        EXPECT_FALSE(dialog.confirm(kTitle, kQuestion));
    }
    {
        ModalAnswer answer([](QDialog& shown) { shown.close(); });
        EXPECT_FALSE(dialog.confirm(kTitle, kQuestion));
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

TEST(ConfirmDialog, EscapeDoesNotAnswer)
{
    TForm_MB dialog;
    bool openAfterEscape = false;
    ModalAnswer answer([&](QDialog& shown) {
        QTest::keyClick(&shown, Qt::Key_Escape);
        openAfterEscape = shown.isVisible();
        Find<QPushButton>(shown, "btn_Yes")->click();
    });
    EXPECT_TRUE(dialog.confirm(kTitle, kQuestion));
    EXPECT_TRUE(openAfterEscape);
}

TEST(ConfirmDialog, HasItsFixedSizeIconAndButtonsYesBeforeNo)
{
    TForm_MB dialog;
    dialog.setWindowTitle(kTitle);
    dialog.Label1->setText(kQuestion);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(336, 95));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const QLabel* icon = Find<QLabel>(dialog, "Image1");
    EXPECT_EQ(icon->pixmap().size(), QSize(36, 36));
    const QPushButton* yes = Find<QPushButton>(dialog, "btn_Yes");
    const QPushButton* no = Find<QPushButton>(dialog, "btn_No");
    EXPECT_EQ(Shown(yes->text()), QStringLiteral("Yes"));
    EXPECT_EQ(Shown(no->text()), QStringLiteral("No"));
    EXPECT_LT(yes->x(), no->x());
    // The question stays inside the dialog, above the buttons.
    EXPECT_LE(dialog.Label1->geometry().right(), dialog.width());
    EXPECT_LE(dialog.Label1->geometry().bottom(), yes->y());
    dialog.hide();
}

// A message box's way: an alert, its picture left out.
TEST(ConfirmDialog, IsAnAlertToScreenReadersWithoutItsPicture)
{
    TForm_MB dialog;
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&dialog);
    EXPECT_EQ(access->role(), QAccessible::AlertMessage);
    QStringList children;
    for (int i = 0; i < access->childCount(); ++i)
        children << access->child(i)->object()->objectName();
    EXPECT_EQ(children, (QStringList{"Label1", "btn_Yes", "btn_No"}));
}

}  // namespace
}  // namespace orvanel::testing
