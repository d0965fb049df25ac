#include "search/ui_search_fixture.h"

#include "export/person_export.h"
#include "search/ui/search_window.h"
#include "support/register_records.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <optional>

namespace orvanel::testing {
namespace {

enum Column { IdCol, NameCol, MiddleCol, SurnameCol, SexCol, BirthCol, OptionalCol };

TEST_F(SearchWindowTest, ListHasItsColumnsWidthsAndLimitsAndTheButtonsTheirStates)
{
    startWith(People());
    inSearch([](QDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Search"));
        QTreeView& list = List(shown);
        EXPECT_EQ(ColumnTitles(list), (QStringList{"ID", "Name", "Middle Name", "Surname", "Sex",
                                                   "Date Of Birth", "OptionalID"}));
        QHeaderView* header = list.header();
        // The given widths are the least a column gets; the font may need more.
        EXPECT_GE(header->sectionSize(IdCol), 60);
        EXPECT_EQ(header->sectionSize(NameCol), 100);
        EXPECT_EQ(header->sectionSize(SurnameCol), 100);
        EXPECT_GE(header->sectionSize(SexCol), 30);
        EXPECT_GE(header->sectionSize(BirthCol), 80);
        EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(list.editTriggers(), QAbstractItemView::NoEditTriggers);

        // Widths beyond a column's own limits are brought back to them; a column without a
        // minimum of its own still keeps a small width, so that it can be dragged back.
        constexpr int kSmall = -1;
        const struct {
            int column, asked, kept;
        } limits[] = {{IdCol, 500, 100},      {IdCol, 10, 50},          {NameCol, 20, 50},
                      {NameCol, 900, 200},    {MiddleCol, 300, 100},    {MiddleCol, 5, kSmall},
                      {SurnameCol, 250, 200}, {SexCol, 90, 40},         {SexCol, 2, kSmall},
                      {BirthCol, 400, 120},   {OptionalCol, 20, 20}};
        for (const auto& limit : limits) {
            header->resizeSection(limit.column, limit.asked);
            if (limit.kept == kSmall) {
                EXPECT_GT(header->sectionSize(limit.column), limit.asked);
                EXPECT_LT(header->sectionSize(limit.column), 30);
            } else {
                EXPECT_EQ(header->sectionSize(limit.column), limit.kept)
                    << limit.column << " " << limit.asked;
            }
        }

        const char* buttons[][2] = {{"btn_Filter", "Filter..."}, {"btn_Add", "Add"},
                                    {"btn_Edit", "Edit"},        {"btn_Delete", "Delete"},
                                    {"btn_Close", "Close"}};
        for (const auto& button : buttons)
            EXPECT_EQ(Shown(Find<QPushButton>(shown, button[0])->text()),
                      QLatin1String(button[1]));
        EXPECT_TRUE(Enabled(shown, "btn_Filter"));
        EXPECT_TRUE(Enabled(shown, "btn_Add"));
        EXPECT_FALSE(Enabled(shown, "btn_Edit"));
        EXPECT_FALSE(Enabled(shown, "btn_Delete"));
        EXPECT_TRUE(Enabled(shown, "btn_Close"));
    });
}

TEST_F(SearchWindowTest, ListsExactlyTheActivePersonsWithTheirStoredTextsInIdOrder)
{
    startWith(People());
    inSearch([](QDialog& shown) {
        QTreeView& list = List(shown);
        EXPECT_EQ(ColumnTexts(list, IdCol), (QStringList{Id(1), Id(2), Id(4), Id(6)}));
        EXPECT_EQ(RowTexts(list, 2),
                  (QStringList{Id(4), "Zane", "", "Liepa", "F", "1950/10/1", "opt-4"}));
    });
}

TEST_F(SearchWindowTest, EditAndDeleteAreEnabledExactlyWhileARowIsSelected)
{
    startWith(People());
    inSearch([](QDialog& shown) {
        QTreeView& list = List(shown);
        ClickRow(list, 1);
        EXPECT_EQ(SelectedRow(list), 1);
        EXPECT_TRUE(Enabled(shown, "btn_Edit"));
        EXPECT_TRUE(Enabled(shown, "btn_Delete"));
        // Ctrl+click takes the selection away and leaves the row current.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          CellCentre(list, 1));
        EXPECT_EQ(SelectedRow(list), -1);
        EXPECT_EQ(CurrentRow(list), 1);
        EXPECT_FALSE(Enabled(shown, "btn_Edit"));
        EXPECT_FALSE(Enabled(shown, "btn_Delete"));
    });
}

TEST_F(SearchWindowTest, ColumnClicksAlternateAndAnotherColumnStartsAscending)
{
    startWith(People());
    inSearch([](QDialog& shown) {
        QTreeView& list = List(shown);
        const QStringList names{"Anna", "Karlis", "Peteris", "Zane"};
        QStringList reversed = names;
        std::reverse(reversed.begin(), reversed.end());

        ClickColumnTitle(list, NameCol);
        EXPECT_EQ(ColumnTexts(list, NameCol), names);
        ClickColumnTitle(list, NameCol);
        EXPECT_EQ(ColumnTexts(list, NameCol), reversed);
        ClickColumnTitle(list, NameCol);
        EXPECT_EQ(ColumnTexts(list, NameCol), names);

        ClickColumnTitle(list, SurnameCol);
        EXPECT_EQ(ColumnTexts(list, SurnameCol), (QStringList{"Apse", "Liepa", "Ozola", "Ozols"}));
        ClickColumnTitle(list, NameCol);
        EXPECT_EQ(ColumnTexts(list, NameCol), names);

        // Dates are ordered as the stored texts: October before February.
        ClickColumnTitle(list, BirthCol);
        EXPECT_EQ(ColumnTexts(list, BirthCol),
                  (QStringList{"1948/12/24", "1950/10/1", "1950/2/1", "2001/1/1"}));
    });
}

TEST_F(SearchWindowTest, FirstClickOnTheIdColumnKeepsTheOrderAndTheSecondReversesIt)
{
    startWith(People());
    inSearch([](QDialog& shown) {
        QTreeView& list = List(shown);
        const QStringList ids{Id(1), Id(2), Id(4), Id(6)};
        ClickColumnTitle(list, IdCol);
        EXPECT_EQ(ColumnTexts(list, IdCol), ids);
        ClickColumnTitle(list, IdCol);
        EXPECT_EQ(ColumnTexts(list, IdCol), (QStringList{Id(6), Id(4), Id(2), Id(1)}));
    });
}

TEST_F(SearchWindowTest, TheSelectedRowStaysSelectedAndInViewThroughASort)
{
    // Enough persons that the list scrolls.
    RegisterXml data;
    for (int n = 1; n <= 120; ++n)
        data.person(Id(n), QStringLiteral("N%1").arg(1000 - n), QString(),
                    QStringLiteral("S%1").arg(n % 7));
    startWith(data.bytes());
    inSearch([](QDialog& shown) {
        QTreeView& list = List(shown);
        ClickRow(list, 2);
        const QString id = RowTexts(list, 2).at(IdCol);
        ClickColumnTitle(list, NameCol);
        const int row = RowOf(list, id);
        EXPECT_EQ(row, 117);
        EXPECT_EQ(SelectedRow(list), row);
        EXPECT_EQ(CurrentRow(list), row);
        EXPECT_TRUE(list.viewport()->rect().contains(
            list.visualRect(list.model()->index(row, 0))));
        EXPECT_TRUE(Enabled(shown, "btn_Edit"));
    });
}

TEST_F(SearchWindowTest, SortStateSurvivesClosingAndEveryRebuilding)
{
    startWith(People());
    const QStringList descending{"Ozols", "Ozola", "Liepa", "Apse"};
    inSearch([&](QDialog& shown) {
        ClickColumnTitle(List(shown), SurnameCol);
        ClickColumnTitle(List(shown), SurnameCol);
        EXPECT_EQ(ColumnTexts(List(shown), SurnameCol), descending);
    });
    inSearch([&](QDialog& shown) {
        EXPECT_EQ(ColumnTexts(List(shown), SurnameCol), descending);
        answering(shown, "btn_Add", [](QDialog& person) {
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
        EXPECT_EQ(ColumnTexts(List(shown), SurnameCol), descending);
        // The next click on that column turns it ascending.
        ClickColumnTitle(List(shown), SurnameCol);
        EXPECT_EQ(ColumnTexts(List(shown), SurnameCol),
                  (QStringList{"Apse", "Liepa", "Ozola", "Ozols"}));
    });
}

TEST_F(SearchWindowTest, EditWritesTheRecordAndRefreshesTheRowInItsPlace)
{
    startWith(People());
    Register& reg = form->reg();
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        ClickColumnTitle(list, SurnameCol);
        const int row = RowOf(list, Id(2));
        ASSERT_EQ(row, 3);
        ClickRow(list, row);
        answering(shown, "btn_Edit", [](QDialog& person) {
            EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Id(2));
            EXPECT_EQ(Find<QLineEdit>(person, "ed_surname")->text(), QStringLiteral("Ozols"));
            Find<QLineEdit>(person, "ed_surname")->setText(QStringLiteral("Aabols"));
            Find<QLineEdit>(person, "ed_mname")->setText(QString());
            Find<QLineEdit>(person, "ed_optional_id")->setText(QStringLiteral("new"));
            Find<QPushButton>(person, "btn_Ok")->click();
        });
        // Not sorted again: the row stays last although its surname now sorts first.
        EXPECT_EQ(RowTexts(list, 3),
                  (QStringList{Id(2), "Peteris", "", "Aabols", "M", "1948/12/24", "new"}));
        EXPECT_EQ(SelectedRow(list), 3);
    });
    EXPECT_EQ(childText(Id(2), "Surname"), QStringLiteral("Aabols"));
    EXPECT_EQ(childText(Id(2), "DateModified"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(childText(Id(2), "DateCreated"), QStringLiteral("2020/1/1"));
    EXPECT_TRUE(reg.modified());

    // The next showing lists the list afresh, in the sorter's order.
    inSearch([](QDialog& shown) {
        EXPECT_EQ(ColumnTexts(List(shown), SurnameCol),
                  (QStringList{"Aabols", "Apse", "Liepa", "Ozola"}));
    });
}

TEST_F(SearchWindowTest, DoubleClickEditsTheRowAndCancelChangesNothing)
{
    startWith(People());
    const QByteArray before = RegisterBytes(form->reg());
    inSearch([](QDialog& shown) {
        QTreeView& list = List(shown);
        const int row = RowOf(list, Id(4));
        QString opened;
        {
            ModalAnswer answer([&](QDialog& person) {
                opened = Find<QLineEdit>(person, "ed_id")->text();
                Find<QLineEdit>(person, "ed_name")->setText(QStringLiteral("changed"));
                Find<QPushButton>(person, "btn_Cancel")->click();
            });
            DoubleClickRow(list, row);
            EXPECT_TRUE(answer.answered());
        }
        EXPECT_EQ(opened, Id(4));
        EXPECT_EQ(RowTexts(list, row).at(NameCol), QStringLiteral("Zane"));
    });
    EXPECT_EQ(RegisterBytes(form->reg()), before);
    EXPECT_FALSE(form->reg().modified());
}

TEST_F(SearchWindowTest, DeleteAsksAndOnlyYesMarksThePersonDeletedAndDropsItsRelationships)
{
    startWith(People());
    Register& reg = form->reg();
    ASSERT_EQ(reg.relCounter(), 4);
    const QByteArray before = RegisterBytes(reg);
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        ClickRow(list, RowOf(list, Id(1)));
        answering(shown, "btn_Delete", [](QDialog& confirm) {
            EXPECT_EQ(confirm.objectName(), QStringLiteral("Form_MB"));
            EXPECT_EQ(confirm.windowTitle(), QStringLiteral("Confirm"));
            EXPECT_EQ(Find<QLabel>(confirm, "Label1")->text(),
                      QStringLiteral("Are you absolutely sure that you want to delete this item?"));
            Find<QPushButton>(confirm, "btn_No")->click();
        });
        EXPECT_EQ(RegisterBytes(reg), before);
        EXPECT_EQ(ColumnTexts(list, IdCol).size(), 4);

        // Closing the question from its title bar counts as No.
        answering(shown, "btn_Delete", [](QDialog& confirm) { confirm.close(); });
        EXPECT_EQ(RegisterBytes(reg), before);

        answering(shown, "btn_Delete", [](QDialog& confirm) {
            Find<QPushButton>(confirm, "btn_Yes")->click();
        });
        EXPECT_EQ(ColumnTexts(list, IdCol), (QStringList{Id(2), Id(4), Id(6)}));
        EXPECT_EQ(SelectedRow(list), -1);
        EXPECT_FALSE(Enabled(shown, "btn_Edit"));
        EXPECT_FALSE(Enabled(shown, "btn_Delete"));
    });
    EXPECT_EQ(childText(Id(1), "Status"), QStringLiteral("Deleted"));
    EXPECT_EQ(childText(Id(1), "DateModified"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(childText(Id(1), "Name"), QStringLiteral("Anna"));
    EXPECT_EQ(rels(), (QStringList{QStringLiteral("%1 %2 twin twin").arg(Id(4), Id(6)),
                                   QStringLiteral("%1 %2 parent child").arg(Id(2), Id(4))}));
    EXPECT_EQ(reg.relCounter(), 2);
    EXPECT_EQ(reg.personCounter(), 6);
    EXPECT_TRUE(reg.modified());

    // The deleted person is not listed again, and closing asks whether to save.
    inSearch([](QDialog& shown) { EXPECT_EQ(RowOf(List(shown), Id(1)), -1); });
    messages.answerNext(false);
    form->close();
    EXPECT_EQ(messages.questions,
              QStringList{QStringLiteral("Confirm: Do you want to save changes?")});
}

// A sort only reorders what is shown: Delete on a sorted list must mark the person of the row
// chosen, and the rows after it must keep their order and their texts.
TEST_F(SearchWindowTest, DeleteOnASortedListMarksThePersonOfTheChosenRow)
{
    startWith(People());
    QString deleted;
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        ClickColumnTitle(list, SurnameCol);
        ClickColumnTitle(list, SurnameCol);  // descending
        QStringList before;
        for (int row = 0; row < list.model()->rowCount(); ++row)
            before << RowTexts(list, row).join('|');
        ASSERT_EQ(before.size(), 4);
        deleted = ColumnTexts(list, IdCol).at(1);
        ClickRow(list, 1);
        answering(shown, "btn_Delete", [](QDialog& confirm) {
            Find<QPushButton>(confirm, "btn_Yes")->click();
        });
        before.removeAt(1);
        QStringList after;
        for (int row = 0; row < list.model()->rowCount(); ++row)
            after << RowTexts(list, row).join('|');
        EXPECT_EQ(after, before);
    });
    EXPECT_EQ(childText(deleted, "Status"), QStringLiteral("Deleted"));
    for (const QString& other : {Id(1), Id(2), Id(4), Id(6)}) {
        if (other != deleted) {
            EXPECT_EQ(childText(other, "Status"), QStringLiteral("Active")) << qPrintable(other);
        }
    }
}

TEST_F(SearchWindowTest, AddAppendsThePersonAndListsEveryoneAfresh)
{
    startWith(People());
    inSearch([&](QDialog& shown) {
        QTreeView& list = List(shown);
        ClickRow(list, 0);
        answering(shown, "btn_Add", [](QDialog& person) {
            EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Id(7));
            Find<QLineEdit>(person, "ed_name")->setText(QStringLiteral("Ieva"));
            Find<QLineEdit>(person, "ed_surname")->setText(QStringLiteral("Egle"));
            Find<QPushButton>(person, "btn_Ok")->click();
        });
        EXPECT_EQ(ColumnTexts(list, IdCol), (QStringList{Id(1), Id(2), Id(4), Id(6), Id(7)}));
        EXPECT_EQ(RowTexts(list, 4),
                  (QStringList{Id(7), "Ieva", "", "Egle", "M", "1950/1/1", ""}));
        EXPECT_EQ(SelectedRow(list), -1);
        EXPECT_FALSE(Enabled(shown, "btn_Edit"));
        EXPECT_FALSE(Enabled(shown, "btn_Delete"));
    });
    EXPECT_EQ(form->reg().personCounter(), 7);
    EXPECT_EQ(childText(Id(7), "Status"), QStringLiteral("Active"));
}

TEST_F(SearchWindowTest, AnEmptyRegisterGivesAnEmptyList)
{
    startWith(RegisterXml().bytes());
    inSearch([](QDialog& shown) {
        EXPECT_EQ(List(shown).model()->rowCount(), 0);
        EXPECT_FALSE(Enabled(shown, "btn_Edit"));
        EXPECT_FALSE(Enabled(shown, "btn_Delete"));
    });
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(SearchWindowTest, ARecordLackingAShownChildEndsTheListingWithItsError)
{
    startWith(RegisterXml()
                  .raw(PersonXml(Id(3)).xml(), 1)
                  .raw(PersonXml(Id(1)).xml(), 1)
                  .raw(PersonXml(Id(2)).without(QStringLiteral("Surname")).xml(), 1)
                  .raw(PersonXml(Id(4)).xml(), 1)
                  .bytes());
    inSearch([&](QDialog& shown) {
        // The error is reported once the window stands on the screen.
        EXPECT_TRUE(WaitUntil([&] { return !messages.errors.isEmpty(); }));
        EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Node \"Surname\" not found")});
        // The rows before the bad record stay, as they were found.
        EXPECT_EQ(ColumnTexts(List(shown), IdCol), (QStringList{Id(3), Id(1)}));
        EXPECT_FALSE(Enabled(shown, "btn_Edit"));
    });
}

class SearchExportTest : public SearchWindowTest {
protected:
    void SetUp() override
    {
        startWith(People());
        form->searchWindow().useFileChooser(chooser);
    }
    void choose(const QString& name, ExportFormat filter)
    {
        chooser.answer = ExportChoice{folder.file(name), filter};
    }
    static void exportList(QDialog& shown) { Find<QPushButton>(shown, "btn_Export")->click(); }

    ChosenFile chooser;
};

TEST_F(SearchExportTest, ExportStandsAboveTheListAtTheRightBesideTheUnchangedControls)
{
    inSearch([](QDialog& shown) {
        const QPushButton* exporting = Find<QPushButton>(shown, "btn_Export");
        const QPushButton* filter = Find<QPushButton>(shown, "btn_Filter");
        const QTreeView& list = List(shown);
        EXPECT_EQ(Shown(exporting->text()), QStringLiteral("Export..."));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QPushButton*>(exporting))
                      ->text(QAccessible::Name),
                  QStringLiteral("Export..."));
        EXPECT_TRUE(exporting->isEnabled());
        EXPECT_LE(exporting->geometry().bottom(), list.geometry().top());
        EXPECT_EQ(exporting->geometry().right(), list.geometry().right());
        EXPECT_EQ(filter->geometry().left(), list.geometry().left());
        EXPECT_EQ(filter->geometry().top(), exporting->geometry().top());
        EXPECT_EQ(Shown(filter->text()), QStringLiteral("Filter..."));

        // Every button of the window keeps a mnemonic of its own.
        QStringList keys;
        for (const QPushButton* button : shown.findChildren<QPushButton*>()) {
            const QRegularExpressionMatch key =
                QRegularExpression(QStringLiteral("&(.)")).match(button->text());
            ASSERT_TRUE(key.hasMatch()) << button->objectName().toStdString();
            keys << key.captured(1).toLower();
        }
        keys.removeDuplicates();
        EXPECT_EQ(keys.size(), shown.findChildren<QPushButton*>().size());
    });
}

TEST_F(SearchExportTest, WritesJustTheFilteredPersonsInTheListsOrder)
{
    choose(QStringLiteral("family"), ExportFormat::Csv);
    inSearch([&](QDialog& shown) {
        answering(shown, "btn_Filter", [](QDialog& filter) {
            QTest::keyClicks(Find<QLineEdit>(filter, "ed_surname"), QStringLiteral("oz"));
            Find<QPushButton>(filter, "btn_OK")->click();
        });
        QTreeView& list = List(shown);
        ClickColumnTitle(list, BirthCol);  // Peteris (1948) before Anna (1950)
        const QStringList listed = ColumnTexts(list, IdCol);
        ASSERT_EQ(listed, (QStringList{Id(2), Id(1)}));
        exportList(shown);

        choose(QStringLiteral("family.vcf"), ExportFormat::Csv);
        exportList(shown);
        EXPECT_EQ(ColumnTexts(list, IdCol), listed);  // exporting leaves the list as it was
    });
    EXPECT_EQ(chooser.suggested.size(), 2);
    EXPECT_TRUE(chooser.suggested.first().endsWith(QStringLiteral(".vcf")));
    EXPECT_EQ(messages.errors, QStringList());

    // The missing extension comes from the chosen filter.
    const QStringList records =
        QString::fromUtf8(folder.read(QStringLiteral("family.csv"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(records.size(), 4);  // header, two persons, the empty text after the last line end
    EXPECT_TRUE(records[1].startsWith(Id(2) + QStringLiteral(",opt-2,Peteris,J,Ozols,M,")));
    EXPECT_TRUE(records[2].startsWith(Id(1) + QStringLiteral(",opt-1,Anna,Marie,Ozola,F,")));

    // Anna and Peteris are related to each other and to persons left out of the export.
    const QString cards = QString::fromUtf8(folder.read(QStringLiteral("family.vcf")));
    EXPECT_EQ(cards.count(QStringLiteral("BEGIN:VCARD")), 2);
    EXPECT_LT(cards.indexOf(QStringLiteral("FN:Peteris J Ozols")),
              cards.indexOf(QStringLiteral("FN:Anna Marie Ozola")));
    EXPECT_EQ(cards.count(QStringLiteral("RELATED")), 2);
    EXPECT_FALSE(cards.contains(Id(4)) || cards.contains(Id(6)));
    EXPECT_FALSE(form->reg().modified());
}

TEST_F(SearchExportTest, RefusesTheRegistersFilesAndReportsAFailedWrite)
{
    const QByteArray data = folder.read(QString::fromLatin1(kData));
    inSearch([&](QDialog& shown) {
        choose(QStringLiteral("zok.xml"), ExportFormat::VCard);
        exportList(shown);
        choose(QStringLiteral("zok.bak"), ExportFormat::Csv);
        exportList(shown);
        ASSERT_TRUE(QFile::link(QString::fromLatin1(kData), folder.file("register.csv")));
        choose(QStringLiteral("register.csv"), ExportFormat::Csv);
        exportList(shown);
        EXPECT_EQ(messages.warnings.size(), 3);
        EXPECT_TRUE(messages.warnings.value(0).contains(QStringLiteral("\"zok.xml\"")));

        choose(QStringLiteral("missing-folder/persons.csv"), ExportFormat::Csv);
        exportList(shown);
        EXPECT_EQ(messages.errors.size(), 1);

        chooser.answer.reset();  // the user cancels the file dialog
        exportList(shown);
        EXPECT_TRUE(shown.isVisible());
    });
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), data);
    EXPECT_FALSE(folder.exists(QString::fromLatin1(kBackup)));
    EXPECT_EQ(filesInFolder(), (QStringList{"register.csv", "zok.xml"}));
}

}  // namespace
}  // namespace orvanel::testing
