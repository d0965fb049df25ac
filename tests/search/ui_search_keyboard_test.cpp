// The search window and the dialogs it opens, used with the keyboard alone and heard through
// what the accessibility bus shows.

#include "search/ui/search_window.h"
#include "search/ui_search_fixture.h"
#include "support/typing.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace orvanel::testing {
namespace {

enum Column { IdCol, NameCol, MiddleCol, SurnameCol };

// Enter typed on the widget that has the focus, as the user types it.
void EnterOn(QWidget* control)
{
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key_Return);
}

// Enter on a button of `shown` that opens a modal dialog, which `act` answers.
void EnterOpening(QDialog& shown, const char* button, const std::function<void(QDialog&)>& act)
{
    ModalAnswer answer(act);
    EnterOn(Find<QPushButton>(shown, button));
    EXPECT_TRUE(answer.answered()) << button;
}

QString StatusLine(QDialog& shown)
{
    const QLabel* line = Find<QLabel>(shown, "lab_Status");
    return line ? line->text() : QString();
}

class SearchKeyboardTest : public SearchWindowTest {
protected:
    void SetUp() override
    {
        startWith(People());
        form->searchWindow().useFileChooser(chooser);
    }

    ChosenFile chooser;
};

TEST_F(SearchKeyboardTest, EnterOnAFocusedButtonPressesThatButtonAndNoOther)
{
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        // Enter on the filter's Cancel cancels: the typed criteria are neither applied nor kept.
        answering(shown, "btn_Filter", [](QDialog& filter) {
            TypeInto(Find<QLineEdit>(filter, "ed_surname"), QStringLiteral("zz"));
            EnterOn(Find<QPushButton>(filter, "btn_Cancel"));
            EXPECT_FALSE(filter.isVisible());
        });
        EXPECT_EQ(list.model()->rowCount(), 4);
        EXPECT_FALSE(form->searchWindow().criteria().SurnameEnabled);

        // Enter on "Clear all" clears and keeps the dialog open; Enter typed in a field still
        // applies the filter.
        EnterOpening(shown, "btn_Filter", [](QDialog& filter) {
            TypeInto(Find<QLineEdit>(filter, "ed_surname"), QStringLiteral("oz"));
            EnterOn(Find<QPushButton>(filter, "btn_Clear"));
            EXPECT_TRUE(filter.isVisible());
            EXPECT_FALSE(Find<QCheckBox>(filter, "cb_surname")->isChecked());
            TypeInto(Find<QLineEdit>(filter, "ed_name"), QStringLiteral("a"));
            EnterOn(Find<QLineEdit>(filter, "ed_name"));
            EXPECT_FALSE(filter.isVisible());
        });
        EXPECT_EQ(ColumnTexts(list, IdCol), (QStringList{Id(1), Id(4), Id(6)}));

        EnterOpening(shown, "btn_Add", [](QDialog& person) {
            EnterOn(Find<QPushButton>(person, "btn_Cancel"));
            EXPECT_FALSE(person.isVisible());
        });

        // Delete asks; Enter as it opens answers No, Enter on Yes deletes. The filter left the
        // focus on the first row, and Space chooses it.
        QTest::keyClick(&list, Qt::Key_Space);
        ASSERT_EQ(SelectedRow(list), 0);
        EnterOpening(shown, "btn_Delete", [](QDialog& confirm) {
            QTest::keyClick(confirm.focusWidget(), Qt::Key_Return);
        });
        EXPECT_EQ(childText(Id(1), "Status"), QStringLiteral("Active"));
        EnterOpening(shown, "btn_Delete", [](QDialog& confirm) {
            EnterOn(Find<QPushButton>(confirm, "btn_Yes"));
        });
        EXPECT_EQ(childText(Id(1), "Status"), QStringLiteral("Deleted"));

        QTest::keyClick(&list, Qt::Key_Space);
        EnterOpening(shown, "btn_Edit", [](QDialog& person) {
            EnterOn(Find<QPushButton>(person, "btn_Cancel"));
        });

        EnterOn(Find<QPushButton>(shown, "btn_Export"));
        EXPECT_EQ(chooser.suggested.size(), 1);

        EnterOn(Find<QPushButton>(shown, "btn_Close"));
        EXPECT_FALSE(shown.isVisible());
    });
}

TEST_F(SearchKeyboardTest, SortingIsToldThroughTheColumnsTheListAndTheStatusLine)
{
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&list);
        ASSERT_NE(table, nullptr);
        // The first children of the list are its column titles.
        const auto columnDescription = [table](int column) {
            return table->child(column)->text(QAccessible::Description);
        };
        EXPECT_TRUE(list.accessibleDescription().contains(QStringLiteral("Ctrl+1 to Ctrl+7")));
        EXPECT_EQ(columnDescription(IdCol), QStringLiteral("sorted ascending"));

        list.setFocus();
        QTest::keyClick(&list, Qt::Key_4, Qt::ControlModifier);
        EXPECT_EQ(table->child(SurnameCol)->text(QAccessible::Name), QStringLiteral("Surname"));
        EXPECT_EQ(columnDescription(SurnameCol), QStringLiteral("sorted ascending"));
        EXPECT_EQ(columnDescription(IdCol), QString());
        EXPECT_TRUE(list.accessibleDescription().startsWith(
            QStringLiteral("Sorted by Surname, ascending. Ctrl+1 to Ctrl+7")));
        EXPECT_EQ(StatusLine(shown), QStringLiteral("Sorted by Surname, ascending"));

        QTest::keyClick(&list, Qt::Key_4, Qt::ControlModifier);
        EXPECT_EQ(columnDescription(SurnameCol), QStringLiteral("sorted descending"));
        EXPECT_EQ(StatusLine(shown), QStringLiteral("Sorted by Surname, descending"));
        EXPECT_EQ(ColumnTexts(list, SurnameCol), (QStringList{"Ozols", "Ozola", "Liepa", "Apse"}));

        QAccessibleInterface* line =
            QAccessible::queryAccessibleInterface(Find<QLabel>(shown, "lab_Status"));
        EXPECT_EQ(line->role(), QAccessible::StatusBar);
        EXPECT_EQ(line->text(QAccessible::Name), StatusLine(shown));
    });
}

TEST_F(SearchKeyboardTest, AfterDeleteTheFocusStaysInTheListOnTheRowThatTookItsPlace)
{
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        EXPECT_EQ(StatusLine(shown), QStringLiteral("Persons listed: 4"));
        const auto deleteChosen = [&shown] {
            EnterOpening(shown, "btn_Delete", [](QDialog& confirm) {
                EnterOn(Find<QPushButton>(confirm, "btn_Yes"));
            });
        };
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QTest::keyClick(&list, Qt::Key_Down);
        ASSERT_EQ(SelectedRow(list), 1);
        deleteChosen();
        EXPECT_EQ(shown.focusWidget(), &list);
        EXPECT_EQ(ColumnTexts(list, IdCol), (QStringList{Id(1), Id(4), Id(6)}));
        EXPECT_EQ(CurrentRow(list), 1);
        // On the row, not choosing it: the next Delete waits until the user chooses.
        EXPECT_EQ(SelectedRow(list), -1);
        EXPECT_FALSE(Enabled(shown, "btn_Delete"));
        EXPECT_EQ(StatusLine(shown),
                  QStringLiteral("Person %1 deleted. Persons listed: 3").arg(Id(2)));

        // The last row deleted: the focus is on the row before it.
        QTest::keyClick(&list, Qt::Key_End);
        ASSERT_EQ(SelectedRow(list), 2);
        deleteChosen();
        EXPECT_EQ(shown.focusWidget(), &list);
        EXPECT_EQ(CurrentRow(list), 1);
        QTest::keyClick(&list, Qt::Key_Space);
        EXPECT_EQ(SelectedRow(list), 1);

        deleteChosen();
        QTest::keyClick(&list, Qt::Key_Space);
        deleteChosen();
        EXPECT_EQ(list.model()->rowCount(), 0);
        EXPECT_EQ(shown.focusWidget(), &list);
        EXPECT_EQ(StatusLine(shown),
                  QStringLiteral("Person %1 deleted. Persons listed: 0").arg(Id(1)));
    });
}

TEST_F(SearchKeyboardTest, AfterAddEditFilterAndExportTheFocusIsOnTheRowConcerned)
{
    chooser.answer = ExportChoice{folder.file(QStringLiteral("persons.vcf")), ExportFormat::VCard};
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);  // away from the row Add will land on
        EnterOpening(shown, "btn_Add", [](QDialog& person) {
            TypeInto(Find<QLineEdit>(person, "ed_name"), QStringLiteral("Ieva"));
            TypeInto(Find<QLineEdit>(person, "ed_surname"), QStringLiteral("Egle"));
            EnterOn(Find<QPushButton>(person, "btn_Ok"));
        });
        EXPECT_EQ(shown.focusWidget(), &list);
        EXPECT_EQ(CurrentRow(list), RowOf(list, Id(7)));
        EXPECT_EQ(SelectedRow(list), -1);
        EXPECT_EQ(StatusLine(shown), QStringLiteral("Persons listed: 5"));

        QTest::keyClick(&list, Qt::Key_Home);
        QTest::keyClick(&list, Qt::Key_Down);
        EnterOpening(shown, "btn_Edit", [](QDialog& person) {
            EnterOn(Find<QPushButton>(person, "btn_Ok"));
        });
        EXPECT_EQ(shown.focusWidget(), &list);
        EXPECT_EQ(SelectedRow(list), 1);

        EnterOpening(shown, "btn_Filter", [](QDialog& filter) {
            TypeInto(Find<QLineEdit>(filter, "ed_surname"), QStringLiteral("oz"));
            EnterOn(Find<QPushButton>(filter, "btn_OK"));
        });
        EXPECT_EQ(shown.focusWidget(), &list);
        EXPECT_EQ(CurrentRow(list), 0);
        EXPECT_EQ(StatusLine(shown), QStringLiteral("Persons listed: 2"));

        QTest::keyClick(&list, Qt::Key_Down);
        EnterOn(Find<QPushButton>(shown, "btn_Export"));
        EXPECT_EQ(shown.focusWidget(), &list);
        EXPECT_EQ(CurrentRow(list), 1);
        EXPECT_EQ(StatusLine(shown), QStringLiteral("Persons exported to persons.vcf: 2"));
    });
    EXPECT_TRUE(messages.errors.isEmpty());
}

}  // namespace
}  // namespace orvanel::testing
