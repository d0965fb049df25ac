#include "person_dialog_fixture.h"

#include "widgets/date_field.h"
#include "store/lookup.h"
#include "support/register_records.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

namespace orvanel::testing {
namespace {

QString Memo(QDialog& shown, const char* name)
{
    return Find<QPlainTextEdit>(shown, name)->toPlainText();
}

bool Female(QDialog& shown)
{
    return shown.findChildren<QRadioButton*>().at(1)->isChecked();
}

TEST_F(PersonDialogTest, OpensAStoredPersonWithEveryValue)
{
    load(RegisterXml().person(PersonXml::Labelled(Id(1)).set({{"Sex", "F"},
                                                          {"DateOfBirth", "1961/02/03"},
                                                          {"StreetAddress", "Line 1\nLine 2\n"},
                                                          {"Comment", "a\n\nb"}})));
    const QByteArray before = RegisterBytes(reg);
    const int result = open(Id(1), [](QDialog& shown) {
        EXPECT_EQ(Text(shown, "ed_id"), Id(1));
        EXPECT_EQ(Text(shown, "ed_optional_id"), QStringLiteral("OptionalID"));
        EXPECT_EQ(Text(shown, "ed_name"), QStringLiteral("Name"));
        EXPECT_EQ(Text(shown, "ed_mname"), QStringLiteral("MiddleName"));
        EXPECT_EQ(Text(shown, "ed_surname"), QStringLiteral("Surname"));
        EXPECT_TRUE(Female(shown));
        EXPECT_EQ(Find<DateField>(shown, "dt_Birth")->date(), QDate(1961, 2, 3));
        EXPECT_EQ(Memo(shown, "mem_streetaddress"), QStringLiteral("Line 1\nLine 2"));
        EXPECT_EQ(Text(shown, "ed_city"), QStringLiteral("City"));
        EXPECT_EQ(Text(shown, "ed_state"), QStringLiteral("State"));
        EXPECT_EQ(Text(shown, "ed_zipcode"), QStringLiteral("ZipCode"));
        EXPECT_EQ(Text(shown, "ed_country"), QStringLiteral("Country"));
        EXPECT_EQ(Text(shown, "ed_phone1"), QStringLiteral("Phone1"));
        EXPECT_EQ(Text(shown, "ed_phone2"), QStringLiteral("Phone2"));
        EXPECT_EQ(Text(shown, "ed_fax"), QStringLiteral("Fax"));
        EXPECT_EQ(Text(shown, "ed_mobile"), QStringLiteral("Mobile"));
        EXPECT_EQ(Text(shown, "ed_email"), QStringLiteral("EMail"));
        EXPECT_EQ(Memo(shown, "memo_comment"), QStringLiteral("a\n\nb"));
        EXPECT_EQ(Find<QTabWidget>(shown, "pgc_Persona")->currentIndex(), 0);
        Find<QLineEdit>(shown, "ed_name")->setText(QStringLiteral("Changed"));
        Cancel(shown);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(RegisterBytes(reg), before);
    EXPECT_FALSE(reg.modified());
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(PersonDialogTest, OkSetsModifiedAndLeavesTheRecordToTheOpener)
{
    load(RegisterXml()
             .person(PersonXml::Labelled(Id(1)))
             .person(PersonXml::Labelled(Id(2)))
             .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent")));
    const QByteArray before = RegisterBytes(reg);
    const int result = open(Id(1), [](QDialog& shown) {
        Find<QLineEdit>(shown, "ed_name")->setText(QStringLiteral(" Edited "));
        shown.findChildren<QRadioButton*>().at(1)->setChecked(true);
        Ok(shown);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(reg.modified());
    // Without a change to the rows no relationship record is touched, and the fields are
    // written by the opener, not by the dialog.
    EXPECT_EQ(RegisterBytes(reg), before);
    EXPECT_EQ(reg.relCounter(), 1);

    const PersonValue record = dialog.record();
    EXPECT_EQ(record.id, Id(1));
    EXPECT_EQ(record.text(PersonField::Name), QStringLiteral(" Edited "));
    EXPECT_EQ(record.text(PersonField::Sex), QStringLiteral("F"));
    EXPECT_EQ(record.text(PersonField::DateOfBirth), QStringLiteral("1960/5/17"));
    EXPECT_EQ(record.text(PersonField::City), QStringLiteral("City"));
    UpdatePerson(reg, record, FindPerson(reg, Id(1)), clock);
    EXPECT_EQ(StoredPerson(reg, Id(1)).text(PersonField::Name), QStringLiteral(" Edited "));
    EXPECT_EQ(StoredPerson(reg, Id(1)).text(PersonField::Sex), QStringLiteral("F"));
}

TEST_F(PersonDialogTest, NewPersonAfterAStoredOneShowsOnlyTheDefaults)
{
    load(RegisterXml()
             .person(PersonXml::Labelled(Id(1)).set("Sex", "F"))
             .person(PersonXml::Labelled(Id(2)))
             .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent")));
    open(Id(1), [](QDialog& shown) {
        auto* list = Find<QTreeView>(shown, "lv_Relatives");
        list->setCurrentIndex(list->model()->index(0, 0));
        Find<QTabWidget>(shown, "pgc_Persona")->setCurrentIndex(2);
        Cancel(shown);
    });
    openNew(Id(3), [](QDialog& shown) {
        EXPECT_EQ(Text(shown, "ed_id"), Id(3));
        for (const char* edit : {"ed_optional_id", "ed_name", "ed_mname", "ed_surname", "ed_city",
                                 "ed_state", "ed_zipcode", "ed_country", "ed_phone1", "ed_phone2",
                                 "ed_fax", "ed_mobile", "ed_email"})
            EXPECT_EQ(Text(shown, edit), QString()) << edit;
        EXPECT_EQ(Memo(shown, "mem_streetaddress"), QString());
        EXPECT_EQ(Memo(shown, "memo_comment"), QString());
        EXPECT_FALSE(Female(shown));
        EXPECT_EQ(Find<DateField>(shown, "dt_Birth")->date(), QDate(1950, 1, 1));
        EXPECT_EQ(Find<QTreeView>(shown, "lv_Relatives")->model()->rowCount(), 0);
        EXPECT_FALSE(Find<QPushButton>(shown, "btn_EditRelationship")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(shown, "btn_DeleteRelationship")->isEnabled());
        EXPECT_EQ(Find<QTabWidget>(shown, "pgc_Persona")->currentIndex(), 0);
        Cancel(shown);
    });
}

// A record the dialog cannot read opens with the error reported and offers only Cancel: its
// controls hold what could be read of this person and nothing of the person shown before.
class UnreadablePerson : public PersonDialogTest {
protected:
    void SetUp() override
    {
        load(RegisterXml()
                 .person(PersonXml::Labelled(Id(1)).set("City", "Riga").set("Comment", "earlier"))
                 .person(PersonXml::Labelled(Id(2)).set("Name", "Broken").without("City"))
                 .person(PersonXml::Labelled(Id(3)).set("Name", "Undated").set("DateOfBirth",
                                                                               "1950/13/1"))
                 .rel(Id(2), Id(1), QStringLiteral("child"), QStringLiteral("parent")));
        open(Id(1), [](QDialog& shown) {
            ASSERT_EQ(Text(shown, "ed_city"), QStringLiteral("Riga"));
            auto* list = Find<QTreeView>(shown, "lv_Relatives");
            list->setCurrentIndex(list->model()->index(0, 0));
            Cancel(shown);
        });
        before = RegisterBytes(reg);
    }

    // Checks the state the dialog offers, tries OK, and leaves with the close box.
    static void ExpectOnlyCancel(QDialog& shown)
    {
        EXPECT_FALSE(Find<QPushButton>(shown, "btn_Ok")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>(shown, "btn_Cancel")->isEnabled());
        EXPECT_TRUE(Find<QLineEdit>(shown, "ed_name")->isReadOnly());
        EXPECT_TRUE(Find<QLineEdit>(shown, "ed_email")->isReadOnly());
        EXPECT_TRUE(Find<QPlainTextEdit>(shown, "memo_comment")->isReadOnly());
        EXPECT_TRUE(Find<DateField>(shown, "dt_Birth")->isReadOnly());
        EXPECT_FALSE(Find<QWidget>(shown, "rg_sex")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(shown, "btn_NewRelationship")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(shown, "btn_EditRelationship")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(shown, "btn_DeleteRelationship")->isEnabled());
        EXPECT_EQ(Find<QTreeView>(shown, "lv_Relatives")->model()->rowCount(), 0);
        EXPECT_EQ(Memo(shown, "memo_comment"), QString());
        Find<QPushButton>(shown, "btn_Ok")->click();
        EXPECT_TRUE(shown.isVisible());
        shown.close();
    }

    QByteArray before;
};

TEST_F(UnreadablePerson, MissingChildIsReportedAndNothingCanBeWritten)
{
    const int result = open(Id(2), [](QDialog& shown) {
        EXPECT_EQ(Text(shown, "ed_name"), QStringLiteral("Broken"));
        EXPECT_EQ(Find<DateField>(shown, "dt_Birth")->date(), QDate(1960, 5, 17));
        EXPECT_EQ(Text(shown, "ed_city"), QString());
        EXPECT_EQ(Text(shown, "ed_country"), QString());
        ExpectOnlyCancel(shown);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Node \"City\" not found")});
    EXPECT_TRUE(dialog.readFailed());
    EXPECT_EQ(RegisterBytes(reg), before);
    EXPECT_FALSE(reg.modified());
}

TEST_F(UnreadablePerson, UnreadableBirthDateIsReportedAndNothingCanBeWritten)
{
    open(Id(3), [](QDialog& shown) {
        EXPECT_EQ(Text(shown, "ed_name"), QStringLiteral("Undated"));
        EXPECT_EQ(Memo(shown, "mem_streetaddress"), QString());
        EXPECT_EQ(Text(shown, "ed_city"), QString());
        ExpectOnlyCancel(shown);
    });
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("'1950/13/1' is not a valid date")});
    EXPECT_EQ(RegisterBytes(reg), before);
}

TEST_F(UnreadablePerson, UnknownIdentifierIsReportedAndNothingCanBeWritten)
{
    open(Id(9), [](QDialog& shown) {
        EXPECT_EQ(Text(shown, "ed_id"), Id(9));
        EXPECT_EQ(Text(shown, "ed_name"), QString());
        ExpectOnlyCancel(shown);
    });
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.first().contains(Id(9)));
    EXPECT_EQ(RegisterBytes(reg), before);
}

TEST_F(UnreadablePerson, NextOpeningOfAReadablePersonCanBeEditedAgain)
{
    open(Id(2), [](QDialog& shown) { shown.close(); });
    const int result = open(Id(1), [](QDialog& shown) {
        EXPECT_TRUE(Find<QPushButton>(shown, "btn_Ok")->isEnabled());
        EXPECT_FALSE(Find<QLineEdit>(shown, "ed_name")->isReadOnly());
        EXPECT_TRUE(Find<QWidget>(shown, "rg_sex")->isEnabled());
        EXPECT_EQ(Find<QTreeView>(shown, "lv_Relatives")->model()->rowCount(), 1);
        Ok(shown);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(dialog.readFailed());
}

// A stored date of the first century, which date pickers often cannot show, is shown as it is
// stored and kept unless the user enters another one.
TEST_F(PersonDialogTest, BirthDateTheControlCannotShowIsNotReplacedSilently)
{
    load(RegisterXml().person(PersonXml::Labelled(Id(1)).set("DateOfBirth", "0050/3/4")));
    open(Id(1), [](QDialog& shown) {
        EXPECT_EQ(Find<DateField>(shown, "dt_Birth")->text(), QStringLiteral("0050/3/4"));
        Ok(shown);
    });
    EXPECT_EQ(dialog.record().text(PersonField::DateOfBirth), QStringLiteral("0050/3/4"));
    UpdatePerson(reg, dialog.record(), FindPerson(reg, Id(1)), clock);
    EXPECT_EQ(StoredPerson(reg, Id(1)).text(PersonField::DateOfBirth), QStringLiteral("0050/3/4"));

    open(Id(1), [](QDialog& shown) {
        Find<DateField>(shown, "dt_Birth")->setDate(QDate(1990, 1, 2));
        EXPECT_EQ(Find<DateField>(shown, "dt_Birth")->text(), QStringLiteral("1990/1/2"));
        Ok(shown);
    });
    EXPECT_EQ(dialog.record().text(PersonField::DateOfBirth), QStringLiteral("1990/1/2"));
}

TEST_F(PersonDialogTest, BirthDatesOfEveryCenturyTheControlHoldsRoundTrip)
{
    load(RegisterXml()
             .person(PersonXml::Labelled(Id(1)).set("DateOfBirth", "1000/1/1"))
             .person(PersonXml::Labelled(Id(2)).set("DateOfBirth", "9999/12/31")));
    const std::pair<QString, QDate> cases[] = {{Id(1), QDate(1000, 1, 1)},
                                               {Id(2), QDate(9999, 12, 31)}};
    for (const auto& stored : cases) {
        open(stored.first, [&stored](QDialog& shown) {
            EXPECT_EQ(Find<DateField>(shown, "dt_Birth")->date(), stored.second);
            Ok(shown);
        });
        EXPECT_EQ(BirthDateOf(dialog.record(), clock), stored.second);
    }
}

}  // namespace
}  // namespace orvanel::testing
