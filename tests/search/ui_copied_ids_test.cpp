// An ID the user copies, from a list with Ctrl+C or from the person's ID field, is still on the
// clipboard, whole, after the register and every window are gone: a desktop's clipboard manager
// takes the clipboard over only as the program ends.

#include "search/ui_search_fixture.h"
#include "support/read_in_place.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTabWidget>

namespace orvanel::testing {
namespace {

class CopiedId : public SearchWindowTest {
protected:
    void SetUp() override
    {
        QGuiApplication::clipboard()->clear();
        startWith(People());
    }

    // Ctrl+C in a list, on the cell of `row` and `column`.
    static void CopyCell(QTreeView& list, int row, int column)
    {
        ASSERT_GE(row, 0);
        list.setFocus();
        list.setCurrentIndex(list.model()->index(row, column));
        QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    }

    // Opens the first person of the search list, Id(1), for editing; `act` works in the person
    // dialog, which is cancelled afterwards.
    void inPersonOfFirstRow(const std::function<void(QDialog&)>& act)
    {
        inSearch([&](QDialog& search) {
            ClickRow(List(search), 0);
            answering(search, "btn_Edit", [&](QDialog& person) {
                ASSERT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Id(1));
                act(person);
                Find<QPushButton>(person, "btn_Cancel")->click();
            });
        });
    }

    static void ShowRelatives(QDialog& person)
    {
        Find<QTabWidget>(person, "pgc_Persona")
            ->setCurrentWidget(Find<QWidget>(person, "ts_Relationships"));
    }

    // Ends the program's windows and its register, as the program's end does, and gives the
    // characters the clipboard then holds.
    std::u16string clipboardAfterTheEnd()
    {
        form.reset();
        QCoreApplication::processEvents();
        return CharactersReadHere(QGuiApplication::clipboard()->text());
    }
};

TEST_F(CopiedId, FromTheSearchListOutlivesTheRegister)
{
    inSearch([](QDialog& search) {
        ASSERT_EQ(ColumnTexts(List(search), 0).value(0), Id(1));
        CopyCell(List(search), 0, 0);
    });
    EXPECT_EQ(clipboardAfterTheEnd(), CharactersReadHere(Id(1)));
}

TEST_F(CopiedId, FromThePersonsIdFieldOutlivesTheRegister)
{
    inPersonOfFirstRow([](QDialog& person) {
        QLineEdit* id = Find<QLineEdit>(person, "ed_id");
        id->setFocus();
        QTest::keyClick(id, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(id, Qt::Key_C, Qt::ControlModifier);
    });
    EXPECT_EQ(clipboardAfterTheEnd(), CharactersReadHere(Id(1)));
}

TEST_F(CopiedId, FromTheRelativesListOutlivesTheRegister)
{
    inPersonOfFirstRow([](QDialog& person) {
        ShowRelatives(person);
        QTreeView& relatives = *Find<QTreeView>(person, "lv_Relatives");
        CopyCell(relatives, static_cast<int>(ColumnTexts(relatives, 1).indexOf(Id(6))), 1);
    });
    EXPECT_EQ(clipboardAfterTheEnd(), CharactersReadHere(Id(6)));
}

TEST_F(CopiedId, FromTheRelationshipDialogsPersonListOutlivesTheRegister)
{
    inPersonOfFirstRow([](QDialog& person) {
        ShowRelatives(person);
        QWidget* relatives = Find<QWidget>(person, "ts_Relationships");
        ModalAnswer answer([](QDialog& relationship) {
            QTreeView& persons = *Find<QTreeView>(relationship, "lv_Person2");
            ASSERT_EQ(ColumnTexts(persons, 0).value(0), Id(2));
            CopyCell(persons, 0, 0);
            Find<QPushButton>(relationship, "btn_Cancel")->click();
        });
        Find<QPushButton>(*relatives, "btn_NewRelationship")->click();
        EXPECT_TRUE(answer.answered());
    });
    EXPECT_EQ(clipboardAfterTheEnd(), CharactersReadHere(Id(2)));
}

}  // namespace
}  // namespace orvanel::testing
