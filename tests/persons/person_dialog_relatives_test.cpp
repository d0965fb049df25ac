#include "person_dialog_fixture.h"
#include "support/register_records.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

namespace orvanel::testing {
namespace {

QTreeView* Relatives(QDialog& shown)
{
    return Find<QTreeView>(shown, "lv_Relatives");
}

int RowCount(QDialog& shown)
{
    return Relatives(shown)->model()->rowCount();
}

QString Cell(QTreeView* list, int row, int column)
{
    return list->model()->index(row, column).data().toString();
}

QStringList Row(QTreeView* list, int row)
{
    QStringList texts;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        texts << Cell(list, row, column);
    return texts;
}

// A removed row, as a confirmed Delete leaves it.
void RemoveFirstRow(QDialog& shown)
{
    ASSERT_TRUE(Relatives(shown)->model()->removeRow(0));
}

void ClickTitle(QTreeView& list, int column)
{
    QHeaderView* titles = list.header();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      QPoint(titles->sectionViewportPosition(column) + 4, titles->height() / 2));
}

QString RelText(const QString& id1, const QString& id2, const char* dir, const char* inv)
{
    return QStringList{id1, id2, QLatin1String(dir), QLatin1String(inv)}.join(QLatin1Char(' '));
}

// Anna (1) is child of Peteris (2); Zane (3) is sibling of Anna, stored from Zane's side;
// Peteris is parent of Zane.
class RelativesTab : public PersonDialogTest {
protected:
    void SetUp() override
    {
        load(RegisterXml()
                 .person(Id(1), QStringLiteral("Anna"), QString(), QStringLiteral("Ozola"))
                 .person(Id(2), QStringLiteral("Peteris"), QStringLiteral("J"),
                         QStringLiteral("Ozols"))
                 .person(Id(3), QStringLiteral("Zane"), QString(), QStringLiteral("Liepa"))
                 .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
                 .rel(Id(3), Id(1), QStringLiteral("sibling"), QStringLiteral("sibling"))
                 .rel(Id(2), Id(3), QStringLiteral("parent"), QStringLiteral("child")));
    }
};

TEST_F(RelativesTab, ShowsThePersonsRowsInDocumentOrderSeenFromThePerson)
{
    open(Id(1), [](QDialog& shown) {
        QTreeView* list = Relatives(shown);
        QStringList titles;
        for (int column = 0; column < list->model()->columnCount(); ++column)
            titles << list->model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_EQ(titles, (QStringList{"This person is ...", "of ...", "Name", "Middle Name",
                                       "Surname"}));
        ASSERT_EQ(RowCount(shown), 2);
        EXPECT_EQ(Row(list, 0),
                  (QStringList{"child", Id(2), "Peteris", "J", "Ozols"}));
        EXPECT_EQ(Row(list, 1), (QStringList{"sibling", Id(3), "Zane", "", "Liepa"}));
        Cancel(shown);
    });
    open(Id(2), [](QDialog& shown) {
        QTreeView* list = Relatives(shown);
        ASSERT_EQ(RowCount(shown), 2);
        EXPECT_EQ(Row(list, 0), (QStringList{"parent", Id(1), "Anna", "", "Ozola"}));
        EXPECT_EQ(Row(list, 1), (QStringList{"parent", Id(3), "Zane", "", "Liepa"}));
        Cancel(shown);
    });
}

TEST_F(RelativesTab, EditAndDeleteFollowTheCurrentRow)
{
    open(Id(1), [](QDialog& shown) {
        QTreeView* list = Relatives(shown);
        auto* edit = Find<QPushButton>(shown, "btn_EditRelationship");
        auto* remove = Find<QPushButton>(shown, "btn_DeleteRelationship");
        EXPECT_FALSE(list->currentIndex().isValid());
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_FALSE(remove->isEnabled());
        EXPECT_TRUE(Find<QPushButton>(shown, "btn_NewRelationship")->isEnabled());

        list->setCurrentIndex(list->model()->index(1, 0));
        EXPECT_TRUE(edit->isEnabled());
        EXPECT_TRUE(remove->isEnabled());
        list->setCurrentIndex(QModelIndex());
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_FALSE(remove->isEnabled());
        Cancel(shown);
    });
}

TEST_F(RelativesTab, OkCommitsTheRowsOnlyWhenTheyWereChanged)
{
    const int result = open(Id(1), [this](QDialog& shown) {
        RemoveFirstRow(shown);
        dialog.RelativesChanged = true;
        Ok(shown);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(reg.modified());
    EXPECT_EQ(RelRecords(reg), (QStringList{RelText(Id(2), Id(3), "parent", "child"),
                                      RelText(Id(1), Id(3), "sibling", "sibling")}));
    EXPECT_EQ(reg.relCounter(), 2);

    // The next opening clears the flag: a removal without it is not stored.
    open(Id(1), [this](QDialog& shown) {
        EXPECT_FALSE(dialog.RelativesChanged);
        RemoveFirstRow(shown);
        Ok(shown);
    });
    EXPECT_EQ(reg.relCounter(), 2);
    EXPECT_EQ(RelRecords(reg).size(), 2);
}

TEST_F(RelativesTab, CancelDiscardsChangedRows)
{
    const QByteArray before = RegisterBytes(reg);
    open(Id(1), [this](QDialog& shown) {
        RemoveFirstRow(shown);
        dialog.RelativesChanged = true;
        Cancel(shown);
    });
    EXPECT_EQ(RegisterBytes(reg), before);
    open(Id(1), [](QDialog& shown) {
        EXPECT_EQ(RowCount(shown), 2);
        Cancel(shown);
    });
}

TEST_F(RelativesTab, RowsAreStoredInTheOrderShownAfterAColumnSort)
{
    open(Id(2), [this](QDialog& shown) {
        Find<QTabWidget>(shown, "pgc_Persona")->setCurrentIndex(2);
        QTreeView* list = Relatives(shown);
        // Two clicks on the title "Name": ascending, then descending.
        ClickTitle(*list, 2);
        EXPECT_EQ(Cell(list, 0, 2), QStringLiteral("Anna"));
        ClickTitle(*list, 2);
        EXPECT_EQ(Cell(list, 0, 2), QStringLiteral("Zane"));
        dialog.RelativesChanged = true;
        Ok(shown);
    });
    EXPECT_EQ(RelRecords(reg), (QStringList{RelText(Id(3), Id(1), "sibling", "sibling"),
                                      RelText(Id(2), Id(3), "parent", "child"),
                                      RelText(Id(2), Id(1), "parent", "child")}));
    EXPECT_EQ(reg.relCounter(), 3);
}

}  // namespace
}  // namespace orvanel::testing
