#include "relations/ui/relationship_dialog.h"
#include "search/ui_list_helpers.h"
#include "support/loaded_register.h"
#include "support/modal_answer.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

namespace orvanel::testing {
namespace {

// The dialog on its own, filled as the person dialog fills it.
class RelationshipDialog : public ::testing::Test {
protected:
    // Persons 1 to 5 in a document order unlike their ID order; 4 is deleted.
    RelationshipDialog()
        : data(RegisterXml()
                   .person(Id(3), QStringLiteral("Zane"), QString(), QStringLiteral("Liepa"))
                   .person(Id(1), QStringLiteral("Anna"), QStringLiteral("M"),
                           QStringLiteral("Ozola"))
                   .rel(Id(1), Id(3), QStringLiteral("sibling"), QStringLiteral("sibling"))
                   .person(Id(5), QStringLiteral("Ilze"), QString(), QStringLiteral("Kalna"))
                   .person(Id(4), QStringLiteral("Juris"), QString(), QStringLiteral("Berzs"),
                           QStringLiteral("Deleted"))
                   .person(Id(2), QStringLiteral("Peteris"), QString(),
                           QStringLiteral("Ozols")))
    {
        sorters.add(&sorters, 5);  // stands for the relatives list, registered first
        dialog = std::make_unique<TForm_Relationship>(data.reg, sorters);
        dialog->show();
    }

    template <class Control>
    Control* control(const char* name)
    {
        return Find<Control>(*dialog, name);
    }

    QTreeView* persons() { return control<QTreeView>("lv_Person2"); }
    QComboBox* kinds() { return control<QComboBox>("cb_Kind1"); }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    bool okEnabled() { return control<QPushButton>("btn_Ok")->isEnabled(); }

    // Add's preparation for Anna.
    void prepareForAnna()
    {
        dialog->Prepare(QStringLiteral("%1 Anna M Ozola").arg(Id(1)), Id(1));
        dialog->ResetChoice();
    }

    LoadedRegister data;
    SorterList sorters;
    std::unique_ptr<TForm_Relationship> dialog;
};

TEST_F(RelationshipDialog, ShowsTwoGroupsAKindListAndAPersonListWithOkDisabled)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Relationship"));
    EXPECT_EQ(control<QGroupBox>("GroupBox1")->title(), QStringLiteral("Direct Relationship"));
    EXPECT_EQ(control<QGroupBox>("GroupBox2")->title(), QStringLiteral("Inverse Relationship"));
    EXPECT_EQ(label("Label1"), QStringLiteral("Person1"));
    EXPECT_EQ(Shown(label("Label5")), QStringLiteral("Kind"));
    EXPECT_EQ(label("Label2"), QStringLiteral("is"));
    EXPECT_EQ(label("Label3"), QStringLiteral("of"));
    EXPECT_EQ(Shown(label("Label4")), QStringLiteral("Person2"));
    EXPECT_EQ(Shown(control<QPushButton>("btn_Ok")->text()), QStringLiteral("OK"));
    EXPECT_EQ(Shown(control<QPushButton>("btn_Cancel")->text()), QStringLiteral("Cancel"));
    for (const char* name : {"lab_Person11", "lab_Person22", "lab_KindInverse", "lab_Person21"})
        control<QLabel>(name);

    QStringList entries;
    for (int i = 0; i < kinds()->count(); ++i)
        entries << kinds()->itemText(i);
    EXPECT_EQ(entries, (QStringList{"child", "parent", "sibling", "twin"}));
    EXPECT_FALSE(kinds()->isEditable());
    EXPECT_EQ(kinds()->maxVisibleItems(), 4) << "all four kinds in view, none scrolled away";
    EXPECT_EQ(ColumnTitles(*persons()), (QStringList{"ID", "Name", "Middle Name", "Surname"}));

    // Created with no kind chosen: the wording of no kind, and OK disabled.
    EXPECT_EQ(kinds()->currentIndex(), -1);
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is error of"));
    EXPECT_FALSE(okEnabled());

    // Its sorter comes after the one registered before it.
    ASSERT_EQ(sorters.count(), 2);
    EXPECT_EQ(sorters.at(1).ListView(), persons());
    EXPECT_EQ(sorters.at(1).ColumnCount(), 4);
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(230, 235, 240));
}

TEST_F(RelationshipDialog, OffersEveryActivePersonButTheEditedOneInIdOrder)
{
    prepareForAnna();
    EXPECT_EQ(ColumnTexts(*persons(), 0), (QStringList{Id(2), Id(3), Id(5)}));
    EXPECT_EQ(RowTexts(*persons(), 1), (QStringList{Id(3), "Zane", "", "Liepa"}));
    EXPECT_EQ(label("lab_Person11"), QStringLiteral("%1 Anna M Ozola").arg(Id(1)));
    EXPECT_EQ(label("lab_Person21"), label("lab_Person11"));

    // A person not yet in the register is offered everyone active, relatives included.
    dialog->Prepare(QStringLiteral("%1 New  Person").arg(Id(6)), Id(6));
    EXPECT_EQ(ColumnTexts(*persons(), 0), (QStringList{Id(1), Id(2), Id(3), Id(5)}));
    EXPECT_EQ(label("lab_Person21"), QStringLiteral("%1 New  Person").arg(Id(6)));
}

TEST_F(RelationshipDialog, OkIsEnabledExactlyWhileAKindAndAPersonAreChosen)
{
    prepareForAnna();
    EXPECT_FALSE(okEnabled());
    EXPECT_EQ(label("lab_KindInverse"), QString());
    EXPECT_EQ(label("lab_Person22"), QString());

    kinds()->setCurrentIndex(0);
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is parent of"));
    EXPECT_FALSE(okEnabled());

    ClickRow(*persons(), 1);
    EXPECT_TRUE(okEnabled());
    // An empty middle name leaves two spaces.
    EXPECT_EQ(label("lab_Person22"), QStringLiteral("%1 Zane  Liepa").arg(Id(3)));

    kinds()->setCurrentIndex(2);
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is sibling of"));
    EXPECT_TRUE(okEnabled());
    kinds()->setCurrentIndex(1);
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is child of"));

    // Add's reset, then a person alone.
    dialog->ResetChoice();
    EXPECT_FALSE(okEnabled());
    EXPECT_EQ(label("lab_KindInverse"), QString());
    EXPECT_EQ(label("lab_Person22"), QString());
    ClickRow(*persons(), 0);
    EXPECT_FALSE(okEnabled());
    kinds()->setCurrentIndex(3);
    EXPECT_TRUE(okEnabled());
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is twin of"));

    // A new preparation empties the list, so no person is chosen any more.
    dialog->Prepare(QStringLiteral("x"), Id(1));
    EXPECT_FALSE(okEnabled());
}

TEST_F(RelationshipDialog, EditsPresetMatchesKindAndPersonWithoutRegardToCase)
{
    dialog->Prepare(QStringLiteral("line"), Id(1));
    dialog->PresetChoice(QStringLiteral("Parent"), Id(5).toLower().replace(QLatin1String("ab"),
                                                                           QLatin1String("aB")));
    EXPECT_EQ(dialog->ChosenKind(), QStringLiteral("parent"));
    EXPECT_EQ(CurrentRow(*persons()), 2);
    EXPECT_EQ(label("lab_Person22"), QStringLiteral("%1 Ilze  Kalna").arg(Id(5)));
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is child of"));
    EXPECT_TRUE(okEnabled());
    const RelativeRow chosen = dialog->ChosenRelative();
    EXPECT_EQ(chosen.kind, QStringLiteral("parent"));
    EXPECT_EQ(chosen.otherId, Id(5));
    EXPECT_EQ(chosen.name, QStringLiteral("Ilze"));
    EXPECT_EQ(chosen.surname, QStringLiteral("Kalna"));
}

TEST_F(RelationshipDialog, PresetOfAnUnknownKindOrAPersonNoLongerOfferedLeavesItUnchosen)
{
    dialog->Prepare(QStringLiteral("line"), Id(1));
    dialog->PresetChoice(QStringLiteral("cousin"), Id(3));
    EXPECT_EQ(kinds()->currentIndex(), -1);
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is error of"));
    EXPECT_EQ(label("lab_Person22"), QStringLiteral("%1 Zane  Liepa").arg(Id(3)));
    EXPECT_FALSE(okEnabled());
    kinds()->setCurrentIndex(0);
    EXPECT_TRUE(okEnabled());

    // The deleted person is not offered: no row is current, and nothing of the previous
    // showing stands in the inverse group.
    dialog->Prepare(QStringLiteral("line"), Id(1));
    dialog->PresetChoice(QStringLiteral("child"), Id(4));
    EXPECT_EQ(CurrentRow(*persons()), -1);
    EXPECT_EQ(label("lab_Person22"), QString());
    EXPECT_EQ(label("lab_KindInverse"), QStringLiteral("is parent of"));
    EXPECT_FALSE(okEnabled());
    ClickRow(*persons(), 0);
    EXPECT_TRUE(okEnabled());
}

TEST_F(RelationshipDialog, PersonListKeepsItsSortAcrossPreparations)
{
    prepareForAnna();
    ClickColumnTitle(*persons(), 3);
    EXPECT_EQ(ColumnTexts(*persons(), 3), (QStringList{"Kalna", "Liepa", "Ozols"}));
    ClickRow(*persons(), 1);
    ClickColumnTitle(*persons(), 3);
    EXPECT_EQ(ColumnTexts(*persons(), 3), (QStringList{"Ozols", "Liepa", "Kalna"}));
    // The chosen person stays chosen through the sort.
    EXPECT_EQ(CurrentRow(*persons()), 1);
    EXPECT_EQ(SelectedRow(*persons()), 1);
    EXPECT_TRUE(okEnabled() == (kinds()->currentIndex() >= 0));

    dialog->Prepare(QStringLiteral("%1 New  Person").arg(Id(6)), Id(6));
    EXPECT_EQ(ColumnTexts(*persons(), 3), (QStringList{"Ozols", "Ozola", "Liepa", "Kalna"}));
    EXPECT_EQ(ColumnTexts(*persons(), 0), (QStringList{Id(2), Id(1), Id(3), Id(5)}));
}

TEST_F(RelationshipDialog, OnlyAClickOnOkOrCancelEndsTheDialog)
{
    dialog->hide();
    prepareForAnna();
    ModalAnswer byEscape([this](QDialog& shown) {
        QTest::keyClick(&shown, Qt::Key_Escape);
        EXPECT_TRUE(shown.isVisible());
        QTest::keyClick(kinds(), Qt::Key_Down);
        ClickRow(*persons(), 0);
        ASSERT_TRUE(okEnabled());
        QTest::keyClick(&shown, Qt::Key_Return);
        EXPECT_TRUE(shown.isVisible());
        shown.close();
    });
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);

    ModalAnswer byOk([this](QDialog&) {
        kinds()->setCurrentIndex(1);
        ClickRow(*persons(), 2);
        control<QPushButton>("btn_Ok")->click();
    });
    EXPECT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_EQ(dialog->ChosenRelative().otherId, Id(5));
    EXPECT_EQ(dialog->ChosenKind(), QStringLiteral("parent"));
}

}  // namespace
}  // namespace orvanel::testing

namespace orvanel::testing {
namespace {

TEST_F(RelationshipDialog, EnterOnAFocusedButtonPressesItAndEnterElsewhereDecidesNothing)
{
    dialog->hide();
    prepareForAnna();
    ModalAnswer byCancel([this](QDialog&) {
        QTest::keyClick(kinds(), Qt::Key_Down);
        ClickRow(*persons(), 0);
        ASSERT_TRUE(okEnabled());
        for (QWidget* field : {static_cast<QWidget*>(kinds()), static_cast<QWidget*>(persons())}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
        }
        auto* cancel = control<QPushButton>("btn_Cancel");
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    });
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);

    ModalAnswer byOk([this](QDialog&) {
        QTest::keyClick(kinds(), Qt::Key_Down);
        ClickRow(*persons(), 1);
        auto* ok = control<QPushButton>("btn_Ok");
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier);
    });
    EXPECT_EQ(dialog->exec(), QDialog::Accepted);
    EXPECT_EQ(dialog->ChosenRelative().otherId, Id(3));
}

}  // namespace
}  // namespace orvanel::testing
