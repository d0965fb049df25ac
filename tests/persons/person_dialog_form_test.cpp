#include "person_dialog_fixture.h"

#include "widgets/confirm_dialog.h"
#include "widgets/date_field.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace orvanel::testing {
namespace {

class PersonDialogForm : public PersonDialogTest {
protected:
    void SetUp() override { load(RegisterXml().person(PersonXml::Labelled(Id(1)))); }
};

TEST_F(PersonDialogForm, HasItsControlsTabsAndCaptions)
{
    EXPECT_EQ(dialog.objectName(), QStringLiteral("Form_Person"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Person"));
    for (const char* name :
         {"btn_Ok", "btn_Cancel", "pgc_Persona", "ts_general", "ts_contact", "ts_Relationships",
          "ts_comment", "ed_id", "ed_optional_id", "ed_name", "ed_mname", "ed_surname", "rg_sex",
          "dt_Birth", "mem_streetaddress", "ed_city", "ed_state", "ed_zipcode", "ed_country",
          "ed_phone1", "ed_phone2", "ed_fax", "ed_mobile", "ed_email", "btn_NewRelationship",
          "btn_EditRelationship", "btn_DeleteRelationship", "lv_Relatives", "memo_comment"})
        EXPECT_NE(dialog.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;

    auto* tabs = Find<QTabWidget>(dialog, "pgc_Persona");
    QStringList captions, pages;
    for (int i = 0; i < tabs->count(); ++i) {
        captions << Shown(tabs->tabText(i));
        pages << tabs->widget(i)->objectName();
    }
    EXPECT_EQ(captions, (QStringList{"General", "Contact", "Relatives", "Comment"}));
    EXPECT_EQ(pages, (QStringList{"ts_general", "ts_contact", "ts_Relationships", "ts_comment"}));

    // Every edit is announced by its caption: the label above it names it as its buddy.
    const std::pair<const char*, const char*> edits[] = {
        {"ed_id", "ID"},
        {"ed_optional_id", "Optional ID"},
        {"ed_name", "Name"},
        {"ed_mname", "Middle Name"},
        {"ed_surname", "Surname"},
        {"dt_Birth", "Date of Birth"},
        {"mem_streetaddress", "Street Address"},
        {"ed_city", "City"},
        {"ed_state", "County/Province"},
        {"ed_zipcode", "Post Code"},
        {"ed_country", "Country"},
        {"ed_phone1", "Phone 1"},
        {"ed_phone2", "Phone 2"},
        {"ed_fax", "Fax"},
        {"ed_mobile", "Mobile phone"},
        {"ed_email", "E-mail"},
    };
    for (const auto& [name, caption] : edits) {
        QStringList buddies;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy() && label->buddy()->objectName() == QLatin1String(name))
                buddies << Shown(label->text());
        EXPECT_EQ(buddies, QStringList{QLatin1String(caption)}) << name;
    }
    const QList<QRadioButton*> sex = Find<QWidget>(dialog, "rg_sex")->findChildren<QRadioButton*>();
    ASSERT_EQ(sex.size(), 2);
    EXPECT_EQ(Shown(sex.at(0)->text()), QStringLiteral("Male"));
    EXPECT_EQ(Shown(sex.at(1)->text()), QStringLiteral("Female"));
    EXPECT_TRUE(Find<QLineEdit>(dialog, "ed_id")->isReadOnly());
    EXPECT_FALSE(Find<QLineEdit>(dialog, "ed_optional_id")->isReadOnly());
}

TEST_F(PersonDialogForm, IsAFixedWindowWithLargerButtonsAndNoDefaultButton)
{
    open(Id(1), [](QDialog& shown) {
        EXPECT_EQ(shown.minimumSize(), shown.maximumSize());
        EXPECT_EQ(shown.size(), shown.minimumSize());
        EXPECT_FALSE(shown.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(shown.palette().color(QPalette::Window), QColor(230, 235, 240));
        EXPECT_EQ(Find<QPushButton>(shown, "btn_Ok")->font().pixelSize(), 16);
        EXPECT_EQ(Find<QPushButton>(shown, "btn_Cancel")->font().pixelSize(), 16);
        for (const QPushButton* button : shown.findChildren<QPushButton*>())
            EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        Cancel(shown);
    });
}

TEST_F(PersonDialogForm, EnterAndEscapeInAFieldDoNotCloseItButTheCloseBoxCancels)
{
    const int result = open(Id(1), [](QDialog& shown) {
        auto* name = Find<QLineEdit>(shown, "ed_name");
        name->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(name, key);
        QTest::keyClick(Find<DateField>(shown, "dt_Birth"), Qt::Key_Escape);
        EXPECT_TRUE(shown.isVisible());
        shown.close();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(reg.modified());
}

TEST_F(PersonDialogForm, EnterOnAFocusedButtonPressesIt)
{
    const int result = open(Id(1), [](QDialog& shown) {
        auto* cancel = Find<QPushButton>(shown, "btn_Cancel");
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(PersonDialogForm, TabMovesThroughTheGeneralTabInItsOrder)
{
    open(Id(1), [](QDialog& shown) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&shown, kPatienceMs));
        Find<QPushButton>(shown, "btn_Ok")->setFocus();
        QStringList order;
        // Every Tab moves to the next control: the date is one stop, not one per section.
        for (int i = 0; i < 12; ++i) {
            const QWidget* focus = QApplication::focusWidget();
            // Radio buttons have no object name of their own.
            order << (focus->objectName().isEmpty()
                          ? QString::fromLatin1(focus->metaObject()->className())
                          : focus->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(order, (QStringList{"btn_Ok", "btn_Cancel", "qt_tabwidget_tabbar", "ed_id",
                                      "ed_name", "ed_mname", "ed_surname", "rg_sex_Male",
                                      "dt_Birth", "ed_optional_id", "btn_Ok", "btn_Cancel"}));
        Cancel(shown);
    });
}

TEST_F(PersonDialogForm, ReturningFromADialogOpenedFromItKeepsThePendingEdits)
{
    TForm_MB confirm(&dialog);
    const int result = open(Id(1), [&](QDialog& shown) {
        Find<QLineEdit>(shown, "ed_name")->setText(QStringLiteral("Typed"));
        Find<QTabWidget>(shown, "pgc_Persona")->setCurrentIndex(2);
        dialog.RelativesChanged = true;
        {
            ModalAnswer no([](QDialog& asked) { Find<QPushButton>(asked, "btn_No")->click(); });
            EXPECT_FALSE(confirm.confirm(QStringLiteral("Confirm"), QStringLiteral("Sure?")));
        }
        EXPECT_EQ(Text(shown, "ed_name"), QStringLiteral("Typed"));
        EXPECT_EQ(Find<QTabWidget>(shown, "pgc_Persona")->currentIndex(), 2);
        EXPECT_TRUE(dialog.RelativesChanged);
        Ok(shown);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.record().text(PersonField::Name), QStringLiteral("Typed"));
}

}  // namespace
}  // namespace orvanel::testing
