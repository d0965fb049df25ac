#include "relations/ui_relatives_helpers.h"
#include "shell/main_window_fixture.h"
#include "support/register_records.h"

#include <QLabel>
#include <QTreeView>

namespace orvanel::testing {
namespace {

QString Rec(const QString& id1, const QString& id2, const char* dir, const char* inv)
{
    return QStringList{id1, id2, QLatin1String(dir), QLatin1String(inv)}.join(QLatin1Char(' '));
}

class RelativesTabTest : public MainWindowTest {
protected:
    // Anna (1) is child of Peteris (2); Zane (3) is sibling of Anna, stored from Zane's side;
    // Peteris is parent of Zane; Juris (4, deleted) is parent of Anna, stored from his side;
    // Ilze (5) has no relatives.
    static RegisterXml Family()
    {
        return RegisterXml()
            .person(Id(1), QStringLiteral("Anna"), QString(), QStringLiteral("Ozola"))
            .person(Id(2), QStringLiteral("Peteris"), QStringLiteral("J"), QStringLiteral("Ozols"))
            .person(Id(3), QStringLiteral("Zane"), QString(), QStringLiteral("Liepa"))
            .person(Id(4), QStringLiteral("Juris"), QString(), QStringLiteral("Berzs"),
                    QStringLiteral("Deleted"))
            .person(Id(5), QStringLiteral("Ilze"), QString(), QStringLiteral("Kalna"))
            .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
            .rel(Id(3), Id(1), QStringLiteral("sibling"), QStringLiteral("sibling"))
            .rel(Id(2), Id(3), QStringLiteral("parent"), QStringLiteral("child"))
            .rel(Id(4), Id(1), QStringLiteral("parent"), QStringLiteral("child"));
    }

    void startWith(const RegisterXml& xml)
    {
        writeDataFile(xml.bytes());
        start();
    }

    // Opens the person `id` through "Find" and "Edit"; `act` works in the person dialog and
    // must close it.
    void editPerson(const QString& id, const std::function<void(QDialog&)>& act)
    {
        ModalAnswer search([&](QDialog& shown) {
            QTreeView& list = *Find<QTreeView>(shown, "lv_All");
            ClickRow(list, RowOf(list, id));
            {
                ModalAnswer person(act);
                Find<QPushButton>(shown, "btn_Edit")->click();
                EXPECT_TRUE(person.answered());
            }
            Find<QPushButton>(shown, "btn_Close")->click();
        });
        Find<QPushButton>(*form, "btn_Find")->click();
        EXPECT_TRUE(search.answered());
    }

    void newPerson(const std::function<void(QDialog&)>& act)
    {
        ModalAnswer person(act);
        Find<QPushButton>(*form, "btn_NewPerson")->click();
        EXPECT_TRUE(person.answered());
    }

    static QStringList Rows(QDialog& person)
    {
        QStringList rows;
        QTreeView& list = RelativesList(person);
        for (int row = 0; row < list.model()->rowCount(); ++row)
            rows << RowTexts(list, row).join(QLatin1Char('|'));
        return rows;
    }

    static bool Enabled(QDialog& dialog, const char* button)
    {
        return Find<QPushButton>(dialog, button)->isEnabled();
    }

    static QString Label(QDialog& dialog, const char* name)
    {
        return Find<QLabel>(dialog, name)->text();
    }

    static void Ok(QDialog& dialog) { Find<QPushButton>(dialog, "btn_Ok")->click(); }
    static void Cancel(QDialog& dialog) { Find<QPushButton>(dialog, "btn_Cancel")->click(); }
};

TEST_F(RelativesTabTest, NewPersonGetsRelativesBeforeItIsSavedAndOkWritesThemBeforeItsRecord)
{
    startWith(Family());
    Register& reg = form->reg();
    newPerson([&](QDialog& person) {
        EXPECT_TRUE(Rows(person).isEmpty());
        EXPECT_TRUE(Enabled(person, "btn_NewRelationship"));
        EXPECT_FALSE(Enabled(person, "btn_EditRelationship"));
        EXPECT_FALSE(Enabled(person, "btn_DeleteRelationship"));
        Find<QLineEdit>(person, "ed_name")->setText(QStringLiteral("Ieva"));
        Find<QLineEdit>(person, "ed_surname")->setText(QStringLiteral("Egle"));

        // The relationship dialog shows the person as typed, and offers every active person.
        OnRelativesTab(person, "btn_NewRelationship", [](QDialog& relationship) {
            EXPECT_EQ(Label(relationship, "lab_Person11"), QStringLiteral("%1 Ieva  Egle").arg(Id(6)));
            EXPECT_EQ(Label(relationship, "lab_Person21"), Label(relationship, "lab_Person11"));
            EXPECT_EQ(ColumnTexts(PersonList(relationship), 0),
                      (QStringList{Id(1), Id(2), Id(3), Id(5)}));
            EXPECT_FALSE(Enabled(relationship, "btn_Ok"));
            Choose(relationship, QStringLiteral("child"), Id(1));
            Ok(relationship);
        });
        // The same person again, with the same kind: a row of its own.
        AddRelative(person, QStringLiteral("child"), Id(1));
        EXPECT_EQ(Rows(person), (QStringList{QStringLiteral("child|%1|Anna||Ozola").arg(Id(1)),
                                             QStringLiteral("child|%1|Anna||Ozola").arg(Id(1))}));
        Ok(person);
    });
    EXPECT_EQ(rels().mid(4), (QStringList{Rec(Id(6), Id(1), "child", "parent"),
                                          Rec(Id(6), Id(1), "child", "parent")}));
    EXPECT_EQ(reg.relCounter(), 6);
    EXPECT_EQ(reg.personCounter(), 6);
    // The person's record follows its relationship records.
    Document saved = RegisterDocument(reg);
    const Element last = saved.rootChild(saved.rootCount() - 1);
    EXPECT_EQ(last.attribute("ID"), Id(6));
    EXPECT_TRUE(saved.rootChild(saved.rootCount() - 2).hasLocalName("Rel"));
}

TEST_F(RelativesTabTest, CancelledAddAndDeleteAnsweredNoLeaveTheRowsAndTheRecordsAlone)
{
    startWith(Family());
    const QStringList before = rels();
    editPerson(Id(3), [](QDialog& person) {
        const QStringList rows = Rows(person);
        EXPECT_EQ(rows, (QStringList{QStringLiteral("sibling|%1|Anna||Ozola").arg(Id(1)),
                                     QStringLiteral("child|%1|Peteris|J|Ozols").arg(Id(2))}));
        OnRelativesTab(person, "btn_NewRelationship", [](QDialog& relationship) {
            Choose(relationship, QStringLiteral("twin"), Id(5));
            Cancel(relationship);
        });
        // Closing the relationship dialog from its frame is a Cancel too.
        OnRelativesTab(person, "btn_NewRelationship",
                       [](QDialog& relationship) { relationship.close(); });
        ClickRow(RelativesList(person), 1);
        OnRelativesTab(person, "btn_EditRelationship", [](QDialog& relationship) {
            Choose(relationship, QStringLiteral("twin"), Id(5));
            Cancel(relationship);
        });
        DeleteRelative(person, false);
        EXPECT_EQ(Rows(person), rows);
        Ok(person);
    });
    // Had anything counted as a change, Zane's records would now be stored from her side.
    EXPECT_EQ(rels(), before);
    EXPECT_TRUE(form->reg().modified());
}

TEST_F(RelativesTabTest, EditPresetsTheRowsChoiceAndReplacesTheRowInItsPlace)
{
    startWith(Family());
    editPerson(Id(1), [](QDialog& person) {
        EXPECT_EQ(Rows(person), (QStringList{QStringLiteral("child|%1|Peteris|J|Ozols").arg(Id(2)),
                                             QStringLiteral("sibling|%1|Zane||Liepa").arg(Id(3)),
                                             QStringLiteral("child|%1|Juris||Berzs").arg(Id(4))}));
        ClickRow(RelativesList(person), 1);
        EXPECT_TRUE(Enabled(person, "btn_EditRelationship"));
        OnRelativesTab(person, "btn_EditRelationship", [](QDialog& relationship) {
            EXPECT_EQ(Find<QComboBox>(relationship, "cb_Kind1")->currentText(),
                      QStringLiteral("sibling"));
            EXPECT_EQ(CurrentPersonId(relationship), Id(3));
            EXPECT_EQ(Label(relationship, "lab_Person22"), QStringLiteral("%1 Zane  Liepa").arg(Id(3)));
            EXPECT_EQ(Label(relationship, "lab_KindInverse"), QStringLiteral("is sibling of"));
            EXPECT_TRUE(Enabled(relationship, "btn_Ok"));
            Choose(relationship, QStringLiteral("twin"), Id(5));
            Ok(relationship);
        });
        EXPECT_EQ(Rows(person).at(1), QStringLiteral("twin|%1|Ilze||Kalna").arg(Id(5)));
        EXPECT_EQ(Rows(person).size(), 3);
        Ok(person);
    });
    // Every record of Anna is written anew from her side, at the end, in row order.
    EXPECT_EQ(rels(), (QStringList{Rec(Id(2), Id(3), "parent", "child"),
                                   Rec(Id(1), Id(2), "child", "parent"),
                                   Rec(Id(1), Id(5), "twin", "twin"),
                                   Rec(Id(1), Id(4), "child", "parent")}));
    EXPECT_EQ(form->reg().relCounter(), 4);

    // Changing the kind to its inverse is stored from the edited person's side.
    editPerson(Id(1), [](QDialog& person) {
        ClickRow(RelativesList(person), 0);
        OnRelativesTab(person, "btn_EditRelationship", [](QDialog& relationship) {
            Find<QComboBox>(relationship, "cb_Kind1")->setCurrentIndex(1);
            EXPECT_EQ(Label(relationship, "lab_KindInverse"), QStringLiteral("is child of"));
            Ok(relationship);
        });
        Ok(person);
    });
    EXPECT_EQ(rels().at(1), Rec(Id(1), Id(2), "parent", "child"));
}

TEST_F(RelativesTabTest, DoubleClickEditsAndARowWhosePersonIsNotOfferedOpensWithNoPersonChosen)
{
    startWith(Family());
    editPerson(Id(1), [](QDialog& person) {
        ShowRelativesTab(person);
        ModalAnswer answer([](QDialog& relationship) {
            EXPECT_EQ(Find<QComboBox>(relationship, "cb_Kind1")->currentText(),
                      QStringLiteral("child"));
            EXPECT_EQ(CurrentPersonId(relationship), QString());
            EXPECT_EQ(Label(relationship, "lab_Person22"), QString());
            EXPECT_EQ(Label(relationship, "lab_KindInverse"), QStringLiteral("is parent of"));
            EXPECT_FALSE(Enabled(relationship, "btn_Ok"));
            Choose(relationship, QStringLiteral("child"), Id(5));
            EXPECT_TRUE(Enabled(relationship, "btn_Ok"));
            Cancel(relationship);
        });
        DoubleClickRow(RelativesList(person), 2);
        EXPECT_TRUE(answer.answered());
        Cancel(person);
    });
}

TEST_F(RelativesTabTest, KindsAreMatchedWithoutRegardToCaseAndAnUnknownKindIsNotChosen)
{
    startWith(RegisterXml()
                  .person(Id(1), QStringLiteral("Anna"), QString(), QStringLiteral("Ozola"))
                  .person(Id(2), QStringLiteral("Peteris"), QString(), QStringLiteral("Ozols"))
                  .rel(Id(1), Id(2), QStringLiteral("Child"), QStringLiteral("parent"))
                  .rel(Id(2), Id(1), QStringLiteral("parent"), QStringLiteral("cousin")));
    editPerson(Id(1), [](QDialog& person) {
        ClickRow(RelativesList(person), 0);
        OnRelativesTab(person, "btn_EditRelationship", [](QDialog& relationship) {
            EXPECT_EQ(Find<QComboBox>(relationship, "cb_Kind1")->currentText(),
                      QStringLiteral("child"));
            EXPECT_TRUE(Enabled(relationship, "btn_Ok"));
            Cancel(relationship);
        });
        ClickRow(RelativesList(person), 1);
        OnRelativesTab(person, "btn_EditRelationship", [](QDialog& relationship) {
            EXPECT_EQ(Find<QComboBox>(relationship, "cb_Kind1")->currentIndex(), -1);
            EXPECT_EQ(Label(relationship, "lab_KindInverse"), QStringLiteral("is error of"));
            EXPECT_FALSE(Enabled(relationship, "btn_Ok"));
            Find<QComboBox>(relationship, "cb_Kind1")->setCurrentIndex(2);
            EXPECT_TRUE(Enabled(relationship, "btn_Ok"));
            Cancel(relationship);
        });
        // Kept as read, the unknown word goes back with "error" as its inverse.
        DeleteRelative(person, true);
        ClickRow(RelativesList(person), 0);
        Ok(person);
    });
    EXPECT_EQ(RelRecords(form->reg()), (QStringList{Rec(Id(1), Id(2), "Child", "error")}));
}

TEST_F(RelativesTabTest, DeleteRemovesTheRowAndOkRemovesItsRecordFromBothSides)
{
    startWith(Family());
    editPerson(Id(1), [](QDialog& person) {
        ClickRow(RelativesList(person), 0);
        DeleteRelative(person, true);
        EXPECT_EQ(Rows(person), (QStringList{QStringLiteral("sibling|%1|Zane||Liepa").arg(Id(3)),
                                             QStringLiteral("child|%1|Juris||Berzs").arg(Id(4))}));
        // No row is chosen after a removal.
        EXPECT_FALSE(RelativesList(person).currentIndex().isValid());
        EXPECT_FALSE(Enabled(person, "btn_EditRelationship"));
        EXPECT_FALSE(Enabled(person, "btn_DeleteRelationship"));
        Ok(person);
    });
    EXPECT_EQ(rels(), (QStringList{Rec(Id(2), Id(3), "parent", "child"),
                                   Rec(Id(1), Id(3), "sibling", "sibling"),
                                   Rec(Id(1), Id(4), "child", "parent")}));
    EXPECT_EQ(form->reg().relCounter(), 3);
    editPerson(Id(2), [](QDialog& person) {
        EXPECT_EQ(Rows(person), QStringList{QStringLiteral("parent|%1|Zane||Liepa").arg(Id(3))});
        Cancel(person);
    });
}

TEST_F(RelativesTabTest, RemovedRowsComeBackAfterCancelAndRemovingAllOfThemRemovesEveryRecord)
{
    startWith(Family());
    const QStringList before = rels();
    auto removeAll = [](QDialog& person) {
        while (RelativesList(person).model()->rowCount() > 0) {
            ClickRow(RelativesList(person), 0);
            DeleteRelative(person, true);
        }
    };
    editPerson(Id(1), [&](QDialog& person) {
        removeAll(person);
        Cancel(person);
    });
    EXPECT_EQ(rels(), before);
    EXPECT_FALSE(form->reg().modified());

    editPerson(Id(1), [&](QDialog& person) {
        EXPECT_EQ(Rows(person).size(), 3);
        removeAll(person);
        Ok(person);
    });
    EXPECT_EQ(rels(), QStringList{Rec(Id(2), Id(3), "parent", "child")});
    EXPECT_EQ(form->reg().relCounter(), 1);
}

TEST_F(RelativesTabTest, ACurrentRowWithoutSelectionIsEditedAndItsDeleteRemovesNothingButCounts)
{
    startWith(Family());
    editPerson(Id(3), [](QDialog& person) {
        QTreeView& list = RelativesList(person);
        ClickRow(list, 1);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          CellCentre(list, 1));
        ASSERT_TRUE(!list.selectionModel()->hasSelection());
        ASSERT_EQ(CurrentRow(list), 1);
        EXPECT_TRUE(Enabled(person, "btn_DeleteRelationship"));

        OnRelativesTab(person, "btn_EditRelationship", [](QDialog& relationship) {
            EXPECT_EQ(CurrentPersonId(relationship), Id(2));
            Cancel(relationship);
        });
        DeleteRelative(person, true);
        EXPECT_EQ(list.model()->rowCount(), 2);
        Ok(person);
    });
    // The confirmed Delete counted as a change: Zane's records are written from her side.
    EXPECT_EQ(rels(), (QStringList{Rec(Id(1), Id(2), "child", "parent"),
                                   Rec(Id(4), Id(1), "parent", "child"),
                                   Rec(Id(3), Id(1), "sibling", "sibling"),
                                   Rec(Id(3), Id(2), "child", "parent")}));
}

TEST_F(RelativesTabTest, RowsAddedAfterASortAreAppendedAndOkWritesTheShownOrder)
{
    startWith(Family());
    const QStringList before = rels();
    // Sorting alone is no change.
    editPerson(Id(2), [](QDialog& person) {
        ShowRelativesTab(person);
        ClickColumnTitle(RelativesList(person), 2);
        Ok(person);
    });
    EXPECT_EQ(rels(), before);

    editPerson(Id(1), [](QDialog& person) {
        ShowRelativesTab(person);
        // The list is in document order, and the "Name" column was last clicked ascending:
        // this click turns it descending.
        ClickColumnTitle(RelativesList(person), 2);
        EXPECT_EQ(ColumnTexts(RelativesList(person), 2),
                  (QStringList{"Zane", "Peteris", "Juris"}));
        AddRelative(person, QStringLiteral("parent"), Id(5));
        EXPECT_EQ(ColumnTexts(RelativesList(person), 2),
                  (QStringList{"Zane", "Peteris", "Juris", "Ilze"}));
        Ok(person);
    });
    EXPECT_EQ(rels(), (QStringList{Rec(Id(2), Id(3), "parent", "child"),
                                   Rec(Id(1), Id(3), "sibling", "sibling"),
                                   Rec(Id(1), Id(2), "child", "parent"),
                                   Rec(Id(1), Id(4), "child", "parent"),
                                   Rec(Id(1), Id(5), "parent", "child")}));
}

TEST_F(RelativesTabTest, ThePersonListOfTheRelationshipDialogKeepsItsSortForTheNextAdd)
{
    startWith(Family());
    editPerson(Id(1), [](QDialog& person) {
        // Unsaved edits of the person show in the relationship dialog.
        Find<QLineEdit>(person, "ed_name")->setText(QStringLiteral("Annija"));
        OnRelativesTab(person, "btn_NewRelationship", [](QDialog& relationship) {
            EXPECT_EQ(Label(relationship, "lab_Person11"),
                      QStringLiteral("%1 Annija  Ozola").arg(Id(1)));
            ClickColumnTitle(PersonList(relationship), 3);
            ClickColumnTitle(PersonList(relationship), 3);
            Cancel(relationship);
        });
        OnRelativesTab(person, "btn_NewRelationship", [](QDialog& relationship) {
            EXPECT_EQ(ColumnTexts(PersonList(relationship), 3),
                      (QStringList{"Ozols", "Liepa", "Kalna"}));
            EXPECT_FALSE(Enabled(relationship, "btn_Ok"));
            Cancel(relationship);
        });
        Cancel(person);
    });
}

}  // namespace
}  // namespace orvanel::testing
