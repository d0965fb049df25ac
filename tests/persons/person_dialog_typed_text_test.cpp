#include "person_dialog_fixture.h"

#include "store/lookup.h"
#include "store/save.h"

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

TEST_F(PersonDialogTest, AControlCharacterIsRefusedNamingTheFieldAndNothingIsWritten)
{
    load(RegisterXml().raw(PersonXml(Id(1), {}), 1));
    const QByteArray before = reg.doc.serialize();
    bool stayedOpen = false;
    QString focused;
    int tab = -1;
    const int result = open(Id(1), [&](QDialog& shown) {
        Find<QLineEdit>(shown, "ed_city")->setText(QStringLiteral("Rīga\x01"));
        Ok(shown);
        stayedOpen = shown.isVisible();
        tab = Find<QTabWidget>(shown, "pgc_Persona")->currentIndex();
        focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        Cancel(shown);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(tab, 1);  // Contact
    EXPECT_EQ(focused, QStringLiteral("ed_city"));
    EXPECT_EQ(messages.warnings,
              QStringList{"The field \"City\" holds a character that cannot be stored (U+0001). "
                          "Please remove it."});
    EXPECT_FALSE(reg.modified);
    EXPECT_EQ(reg.doc.serialize(), before);
}

TEST_F(PersonDialogTest, EmojiRightToLeftAndLongPastesComeBackIdenticalAfterSaving)
{
    load(RegisterXml().raw(PersonXml(Id(1), {}), 1));
    const QString name = QStringLiteral("😀 שָׁלוֹם مرحبا 𝄞");
    const QString comment = QString(50000, QChar(u'ā')) + QStringLiteral("\nend\t \n");
    const int result = open(Id(1), [&](QDialog& shown) {
        Find<QLineEdit>(shown, "ed_name")->setText(name);
        Find<QPlainTextEdit>(shown, "memo_comment")->setPlainText(comment);
        Ok(shown);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    UpdatePerson(dialog.record(), FindPerson(reg, Id(1)), clock);
    SaveRegister(reg, clock);

    Register again;
    again.folder = folder.path();
    LoadRegister(again, messages, clock);
    ASSERT_FALSE(again.loadFailed);
    EXPECT_EQ(FindPerson(again, Id(1)).child("Name").text(), name);
    EXPECT_EQ(FindPerson(again, Id(1)).child("Comment").text(), comment);
}

}  // namespace
}  // namespace orvanel::testing
