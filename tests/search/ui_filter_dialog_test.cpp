#include "search/ui/search_window.h"
#include "search/ui_search_fixture.h"
#include "widgets/date_field.h"
#include "support/typing.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace orvanel::testing {
namespace {

const char* const kBoxes[] = {"cb_id", "cb_name", "cb_mname", "cb_surname", "cb_date",
                              "cb_contact"};

QCheckBox* Box(QDialog& filter, const char* name)
{
    return Find<QCheckBox>(filter, name);
}

QLineEdit* Edit(QDialog& filter, const char* name)
{
    return Find<QLineEdit>(filter, name);
}

DateField* Picker(QDialog& filter, const char* name)
{
    return Find<DateField>(filter, name);
}

QRadioButton* Sex(QDialog& filter, int item)
{
    return Find<QGroupBox>(filter, "rg_sex")->findChildren<QRadioButton*>().at(item);
}

void Ok(QDialog& filter)
{
    Find<QPushButton>(filter, "btn_OK")->click();
}

void Cancel(QDialog& filter)
{
    Find<QPushButton>(filter, "btn_Cancel")->click();
}

class FilterDialogTest : public SearchWindowTest {
protected:
    void SetUp() override { startWith(People()); }

    // Opens the filter dialog from the search window; `act` answers it.
    static void filtering(QDialog& search, const std::function<void(QDialog&)>& act)
    {
        answering(search, "btn_Filter", act);
    }

    const FilterCriteria& criteria() { return form->searchWindow().criteria(); }
};

TEST_F(FilterDialogTest, StartsWithEveryTestOffAndTheWholeRange)
{
    inSearch([](QDialog& search) {
        filtering(search, [](QDialog& filter) {
            EXPECT_EQ(filter.objectName(), QStringLiteral("Form_Filter"));
            EXPECT_EQ(filter.windowTitle(), QStringLiteral("Filter"));
            const char* captions[] = {"Person ID contains:", "Person name contains:",
                                      "Person middle name contains:",
                                      "Person surname contains:", "Person birth date is from:",
                                      "Person contact info contains:"};
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(Shown(Box(filter, kBoxes[i])->text()), QLatin1String(captions[i]));
                EXPECT_FALSE(Box(filter, kBoxes[i])->isChecked()) << kBoxes[i];
            }
            for (const char* edit : {"ed_id", "ed_name", "ed_mname", "ed_surname", "ed_contact"})
                EXPECT_TRUE(Edit(filter, edit)->text().isEmpty()) << edit;
            EXPECT_EQ(Picker(filter, "dtp_from")->date(), QDate(1850, 1, 1));
            EXPECT_EQ(Picker(filter, "dtp_to")->date(), QDate(2050, 1, 1));
            EXPECT_EQ(Shown(Find<QLabel>(filter, "lab_to")->text()), QStringLiteral("to:"));
            EXPECT_EQ(Find<QGroupBox>(filter, "rg_sex")->title(), QStringLiteral("Sex"));
            QStringList items;
            for (int i = 0; i < 3; ++i)
                items << Shown(Sex(filter, i)->text());
            EXPECT_EQ(items, (QStringList{"Any", "Males", "Females"}));
            EXPECT_TRUE(Sex(filter, 0)->isChecked());
            EXPECT_EQ(Shown(Find<QPushButton>(filter, "btn_Clear")->text()),
                      QStringLiteral("Clear all"));
            EXPECT_EQ(Shown(Find<QPushButton>(filter, "btn_OK")->text()), QStringLiteral("OK"));
            EXPECT_EQ(Shown(Find<QPushButton>(filter, "btn_Cancel")->text()),
                      QStringLiteral("Cancel"));
            EXPECT_EQ(filter.palette().color(QPalette::Window), QColor(230, 235, 240));

            // With every test off, OK lists everyone active.
            Ok(filter);
        });
        EXPECT_EQ(ColumnTexts(List(search), 0), (QStringList{Id(1), Id(2), Id(4), Id(6)}));
    });
}

TEST_F(FilterDialogTest, OkAppliesTheCriteriaAndTheNextShowingListsEveryoneAgain)
{
    inSearch([](QDialog& search) {
        filtering(search, [](QDialog& filter) {
            QTest::keyClicks(Edit(filter, "ed_surname"), QStringLiteral("OZOL"));
            EXPECT_TRUE(Box(filter, "cb_surname")->isChecked());
            Sex(filter, 2)->click();
            Ok(filter);
        });
        EXPECT_EQ(ColumnTexts(List(search), 0), QStringList{Id(1)});
        EXPECT_FALSE(Enabled(search, "btn_Edit"));

        // A contact text found only in the post code matches.
        filtering(search, [](QDialog& filter) {
            Find<QPushButton>(filter, "btn_Clear")->click();
            QTest::keyClicks(Edit(filter, "ed_contact"), QStringLiteral("lv-106"));
            Ok(filter);
        });
        EXPECT_EQ(ColumnTexts(List(search), 0), QStringList{Id(6)});
    });
    EXPECT_TRUE(criteria().ContactEnabled);
    EXPECT_EQ(criteria().ContactText, QStringLiteral("lv-106"));
    EXPECT_FALSE(criteria().SurnameEnabled);
    EXPECT_EQ(criteria().SurnameText, QStringLiteral("OZOL"));
    EXPECT_EQ(criteria().SexChoice, 0);

    inSearch([](QDialog& search) {
        EXPECT_EQ(ColumnTexts(List(search), 0).size(), 4);
        // The dialog shows the stored criteria, and OK applies them again.
        filtering(search, [](QDialog& filter) {
            EXPECT_TRUE(Box(filter, "cb_contact")->isChecked());
            EXPECT_EQ(Edit(filter, "ed_contact")->text(), QStringLiteral("lv-106"));
            EXPECT_EQ(Edit(filter, "ed_surname")->text(), QStringLiteral("OZOL"));
            EXPECT_FALSE(Box(filter, "cb_surname")->isChecked());
            Ok(filter);
        });
        EXPECT_EQ(ColumnTexts(List(search), 0), QStringList{Id(6)});

        // Add lists everyone again, without the filter, even when it adds no one.
        answering(search, "btn_Add", [](QDialog& person) {
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
        EXPECT_EQ(ColumnTexts(List(search), 0).size(), 4);
    });
}

TEST_F(FilterDialogTest, ACheckedBoxWithAnEmptyTextMatchesNobody)
{
    inSearch([](QDialog& search) {
        filtering(search, [](QDialog& filter) {
            Box(filter, "cb_name")->setChecked(true);
            Ok(filter);
        });
        EXPECT_EQ(List(search).model()->rowCount(), 0);
        EXPECT_FALSE(Enabled(search, "btn_Edit"));
    });
}

TEST_F(FilterDialogTest, EditsCheckTheirBoxesWhileTheyHoldTextAndClearAllKeepsTheTexts)
{
    inSearch([](QDialog& search) {
        filtering(search, [](QDialog& filter) {
            const struct {
                const char* edit;
                const char* box;
            } pairs[] = {{"ed_id", "cb_id"},
                         {"ed_name", "cb_name"},
                         {"ed_mname", "cb_mname"},
                         {"ed_surname", "cb_surname"},
                         {"ed_contact", "cb_contact"}};
            for (const auto& pair : pairs) {
                QLineEdit* edit = Edit(filter, pair.edit);
                QTest::keyClicks(edit, QStringLiteral("ab"));
                EXPECT_TRUE(Box(filter, pair.box)->isChecked()) << pair.edit;
                QTest::keyClick(edit, Qt::Key_Backspace);
                QTest::keyClick(edit, Qt::Key_Backspace);
                EXPECT_FALSE(Box(filter, pair.box)->isChecked()) << pair.edit;
                // Blanks are text too.
                QTest::keyClicks(edit, QStringLiteral("  "));
                EXPECT_TRUE(Box(filter, pair.box)->isChecked()) << pair.edit;
            }
            Box(filter, "cb_date")->setChecked(true);
            Sex(filter, 1)->click();
            Picker(filter, "dtp_from")->setDate(QDate(1940, 1, 1));

            Find<QPushButton>(filter, "btn_Clear")->click();
            EXPECT_TRUE(filter.isVisible());
            for (const char* box : kBoxes)
                EXPECT_FALSE(Box(filter, box)->isChecked()) << box;
            EXPECT_TRUE(Sex(filter, 0)->isChecked());
            EXPECT_EQ(Edit(filter, "ed_name")->text(), QStringLiteral("  "));
            EXPECT_EQ(Picker(filter, "dtp_from")->date(), QDate(1940, 1, 1));

            QTest::keyClicks(Edit(filter, "ed_name"), QStringLiteral("x"));
            EXPECT_TRUE(Box(filter, "cb_name")->isChecked());
            Cancel(filter);
        });
    });
}

TEST_F(FilterDialogTest, AnInvertedRangeUnchecksTheDateTestAndOkRefusesItWhenChecked)
{
    inSearch([&](QDialog& search) {
        filtering(search, [&](QDialog& filter) {
            DateField* from = Picker(filter, "dtp_from");
            DateField* to = Picker(filter, "dtp_to");
            from->setDate(QDate(1950, 3, 5));
            EXPECT_TRUE(Box(filter, "cb_date")->isChecked());
            to->setDate(QDate(1950, 3, 4));
            EXPECT_FALSE(Box(filter, "cb_date")->isChecked());

            // Accepted while the test is off: not this time, the box is checked by hand.
            Box(filter, "cb_date")->setChecked(true);
            Ok(filter);
            EXPECT_EQ(messages.warnings,
                      QStringList{QStringLiteral("\"From\" date is after \"To\" date!")});
            EXPECT_TRUE(filter.isVisible());
            EXPECT_EQ(filter.focusWidget(), from);
            Cancel(filter);
        });
        EXPECT_EQ(List(search).model()->rowCount(), 4);
    });
    EXPECT_FALSE(criteria().DateEnabled);
    EXPECT_EQ(criteria().DateFrom, QDate(1850, 1, 1));

    // The same inverted range with the test off is accepted and filters nothing by date.
    inSearch([&](QDialog& search) {
        filtering(search, [](QDialog& filter) {
            Picker(filter, "dtp_from")->setDate(QDate(1950, 3, 5));
            Picker(filter, "dtp_to")->setDate(QDate(1950, 3, 4));
            Ok(filter);
            EXPECT_FALSE(filter.isVisible());
        });
        EXPECT_EQ(List(search).model()->rowCount(), 4);
    });
    EXPECT_EQ(messages.warnings.size(), 1);
    EXPECT_EQ(criteria().DateFrom, QDate(1950, 3, 5));
    EXPECT_EQ(criteria().DateTo, QDate(1950, 3, 4));
}

TEST_F(FilterDialogTest, AOneDayRangeIsAcceptedAndIncludesThatDay)
{
    inSearch([](QDialog& search) {
        filtering(search, [](QDialog& filter) {
            Picker(filter, "dtp_to")->setDate(QDate(1950, 2, 1));
            Picker(filter, "dtp_from")->setDate(QDate(1950, 2, 1));
            EXPECT_TRUE(Box(filter, "cb_date")->isChecked());
            Ok(filter);
        });
        EXPECT_EQ(ColumnTexts(List(search), 0), QStringList{Id(1)});
    });
}

TEST_F(FilterDialogTest, CancelKeepsTheCriteriaAndTheListAndLoadingResetsTheEdits)
{
    inSearch([&](QDialog& search) {
        // Stored: the name text "ann" with its test off.
        filtering(search, [](QDialog& filter) {
            QTest::keyClicks(Edit(filter, "ed_name"), QStringLiteral("ann"));
            QTest::keyClicks(Edit(filter, "ed_mname"), QStringLiteral("mar"));
            Find<QPushButton>(filter, "btn_Clear")->click();
            Ok(filter);
        });
        EXPECT_EQ(List(search).model()->rowCount(), 4);
        ASSERT_FALSE(criteria().NameEnabled);
        ASSERT_EQ(criteria().NameText, QStringLiteral("ann"));

        // Loading a text the edit already holds leaves its box as stored.
        filtering(search, [](QDialog& filter) {
            EXPECT_FALSE(Box(filter, "cb_name")->isChecked());
            EXPECT_FALSE(Box(filter, "cb_mname")->isChecked());
            QTest::keyClicks(Edit(filter, "ed_name"), QStringLiteral("a"));
            Sex(filter, 1)->click();
            Cancel(filter);
        });
        EXPECT_EQ(criteria().NameText, QStringLiteral("ann"));
        EXPECT_EQ(criteria().SexChoice, 0);
        EXPECT_EQ(List(search).model()->rowCount(), 4);

        // The edit gets "ann" back, which is a change of its text, so its box is checked.
        filtering(search, [](QDialog& filter) {
            EXPECT_EQ(Edit(filter, "ed_name")->text(), QStringLiteral("ann"));
            EXPECT_TRUE(Box(filter, "cb_name")->isChecked());
            EXPECT_FALSE(Box(filter, "cb_mname")->isChecked());
            EXPECT_TRUE(Sex(filter, 0)->isChecked());
            // The close box is a Cancel too.
            filter.close();
        });
        EXPECT_EQ(List(search).model()->rowCount(), 4);
    });
    EXPECT_FALSE(criteria().NameEnabled);
}

TEST_F(FilterDialogTest, TypedDatesAreKeptAsShownAndTheRangeRuleFollowsThem)
{
    inSearch([&](QDialog& search) {
        filtering(search, [](QDialog& filter) {
            TypeInto(Picker(filter, "dtp_from"), QStringLiteral("1950/2/1"));
            TypeInto(Picker(filter, "dtp_to"), QStringLiteral("١٩٥٠١٠٠١"));
            EXPECT_EQ(Picker(filter, "dtp_from")->text(), QStringLiteral("1950/2/1"));
            EXPECT_EQ(Picker(filter, "dtp_to")->text(), QStringLiteral("1950/10/1"));
            EXPECT_TRUE(Box(filter, "cb_date")->isChecked());
            Ok(filter);
        });
        // Anna, born 1950/2/1, and Zane, born 1950/10/1: both end days belong to the range.
        EXPECT_EQ(ColumnTexts(List(search), 0), (QStringList{Id(1), Id(4)}));
    });
    EXPECT_EQ(criteria().DateFrom, QDate(1950, 2, 1));
    EXPECT_EQ(criteria().DateTo, QDate(1950, 10, 1));
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(FilterDialogTest, AnIncompleteDateIsRefusedNamingTheFieldWhetherOrNotTheTestIsOn)
{
    inSearch([&](QDialog& search) {
        filtering(search, [&](QDialog& filter) {
            TypeInto(Picker(filter, "dtp_to"), QStringLiteral("2001/12"));
            EXPECT_FALSE(Box(filter, "cb_date")->isChecked());
            Ok(filter);
            EXPECT_TRUE(filter.isVisible());
            EXPECT_EQ(filter.focusWidget(), Picker(filter, "dtp_to"));
            EXPECT_EQ(messages.warnings,
                      QStringList{"The field \"To\" does not hold a whole date. Please type it "
                                  "as year/month/day, for example 1950/12/31."});
            Cancel(filter);
        });
    });
    EXPECT_EQ(criteria().DateTo, QDate(2050, 1, 1));
}

// A pasted text longer than a line edit's default limit is kept whole, and shown whole again.
TEST_F(FilterDialogTest, AVeryLongTextIsKeptWhole)
{
    const QString contact = QString(40000, QChar(u'x')) + QStringLiteral("end");
    inSearch([&](QDialog& search) {
        filtering(search, [&](QDialog& filter) {
            Edit(filter, "ed_contact")->setText(contact);
            Ok(filter);
        });
        filtering(search, [&](QDialog& filter) {
            EXPECT_EQ(Edit(filter, "ed_contact")->text(), contact);
            Cancel(filter);
        });
    });
    EXPECT_EQ(criteria().ContactText, contact);
}

}  // namespace
}  // namespace orvanel::testing
