#include "main_window_fixture.h"

#include "widgets/date_field.h"
#include "store/lookup.h"
#include "support/register_xml.h"
#include "support/register_records.h"

#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>

namespace orvanel::testing {
namespace {

const char* const kChildren[] = {
    "OptionalID", "Name",    "MiddleName", "Surname", "Sex",    "DateOfBirth", "StreetAddress",
    "City",       "State",   "ZipCode",    "Country", "Phone1", "Phone2",      "Fax",
    "Mobile",     "EMail",   "Comment",    "Status",  "DateCreated", "DateModified"};

// The names of an element's child elements, in order, read from the serialized document.
QStringList ChildNames(const QByteArray& xml, const QString& id)
{
    const int start = xml.indexOf("<Person ID=\"" + id.toUtf8() + "\"");
    const int end = xml.indexOf("</Person>", start);
    QStringList names;
    for (int at = xml.indexOf('<', start + 1); at >= 0 && at < end; at = xml.indexOf('<', at + 1)) {
        if (xml.at(at + 1) == '/')
            continue;
        int stop = at + 1;
        while (stop < xml.size() && QChar::fromLatin1(xml.at(stop)).isLetterOrNumber())
            ++stop;
        names << QString::fromUtf8(xml.mid(at + 1, stop - at - 1));
    }
    return names;
}

TEST_F(MainWindowTest, NewPersonWithNameAndSurnameOnlyIsAppendedWithAllItsValues)
{
    writeDataFile(SmallRegister());
    start();
    Register& reg = form->reg();
    const QString expectedId = NextFreeId(reg, reg.personCounter());
    ASSERT_EQ(expectedId, Id(3));

    ModalAnswer answer([&](QDialog& dialog) {
        // The dialog opens on its defaults for a new person.
        EXPECT_EQ(Find<QLineEdit>(dialog, "ed_id")->text(), expectedId);
        EXPECT_EQ(Find<QTabWidget>(dialog, "pgc_Persona")->currentIndex(), 0);
        EXPECT_TRUE(dialog.findChildren<QRadioButton*>().first()->isChecked());
        EXPECT_EQ(Find<DateField>(dialog, "dt_Birth")->date(), QDate(1950, 1, 1));
        EXPECT_EQ(Find<QTreeView>(dialog, "lv_Relatives")->model()->rowCount(), 0);
        EXPECT_FALSE(Find<QPushButton>(dialog, "btn_EditRelationship")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(dialog, "btn_DeleteRelationship")->isEnabled());
        EXPECT_TRUE(Find<QPushButton>(dialog, "btn_NewRelationship")->isEnabled());

        QTest::keyClicks(Find<QLineEdit>(dialog, "ed_name"), QStringLiteral(" Ilze "));
        QTest::keyClicks(Find<QLineEdit>(dialog, "ed_surname"), QStringLiteral("Kalna"));
        Find<QPushButton>(dialog, "btn_Ok")->click();
    });
    Find<QPushButton>(*form, "btn_NewPerson")->click();
    ASSERT_TRUE(answer.answered());

    EXPECT_EQ(reg.personCounter(), 3);
    EXPECT_EQ(reg.relCounter(), 1);
    EXPECT_TRUE(reg.modified());
    Document saved = RegisterDocument(reg);
    const Element last = saved.rootChild(saved.rootCount() - 1);
    ASSERT_TRUE(last.hasLocalName("Person"));
    EXPECT_EQ(last.attribute("ID"), expectedId);

    QStringList expectedChildren;
    for (const char* name : kChildren)
        expectedChildren << QString::fromLatin1(name);
    expectedChildren << FieldsAddedLater();
    EXPECT_EQ(ChildNames(RegisterBytes(reg), expectedId), expectedChildren);
    EXPECT_EQ(last.child("Name").text(), QStringLiteral(" Ilze "));
    EXPECT_EQ(last.child("Surname").text(), QStringLiteral("Kalna"));
    EXPECT_EQ(last.child("MiddleName").text(), QString());
    EXPECT_EQ(last.child("Sex").text(), QStringLiteral("M"));
    EXPECT_EQ(last.child("DateOfBirth").text(), QStringLiteral("1950/1/1"));
    EXPECT_EQ(last.child("Comment").text(), QString());
    EXPECT_EQ(last.child("Status").text(), QStringLiteral("Active"));
    EXPECT_EQ(last.child("DateCreated").text(), QStringLiteral("2026/12/6"));
    EXPECT_EQ(last.child("DateModified").text(), QStringLiteral("2026/12/6"));
}

TEST_F(MainWindowTest, CancelStoresNothingAndTheNextNewPersonOffersTheSameIdentifier)
{
    writeDataFile(SmallRegister());
    start();
    Register& reg = form->reg();
    const QByteArray before = RegisterBytes(reg);

    QStringList offered;
    auto fillAndLeave = [&](bool byCloseBox) {
        return [&offered, byCloseBox](QDialog& dialog) {
            offered << Find<QLineEdit>(dialog, "ed_id")->text();
            Find<QLineEdit>(dialog, "ed_name")->setText(QStringLiteral("Ilze"));
            Find<QLineEdit>(dialog, "ed_surname")->setText(QStringLiteral("Kalna"));
            if (byCloseBox)
                dialog.close();
            else
                Find<QPushButton>(dialog, "btn_Cancel")->click();
        };
    };
    {
        ModalAnswer answer(fillAndLeave(false));
        Find<QPushButton>(*form, "btn_NewPerson")->click();
    }
    {
        ModalAnswer answer(fillAndLeave(true));
        Find<QPushButton>(*form, "btn_NewPerson")->click();
    }
    EXPECT_EQ(offered, (QStringList{Id(3), Id(3)}));
    EXPECT_EQ(RegisterBytes(reg), before);
    EXPECT_EQ(reg.personCounter(), 2);
    EXPECT_FALSE(reg.modified());

    // Nothing changed, so closing asks nothing.
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(messages.questions.isEmpty());
}

struct BlankCase {
    const char* label;
    const char* name;
    const char* surname;
    const char* focused;
};

void PrintTo(const BlankCase& blank, std::ostream* os)
{
    *os << blank.label;
}

class NameAndSurnameCheck : public MainWindowTest,
                            public ::testing::WithParamInterface<BlankCase> {};

TEST_P(NameAndSurnameCheck, KeepsTheDialogOpenOnGeneralWithTheFocusOnTheBlankField)
{
    writeDataFile(SmallRegister());
    start();
    const BlankCase blank = GetParam();
    bool stayedOpen = false;
    QString focused;
    int tabAfterWarning = -1;
    ModalAnswer answer([&](QDialog& dialog) {
        Find<QLineEdit>(dialog, "ed_name")->setText(QString::fromLatin1(blank.name));
        Find<QLineEdit>(dialog, "ed_surname")->setText(QString::fromLatin1(blank.surname));
        auto* tabs = Find<QTabWidget>(dialog, "pgc_Persona");
        tabs->setCurrentIndex(1);
        Find<QPushButton>(dialog, "btn_Ok")->click();
        stayedOpen = dialog.isVisible();
        tabAfterWarning = tabs->currentIndex();
        focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        Find<QPushButton>(dialog, "btn_Cancel")->click();
    });
    Find<QPushButton>(*form, "btn_NewPerson")->click();

    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.warnings,
              QStringList{QStringLiteral("Name and surname fields must be filled!")});
    EXPECT_EQ(tabAfterWarning, 0);
    EXPECT_EQ(focused, QLatin1String(blank.focused));
    EXPECT_EQ(form->reg().personCounter(), 2);
    EXPECT_FALSE(form->reg().modified());
}

INSTANTIATE_TEST_SUITE_P(
    BlankFields, NameAndSurnameCheck,
    ::testing::Values(BlankCase{"NameOfSpaces", "   ", "Kalna", "ed_name"},
                      BlankCase{"EmptySurname", "Ilze", "", "ed_surname"},
                      BlankCase{"BothBlank", "", "  ", "ed_name"},
                      BlankCase{"SurnameOfASpace", "Ilze", " ", "ed_surname"}),
    [](const ::testing::TestParamInfo<BlankCase>& info) { return std::string(info.param.label); });

TEST_F(MainWindowTest, NoPersonIsAddedUnderAnIdentifierTheNextStartWouldRefuse)
{
    writeDataFile(RegisterXml().bytes().replace("Prefix=\"AB\"", "Prefix=\"A-\""));
    start();
    ASSERT_FALSE(form->reg().loadFailed());
    // Should the dialog open after all, it is closed again so that the test cannot hang.
    NoModalDialog noDialog;
    Find<QPushButton>(*form, "btn_NewPerson")->click();
    EXPECT_FALSE(noDialog.dialogShown());
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.first().contains("A-0001-")) << messages.errors.first().toStdString();
    EXPECT_EQ(form->reg().personCounter(), 0);
    EXPECT_FALSE(form->reg().modified());
}

TEST_F(MainWindowTest, NewPersonInARegisterFromWindows1257IsWeighedInItsCodePageAndSaved)
{
    // Š is the byte 0xD0 in code page 1257, which gives ŠA0001 the check digit 8 (0xD0 + 1000).
    writeDataFile(AsWindows1257(
        RegisterFile(PersonXml("ŠA0001-8").xml() + PersonXml("ŠA0002-4").xml(), 2, 0, "ŠA")));
    start();
    ASSERT_FALSE(form->reg().loadFailed()) << messages.errors.join('|').toStdString();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('|').toStdString();
    ASSERT_EQ(form->reg().personCounter(), 3);
    EXPECT_TRUE(FindPerson(form->reg(), QStringLiteral("ŠA0003-0")));

    messages.answerNext(true);
    Find<QPushButton>(*form, "btn_Close")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.errors.isEmpty());
    Register reloaded;
    reloaded.folder = folder.path();
    ASSERT_TRUE(Accepted(LoadDataFile(reloaded, clock)));
    EXPECT_EQ(reloaded.personCounter(), 3);
    EXPECT_TRUE(FindPerson(reloaded, QStringLiteral("ŠA0003-0")));
}

}  // namespace
}  // namespace orvanel::testing
