#include "person_dialog_fixture.h"

#include "relations/ui/relationship_dialog.h"
#include "widgets/confirm_dialog.h"
#include "widgets/date_field.h"
#include "store/file_date.h"
#include "store/lookup.h"
#include "store/save.h"
#include "support/typing.h"
#include "support/register_records.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

TEST_F(PersonDialogTest, AControlCharacterIsRefusedNamingTheFieldAndNothingIsWritten)
{
    load(RegisterXml().person(PersonXml::Labelled(Id(1))));
    const QByteArray before = RegisterBytes(reg);
    bool stayedOpen = false;
    QString focused;
    int tab = -1;
    const int result = open(Id(1), [&](QDialog& shown) {
        Find<QLineEdit>(shown, "ed_city")->setText(QStringLiteral("Rīga\x01"));
        Ok(shown);
        stayedOpen = shown.isVisible();
        tab = Find<QTabWidget>(shown, "pgc_Persona")->currentIndex();
        focused = shown.focusWidget() ? shown.focusWidget()->objectName() : QString();
        Cancel(shown);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(tab, 1);  // Contact
    EXPECT_EQ(focused, QStringLiteral("ed_city"));
    EXPECT_EQ(messages.warnings,
              QStringList{"The field \"City\" holds a character that cannot be stored (U+0001). "
                          "Please remove it."});
    EXPECT_FALSE(reg.modified());
    EXPECT_EQ(RegisterBytes(reg), before);
}

TEST_F(PersonDialogTest, EmojiRightToLeftAndLongPastesComeBackIdenticalAfterSaving)
{
    load(RegisterXml().person(PersonXml::Labelled(Id(1))));
    const QString name = QStringLiteral("😀 שָׁלוֹם مرحبا 𝄞");
    const QString comment = QString(50000, QChar(u'ā')) + QStringLiteral("\nend\t \n");
    const int result = open(Id(1), [&](QDialog& shown) {
        Find<QLineEdit>(shown, "ed_name")->setText(name);
        Find<QPlainTextEdit>(shown, "memo_comment")->setPlainText(comment);
        Ok(shown);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    Register again;
    storeSaveAndReload(Id(1), again);
    EXPECT_EQ(StoredPerson(again, Id(1)).text(PersonField::Name), name);
    EXPECT_EQ(StoredPerson(again, Id(1)).text(PersonField::Comment), comment);
}

// Sets the default locale for one test, as a user's regional settings would.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(before_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale before_;
};

class TypedBirthDate : public PersonDialogTest {
protected:
    void SetUp() override { load(RegisterXml().person(PersonXml::Labelled(Id(1)))); }

    // Types `typed` into Date of Birth of `shown`, then OK; the text shown after leaving the field.
    static QString TypeBirthAndConfirm(QDialog& shown, const QString& typed)
    {
        auto* field = Find<DateField>(shown, "dt_Birth");
        TypeInto(field, typed);
        const QString text = field->text();
        Ok(shown);
        return text;
    }

    // The stored birth date after the opener writes the confirmed dialog into the record.
    QString storedBirth()
    {
        UpdatePerson(reg, dialog.record(), FindPerson(reg, Id(1)), clock);
        return StoredPerson(reg, Id(1)).text(PersonField::DateOfBirth);
    }
};

TEST_F(TypedBirthDate, IsStoredAsTheDateShownWithOrWithoutSeparatorsAndInAnyDigits)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("1999/1/15"), QStringLiteral("1999/1/15")},
        {QStringLiteral("2001/12/24"), QStringLiteral("2001/12/24")},
        {QStringLiteral("1977/07/04"), QStringLiteral("1977/7/4")},
        {QStringLiteral("19771231"), QStringLiteral("1977/12/31")},
        {QStringLiteral("١٩٧٧١٢٣١"), QStringLiteral("1977/12/31")},
        {QStringLiteral("٢٠٠١/١٢/٢٤"), QStringLiteral("2001/12/24")},
        // Two digits of year are in the current century, and shown so before OK.
        {QStringLiteral("26/2/3"), QStringLiteral("2026/2/3")},
    };
    for (const auto& [typed, stored] : cases) {
        QString shownText;
        const int result = open(Id(1), [&](QDialog& shown) {
            shownText = TypeBirthAndConfirm(shown, typed);
        });
        ASSERT_EQ(result, QDialog::Accepted) << typed.toStdString();
        EXPECT_EQ(shownText, stored) << typed.toStdString();
        EXPECT_EQ(storedBirth(), stored) << typed.toStdString();
    }
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(TypedBirthDate, IsStoredAsShownUnderARegionWithOtherDigits)
{
    const DefaultLocale arabic(QLocale(QLocale::Arabic, QLocale::Egypt));
    SorterList ownSorters;
    TForm_Relationship relationshipDialog(reg, ownSorters);
    TForm_MB confirmDialog;
    TForm_Family familyWindow(reg, messages, clock);
    TForm_Person underLocale(reg, messages, clock, ownSorters, relationshipDialog, confirmDialog,
                             familyWindow);
    for (const QString& typed : {QStringLiteral("19771231"), QStringLiteral("١٩٧٧١٢٣١"),
                                 QStringLiteral("1977/12/31")}) {
        underLocale.PersonID = Id(1);
        underLocale.NewPerson = false;
        ModalAnswer answer([&](QDialog& shown) { TypeBirthAndConfirm(shown, typed); });
        ASSERT_EQ(underLocale.exec(), QDialog::Accepted) << typed.toStdString();
        EXPECT_EQ(underLocale.record().text(PersonField::DateOfBirth), QStringLiteral("1977/12/31"))
            << typed.toStdString();
    }
}

TEST_F(TypedBirthDate, AnIncompleteDateIsRefusedNamingTheFieldAndNothingIsWritten)
{
    const QByteArray before = RegisterBytes(reg);
    for (const QString& typed : {QStringLiteral("1999/1"), QStringLiteral("1999/2/30"),
                                 QStringLiteral("1977123"), QString()}) {
        messages.warnings.clear();
        bool stayedOpen = false;
        int tab = -1;
        QString focused;
        const int result = open(Id(1), [&](QDialog& shown) {
            Find<QTabWidget>(shown, "pgc_Persona")->setCurrentIndex(1);
            TypeInto(Find<DateField>(shown, "dt_Birth"), typed);
            Ok(shown);
            stayedOpen = shown.isVisible();
            tab = Find<QTabWidget>(shown, "pgc_Persona")->currentIndex();
            focused = shown.focusWidget() ? shown.focusWidget()->objectName() : QString();
            Cancel(shown);
        });
        EXPECT_EQ(result, QDialog::Rejected) << typed.toStdString();
        EXPECT_TRUE(stayedOpen) << typed.toStdString();
        EXPECT_EQ(tab, 0) << typed.toStdString();
        EXPECT_EQ(focused, QStringLiteral("dt_Birth")) << typed.toStdString();
        EXPECT_EQ(messages.warnings,
                  QStringList{"The field \"Date of Birth\" does not hold a whole date. Please "
                              "type it as year/month/day, for example 1950/12/31."});
    }
    EXPECT_FALSE(reg.modified());
    EXPECT_EQ(RegisterBytes(reg), before);
}

TEST_F(TypedBirthDate, AltDownAndF4OpenTheCalendarAndAPickedDayIsStored)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QDate shown;
        QDate picked;
    } cases[] = {{Qt::Key_Down, Qt::AltModifier, QDate(1960, 5, 17), QDate(1961, 8, 9)},
                 {Qt::Key_F4, Qt::NoModifier, QDate(1961, 8, 9), QDate(1962, 3, 4)}};
    for (const auto& pick : cases) {
        QString beforePick;
        QString afterPick;
        QDate offered;
        open(Id(1), [&](QDialog& shown) {
            auto* field = Find<DateField>(shown, "dt_Birth");
            field->setFocus(Qt::TabFocusReason);
            QTest::keyClick(field, pick.key, pick.modifiers);
            beforePick = field->text();
            auto* calendar = field->findChild<QCalendarWidget*>(QStringLiteral("calendar"));
            ASSERT_NE(calendar, nullptr);
            ASSERT_TRUE(WaitUntil([&] { return calendar->isVisible(); }));
            offered = calendar->selectedDate();
            calendar->setSelectedDate(pick.picked);
            QTest::keyClick(calendar->focusWidget(), Qt::Key_Return);
            afterPick = field->text();
            Ok(shown);
        });
        // Opening the calendar changed nothing: the year stayed as it was.
        EXPECT_EQ(beforePick, FormatFileDate(pick.shown));
        EXPECT_EQ(offered, pick.shown);
        EXPECT_EQ(afterPick, FormatFileDate(pick.picked));
        EXPECT_EQ(storedBirth(), FormatFileDate(pick.picked));
    }
}

// A line edit cuts what it is given at 32,767 characters unless told otherwise: opening and
// confirming a person must keep every character of every kind of field.
TEST_F(PersonDialogTest, VeryLongStoredValuesSurviveOpeningAndOkUnchanged)
{
    const QString city = QString(40000, QChar(u'c')) + QStringLiteral("end");
    const QString optionalId = QString(40000, QChar(u'o')) + QStringLiteral("end");
    const QString street = QString(40000, QChar(u's')) + QStringLiteral("\nend");
    load(RegisterXml().person(PersonXml::Labelled(Id(1)).set(
        {{"City", city}, {"OptionalID", optionalId}, {"StreetAddress", street}})));
    const int result = open(Id(1), [](QDialog& shown) { Ok(shown); });
    ASSERT_EQ(result, QDialog::Accepted);
    Register again;
    storeSaveAndReload(Id(1), again);
    const PersonValue person = StoredPerson(again, Id(1));
    EXPECT_EQ(person.text(PersonField::City), city);
    EXPECT_EQ(person.text(PersonField::OptionalID), optionalId);
    EXPECT_EQ(person.text(PersonField::StreetAddress), street);
}

}  // namespace
}  // namespace orvanel::testing
