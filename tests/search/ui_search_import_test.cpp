// Import through the search window: its button, the preview window and what OK and Cancel leave
// in the register. The flows read a real GEDCOM file, so they need the GEDCOM reader.
#include "import/ui/import_file_dialog.h"
#include "search/ui/search_window.h"
#include "search/ui_search_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTest>

namespace orvanel::testing {
namespace {

// Answers Import's file question as the user would.
class ChosenImportFile final : public ImportFileChooser {
public:
    std::optional<QString> chooseImportFile(const QString& folder) override
    {
        started << folder;
        return answer;
    }
    std::optional<QString> answer;
    QStringList started;
};

// Anna as the register holds her, and a new couple's child: Karlis is Ilze's father.
const QByteArray kFamily =
    "0 HEAD\n1 SOUR ORVANEL\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Anna /Ozola/\n2 GIVN Anna\n2 SURN Ozola\n1 SEX F\n1 BIRT\n"
    "2 DATE 1 FEB 1950\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Karlis /Berzs/\n2 GIVN Karlis\n2 SURN Berzs\n1 SEX M\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Ilze /Berza/\n2 GIVN Ilze\n2 SURN Berza\n1 SEX F\n1 BIRT\n"
    "2 DATE 3 MAR 1985\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n1 CHIL @I3@\n0 TRLR\n";

class SearchImportTest : public SearchWindowTest {
protected:
    void SetUp() override
    {
        startWith(People());
        form->searchWindow().useImportFileChooser(chooser);
        files.write("family.ged", kFamily);
        chooser.answer = files.file("family.ged");
    }

    static QTreeView& Preview(QDialog& preview) { return *Find<QTreeView>(preview, "lv_Import"); }
    static QStringList Checks(const QTreeView& list)
    {
        QStringList out;
        for (int row = 0; row < list.model()->rowCount(); ++row)
            out << (list.model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked
                        ? QStringLiteral("x")
                        : QStringLiteral("-"));
        return out;
    }

    ChosenImportFile chooser;
    TempFolder files;
};

TEST_F(SearchImportTest, ImportStandsBesideExportNamedForScreenReaders)
{
    inSearch([](QDialog& shown) {
        QPushButton* importing = Find<QPushButton>(shown, "btn_Import");
        const QPushButton* exporting = Find<QPushButton>(shown, "btn_Export");
        EXPECT_EQ(Shown(importing->text()), QStringLiteral("Import..."));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(importing)->text(QAccessible::Name),
                  QStringLiteral("Import..."));
        EXPECT_EQ(importing->geometry().top(), exporting->geometry().top());
        EXPECT_LT(importing->geometry().right(), exporting->geometry().left());
    });
}

TEST_F(SearchImportTest, ThePreviewMarksTheLikelyDuplicateAndCancelChangesNothing)
{
    inSearch([&](QDialog& shown) {
        const QStringList listed = ColumnTexts(List(shown), 0);
        answering(shown, "btn_Import", [](QDialog& preview) {
            EXPECT_EQ(preview.objectName(), QStringLiteral("dlg_Import"));
            QTreeView& list = Preview(preview);
            ASSERT_EQ(list.model()->rowCount(), 3);
            EXPECT_EQ(RowTexts(list, 0),
                      (QStringList{"Anna", "Ozola", "1950/2/1", Id(1)}));
            EXPECT_EQ(RowTexts(list, 2), (QStringList{"Ilze", "Berza", "1985/3/3", ""}));
            EXPECT_EQ(Checks(list), (QStringList{"-", "x", "x"}));
            EXPECT_TRUE(Find<QLabel>(preview, "lbl_Summary")
                            ->text()
                            .startsWith(QStringLiteral("3 persons, 2 relationships.")));
            for (const char* name : {"lv_Import", "btn_Ok", "btn_Cancel", "btn_SelectAll",
                                     "btn_SelectNone", "lbl_Summary"}) {
                QWidget* control = Find<QWidget>(preview, name);
                EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)
                                 ->text(QAccessible::Name)
                                 .isEmpty())
                    << name;
            }

            // Space flips the current row, whichever it is; the focus starts on the first.
            EXPECT_TRUE(list.hasFocus());
            QTest::keyClick(&list, Qt::Key_Space);
            QTest::keyClick(&list, Qt::Key_Down);
            QTest::keyClick(&list, Qt::Key_Space);
            EXPECT_EQ(Checks(list), (QStringList{"x", "-", "x"}));
            // Tab reaches "Choose all", then "Choose none".
            QTest::keyClick(&list, Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("btn_SelectNone"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            EXPECT_EQ(Checks(list), (QStringList{"-", "-", "-"}));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("btn_SelectAll"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            EXPECT_EQ(Checks(list), (QStringList{"x", "x", "x"}));
            EXPECT_EQ(Find<QLabel>(preview, "lbl_Chosen")->text(), QStringLiteral("Chosen: 3 of 3"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        EXPECT_EQ(ColumnTexts(List(shown), 0), listed);
    });
    EXPECT_EQ(chooser.started, QStringList{QDir(folder.path()).absolutePath()});
    EXPECT_EQ(form->reg().personCounter(), 6);
    EXPECT_EQ(form->reg().relCounter(), 4);
    EXPECT_FALSE(form->reg().modified());
    EXPECT_EQ(messages.errors, QStringList());
}

TEST_F(SearchImportTest, EnterAddsTheChosenPersonsWithTheirLinkAndListsThemUnsaved)
{
    inSearch([&](QDialog& shown) {
        answering(shown, "btn_Import", [](QDialog& preview) {
            QTest::keyClick(&Preview(preview), Qt::Key_Return);
        });
        QTreeView& list = List(shown);
        EXPECT_EQ(list.model()->rowCount(), 6);  // four before, and Karlis and Ilze
        EXPECT_GE(RowOf(list, Id(7)), 0);
        EXPECT_GE(RowOf(list, Id(8)), 0);
        EXPECT_EQ(list.currentIndex().row(), RowOf(list, Id(7)));
        EXPECT_EQ(Find<QLabel>(shown, "lab_Status")->text(),
                  QStringLiteral("Added: 2 persons, 1 relationship."));
    });
    EXPECT_EQ(childText(Id(7), "Name"), QStringLiteral("Karlis"));
    EXPECT_EQ(childText(Id(8), "DateOfBirth"), QStringLiteral("1985/3/3"));
    EXPECT_EQ(childText(Id(8), "Status"), QStringLiteral("Active"));
    EXPECT_EQ(rels().size(), 5);
    EXPECT_EQ(rels().last(), Id(8) + " " + Id(7) + " child parent");
    EXPECT_TRUE(form->reg().modified());
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);  // saved only on closing
}

TEST_F(SearchImportTest, ARefusedFileIsReportedWithoutAPreviewAndChangesNothing)
{
    files.write("family.ged", "REFUSE: no GEDCOM at all\n");
    inSearch([&](QDialog& shown) {
        NoModalDialog none;
        Find<QPushButton>(shown, "btn_Import")->click();
        EXPECT_FALSE(none.dialogShown());
        chooser.answer.reset();  // the user cancels the file dialog
        Find<QPushButton>(shown, "btn_Import")->click();
    });
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(form->reg().personCounter(), 6);
    EXPECT_FALSE(form->reg().modified());
}

}  // namespace
}  // namespace orvanel::testing
