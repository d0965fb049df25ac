// A session on the sample register as a user works through it: three people added with
// relationships among them, one edited, another deleted, the register saved, and the program
// started again on the saved file.

#include "main_window_fixture.h"
#include "relations/ui_relatives_helpers.h"
#include "store/person_id.h"
#include "support/register_xml.h"
#include "support/register_records.h"

#include <QFile>
#include <QTreeView>

namespace orvanel::testing {
namespace {

QString Or(int n)
{
    return FormatId(QStringLiteral("OR"), n);
}

QByteArray SampleRegister()
{
    QFile file(QStringLiteral(ORVANEL_SAMPLE_REGISTER));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The bytes of one record of a data file: from its start tag to the end of its line or block.
QByteArray Record(const QByteArray& file, const QByteArray& startTag)
{
    const qsizetype start = file.indexOf(startTag);
    if (start < 0)
        return {};
    const QByteArray end = startTag.startsWith(" <Person") ? QByteArray("</Person>\n") : "\n";
    return file.mid(start, file.indexOf(end, start) + end.size() - start);
}

class SampleRegisterScenario : public MainWindowTest {
protected:
    void fillPerson(QDialog& person, const char* name, const char* surname)
    {
        Find<QLineEdit>(person, "ed_name")->setText(QString::fromUtf8(name));
        Find<QLineEdit>(person, "ed_surname")->setText(QString::fromUtf8(surname));
    }

    void newPerson(const std::function<void(QDialog&)>& act)
    {
        ModalAnswer person(act);
        Find<QPushButton>(*form, "btn_NewPerson")->click();
        EXPECT_TRUE(person.answered());
    }

    void inSearch(const std::function<void(QDialog&)>& act)
    {
        ModalAnswer search([&](QDialog& shown) {
            act(shown);
            Find<QPushButton>(shown, "btn_Close")->click();
        });
        Find<QPushButton>(*form, "btn_Find")->click();
        EXPECT_TRUE(search.answered());
    }

    static void selectPerson(QDialog& search, const QString& id)
    {
        QTreeView& list = *Find<QTreeView>(search, "lv_All");
        ClickRow(list, RowOf(list, id));
    }

    static void answering(QDialog& window, const char* button,
                          const std::function<void(QDialog&)>& act)
    {
        ModalAnswer answer(act);
        Find<QPushButton>(window, button)->click();
        EXPECT_TRUE(answer.answered()) << button;
    }

    static QStringList Rows(QDialog& person)
    {
        QStringList rows;
        QTreeView& list = RelativesList(person);
        for (int row = 0; row < list.model()->rowCount(); ++row)
            rows << RowTexts(list, row).mid(0, 3).join(QLatin1Char(' '));
        return rows;
    }

    // The root's children after the first `skip`, as "Person ID" or "Rel ID1 ID2 Dir Inv".
    QStringList rootChildrenAfter(int skip)
    {
        QStringList out;
        Document doc = RegisterDocument(form->reg());
        for (int i = skip; i < doc.rootCount(); ++i) {
            const Element node = doc.rootChild(i);
            if (node.hasLocalName("Person"))
                out << QStringLiteral("Person ") + *node.attribute("ID");
            else
                out << QStringLiteral("Rel ")
                           + QStringList{*node.attribute("ID1"), *node.attribute("ID2"),
                                         *node.attribute("Dir"), *node.attribute("Inv")}
                                 .join(QLatin1Char(' '));
        }
        return out;
    }
};

TEST_F(SampleRegisterScenario, AddEditDeleteSaveAndStartAgain)
{
    const QByteArray sample = SampleRegister();
    ASSERT_FALSE(sample.isEmpty());
    writeDataFile(sample);
    start();
    Register& reg = form->reg();
    ASSERT_TRUE(messages.errors.isEmpty());
    ASSERT_EQ(reg.personCounter(), 18);
    ASSERT_EQ(reg.relCounter(), 13);
    const int sampleChildren = RegisterDocument(reg).rootCount();

    // Three people, related to the register and to each other.
    newPerson([&](QDialog& person) {
        EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Or(19));
        fillPerson(person, "Laura", "Egle");
        AddRelative(person, QStringLiteral("child"), Or(17));
        Find<QPushButton>(person, "btn_Ok")->click();
    });
    newPerson([&](QDialog& person) {
        EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Or(20));
        fillPerson(person, "Markuss", "Egle");
        AddRelative(person, QStringLiteral("sibling"), Or(19));
        AddRelative(person, QStringLiteral("child"), Or(18));
        Find<QPushButton>(person, "btn_Ok")->click();
    });
    inSearch([&](QDialog& search) {
        answering(search, "btn_Add", [&](QDialog& person) {
            EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Or(21));
            fillPerson(person, "Nora", "Egle");
            AddRelative(person, QStringLiteral("twin"), Or(20));
            Find<QPushButton>(person, "btn_Ok")->click();
        });
        EXPECT_GE(RowOf(*Find<QTreeView>(search, "lv_All"), Or(21)), 0);
    });
    EXPECT_EQ(reg.personCounter(), 21);
    EXPECT_EQ(reg.relCounter(), 17);

    // Markuss renamed and no longer recorded as Ēriks's child; Pēteris deleted.
    inSearch([&](QDialog& search) {
        selectPerson(search, Or(20));
        answering(search, "btn_Edit", [&](QDialog& person) {
            EXPECT_EQ(Rows(person), (QStringList{"sibling " + Or(19) + " Laura",
                                                 QString::fromUtf8("child ") + Or(18)
                                                     + QString::fromUtf8(" Ēriks"),
                                                 "twin " + Or(21) + " Nora"}));
            Find<QLineEdit>(person, "ed_surname")->setText(QString::fromUtf8("Eglītis"));
            ClickRow(RelativesList(person), 1);
            DeleteRelative(person, true);
            Find<QPushButton>(person, "btn_Ok")->click();
        });
        selectPerson(search, Or(10));
        answering(search, "btn_Delete", [](QDialog& confirm) {
            Find<QPushButton>(confirm, "btn_Yes")->click();
        });
        EXPECT_EQ(RowOf(*Find<QTreeView>(search, "lv_All"), Or(10)), -1);
    });
    EXPECT_EQ(reg.relCounter(), 14);
    // The sample's last two records, then what was added; Pēteris's two relationships are gone.
    EXPECT_EQ(rootChildrenAfter(sampleChildren - 4),
              (QStringList{"Person " + Or(18),
                           "Rel " + Or(18) + " " + Or(17) + " child parent",
                           "Rel " + Or(19) + " " + Or(17) + " child parent",
                           "Person " + Or(19),
                           "Person " + Or(20),
                           "Person " + Or(21),
                           "Rel " + Or(20) + " " + Or(19) + " sibling sibling",
                           "Rel " + Or(20) + " " + Or(21) + " twin twin"}));

    messages.answerNext(true);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(messages.errors.isEmpty());

    // The backup is the sample as it was; the saved file keeps every untouched record as it
    // stood, byte for byte.
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), sample);
    const QByteArray saved = folder.read(QString::fromLatin1(kData));
    EXPECT_TRUE(saved.contains(
        "<Register Prefix=\"OR\" DateModified=\"2026/12/6\" PersonCount=\"21\" RelCount=\"14\">"));
    for (int n = 1; n <= 18; ++n) {
        const QByteArray tag = " <Person ID=\"" + Or(n).toUtf8() + "\">";
        const QByteArray before = Record(sample, tag);
        ASSERT_FALSE(before.isEmpty()) << n;
        if (n == 10) {
            QByteArray deleted = before;
            deleted.replace("<Status>Active</Status>", "<Status>Deleted</Status>");
            deleted.replace(Record(before, "  <DateModified>"),
                            "  <DateModified>2026/12/6</DateModified>\n");
            deleted.replace(" </Person>", EmptyChildrenAddedLater() + " </Person>");
            EXPECT_EQ(Record(saved, tag), deleted);
        } else {
            EXPECT_EQ(Record(saved, tag), before) << n;
        }
    }
    for (qsizetype at = sample.indexOf(" <Rel "); at >= 0; at = sample.indexOf(" <Rel ", at + 1)) {
        const QByteArray rel = sample.mid(at, sample.indexOf('\n', at) + 1 - at);
        EXPECT_EQ(saved.contains(rel), !rel.contains(Or(10).toUtf8())) << rel.toStdString();
    }

    // Started again on the saved file, the register reads as it was left.
    form.reset();
    start();
    ASSERT_TRUE(messages.errors.isEmpty());
    EXPECT_FALSE(form->reg().modified());
    EXPECT_EQ(form->reg().personCounter(), 21);
    EXPECT_EQ(form->reg().relCounter(), 14);
    inSearch([&](QDialog& search) {
        EXPECT_EQ(RowOf(*Find<QTreeView>(search, "lv_All"), Or(10)), -1);
        selectPerson(search, Or(19));
        answering(search, "btn_Edit", [&](QDialog& person) {
            EXPECT_EQ(Rows(person), (QStringList{"child " + Or(17) + QString::fromUtf8(" Ieva"),
                                                 "sibling " + Or(20) + " Markuss"}));
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
        selectPerson(search, Or(20));
        answering(search, "btn_Edit", [&](QDialog& person) {
            EXPECT_EQ(Find<QLineEdit>(person, "ed_surname")->text(), QString::fromUtf8("Eglītis"));
            EXPECT_EQ(Rows(person), (QStringList{"sibling " + Or(19) + " Laura",
                                                 "twin " + Or(21) + " Nora"}));
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
    });
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.questions.size(), 1);
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), saved);
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), sample);
}

}  // namespace
}  // namespace orvanel::testing
