#include "persons/person_record.h"

#include "store/errors.h"
#include "store/lookup.h"
#include "support/loaded_register.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::Id;
using testing::LoadedRegister;
using testing::RegisterXml;

const QDate kToday(2026, 12, 6);

// The element names of the last Person in the serialized document, in order.
QStringList LastPersonChildren(Register& reg)
{
    const QString xml = QString::fromUtf8(reg.doc.serialize());
    const qsizetype start = xml.lastIndexOf(QStringLiteral("<Person"));
    const qsizetype end = xml.indexOf(QStringLiteral("</Person>"), start);
    const QString person = xml.mid(start, end - start);
    QStringList names;
    static const QRegularExpression tag(QStringLiteral("<(\\w+)\\s*/?>"));
    for (const QRegularExpressionMatch& m : tag.globalMatch(person))
        names << m.captured(1);
    return names;
}

QString ChildText(Element person, const char* name)
{
    return person.child(name).text();
}

PersonRecord FullRecord(const QString& id)
{
    PersonRecord r;
    r.id = id;
    r.optionalId = QStringLiteral("X-17");
    r.name = QStringLiteral("  Jānis ");
    r.middleName = QStringLiteral("Ω");
    r.surname = QStringLiteral(" Bērziņš");
    r.sexIndex = 1;
    r.birth = QDate(1977, 3, 9);
    r.streetAddress = QStringLiteral("Brīvības iela 1\n\n  dz. 4  ");
    r.city = QStringLiteral("Rīga");
    r.state = QStringLiteral("Vidzeme");
    r.zipCode = QStringLiteral("LV-1010");
    r.country = QStringLiteral("Latvia");
    r.phone1 = QStringLiteral("+371 1");
    r.phone2 = QStringLiteral("+371 2");
    r.fax = QStringLiteral("+371 3");
    r.mobile = QStringLiteral("+371 4");
    r.email = QStringLiteral("j@example.org");
    r.comment = QStringLiteral("first <line> & \"quoted\"\nsecond line 😀\n");
    return r;
}

void ExpectSameRecord(const PersonRecord& a, const PersonRecord& b)
{
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.optionalId, b.optionalId);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.middleName, b.middleName);
    EXPECT_EQ(a.surname, b.surname);
    EXPECT_EQ(a.sexIndex, b.sexIndex);
    EXPECT_EQ(a.birth, b.birth);
    EXPECT_EQ(a.streetAddress, b.streetAddress);
    EXPECT_EQ(a.city, b.city);
    EXPECT_EQ(a.state, b.state);
    EXPECT_EQ(a.zipCode, b.zipCode);
    EXPECT_EQ(a.country, b.country);
    EXPECT_EQ(a.phone1, b.phone1);
    EXPECT_EQ(a.phone2, b.phone2);
    EXPECT_EQ(a.fax, b.fax);
    EXPECT_EQ(a.mobile, b.mobile);
    EXPECT_EQ(a.email, b.email);
    EXPECT_EQ(a.comment, b.comment);
}

// Appends and fills a new person the way the "New Person" action does.
Element AddPerson(LoadedRegister& r, const PersonRecord& record)
{
    return WriteNewPerson(r.reg, record, r.clock);
}

TEST(NewPersonDefaults, AreEmptyMaleBornOnNewYear1950)
{
    const PersonRecord d = NewPersonDefaults(QStringLiteral("AB0005-1"), FixedClock(kToday));
    EXPECT_EQ(d.id, QStringLiteral("AB0005-1"));
    EXPECT_EQ(d.sexIndex, 0);
    EXPECT_EQ(d.birth, QDate(1950, 1, 1));
    for (const QString& text : {d.optionalId, d.name, d.middleName, d.surname, d.streetAddress,
                                d.city, d.state, d.zipCode, d.country, d.phone1, d.phone2, d.fax,
                                d.mobile, d.email, d.comment})
        EXPECT_TRUE(text.isEmpty());
}

TEST(WriteNewPerson, WritesAllTwentyChildrenInOrderWithOnlyNameAndSurname)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    PersonRecord record = NewPersonDefaults(Id(2), r.clock);
    record.name = QStringLiteral("Peter");
    record.surname = QStringLiteral("Smith");
    const Element person = AddPerson(r, record);

    EXPECT_EQ(r.reg.doc.rootChild(r.reg.doc.rootCount() - 1), person);
    EXPECT_EQ(person.attribute("ID"), std::optional<QString>(Id(2)));
    EXPECT_EQ(LastPersonChildren(r.reg),
              QStringList({"OptionalID", "Name", "MiddleName", "Surname", "Sex", "DateOfBirth",
                           "StreetAddress", "City", "State", "ZipCode", "Country", "Phone1",
                           "Phone2", "Fax", "Mobile", "EMail", "Comment", "Status",
                           "DateCreated", "DateModified"}));
    EXPECT_EQ(ChildText(person, "Name"), QStringLiteral("Peter"));
    EXPECT_EQ(ChildText(person, "Surname"), QStringLiteral("Smith"));
    EXPECT_EQ(ChildText(person, "City"), QString());
    EXPECT_EQ(ChildText(person, "Sex"), QStringLiteral("M"));
    EXPECT_EQ(ChildText(person, "DateOfBirth"), QStringLiteral("1950/1/1"));
    EXPECT_EQ(ChildText(person, "Status"), QStringLiteral("Active"));
    EXPECT_EQ(ChildText(person, "DateCreated"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(ChildText(person, "DateModified"), QStringLiteral("2026/12/6"));

    // The counts written on saving must let the file load again.
    r.saveAndReload();
    EXPECT_EQ(r.reg.personCounter(), 2);
}

TEST(WriteNewPerson, StoresSexAsMOrFAndNoTextWhenNoneChosen)
{
    LoadedRegister r(RegisterXml{});
    PersonRecord record = NewPersonDefaults(Id(1), r.clock);
    record.sexIndex = 0;
    EXPECT_EQ(ChildText(AddPerson(r, record), "Sex"), QStringLiteral("M"));
    record.sexIndex = 1;
    EXPECT_EQ(ChildText(AddPerson(r, record), "Sex"), QStringLiteral("F"));
    record.sexIndex = -1;
    const Element none = AddPerson(r, record);
    EXPECT_EQ(ChildText(none, "Sex"), QString());
    EXPECT_EQ(LastPersonChildren(r.reg).size(), 20);
}

TEST(WriteNewPerson, WritesDatesWithoutLeadingZeros)
{
    LoadedRegister r(RegisterXml{}, QDate(2009, 7, 4));
    PersonRecord record = NewPersonDefaults(Id(1), r.clock);
    record.birth = QDate(2026, 12, 6);
    const Element person = AddPerson(r, record);
    EXPECT_EQ(ChildText(person, "DateOfBirth"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(ChildText(person, "DateCreated"), QStringLiteral("2009/7/4"));
    EXPECT_EQ(ChildText(person, "DateModified"), QStringLiteral("2009/7/4"));
}

TEST(ReadPerson, TakesOnlyACapitalFAsFemale)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    Element person = FindPerson(r.reg, Id(1));
    const std::pair<const char*, int> cases[] = {
        {"F", 1}, {"M", 0}, {"f", 0}, {"", 0}, {" F", 0}, {"F ", 0}, {"Female", 0}};
    for (const auto& [stored, expected] : cases) {
        person.child("Sex").setText(QString::fromLatin1(stored));
        PersonRecord out;
        ReadPerson(person, Id(1), r.clock, out);
        EXPECT_EQ(out.sexIndex, expected) << "Sex text '" << stored << "'";
    }
}

TEST(ReadPerson, ReadsDatesWithLeadingZerosAsTheSameDay)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    Element person = FindPerson(r.reg, Id(1));
    person.child("DateOfBirth").setText(QStringLiteral("1950/01/01"));
    PersonRecord out;
    ReadPerson(person, Id(1), r.clock, out);
    EXPECT_EQ(out.birth, QDate(1950, 1, 1));
}

TEST(ReadPerson, StopsAtAnUnreadableBirthDateKeepingWhatWasReadBefore)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    Element person = FindPerson(r.reg, Id(1));
    person.child("DateOfBirth").setText(QStringLiteral("1950-01-01"));
    person.child("City").setText(QStringLiteral("Rīga"));
    PersonRecord out;
    out.city = QStringLiteral("left over");
    try {
        ReadPerson(person, Id(1), r.clock, out);
        ADD_FAILURE() << "an unreadable date was accepted";
    } catch (const InvalidDate& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'1950-01-01' is not a valid date"));
    }
    EXPECT_EQ(out.surname, QStringLiteral("Ozola"));
    EXPECT_EQ(out.city, QStringLiteral("left over"));
}

TEST(ReadPerson, StopsAtAMissingChildKeepingWhatWasReadBefore)
{
    // A hand-edited record without MiddleName.
    LoadedRegister r(RegisterXml().raw(" <Person ID=\"" + Id(1).toUtf8() +
                                           "\"><OptionalID>o</OptionalID><Name>Anna</Name>"
                                           "<Surname>Ozola</Surname><Status>Active</Status>"
                                           "</Person>\n",
                                       1));
    PersonRecord out;
    out.surname = QStringLiteral("left over");
    try {
        ReadPerson(FindPerson(r.reg, Id(1)), Id(1), r.clock, out);
        ADD_FAILURE() << "a missing child went unnoticed";
    } catch (const NodeNotFound& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Node \"MiddleName\" not found"));
    }
    EXPECT_EQ(out.id, Id(1));
    EXPECT_EQ(out.name, QStringLiteral("Anna"));
    EXPECT_EQ(out.surname, QStringLiteral("left over"));
}

TEST(PersonRecord, ReportsAPersonThatIsNotThereInsteadOfTouchingIt)
{
    LoadedRegister r(RegisterXml{});
    const Element none = FindPerson(r.reg, Id(1));
    PersonRecord record = NewPersonDefaults(Id(1), r.clock);
    EXPECT_THROW(ReadPerson(none, Id(1), r.clock, record), NodeNotFound);
    EXPECT_THROW(UpdatePerson(r.reg, record, none, r.clock), NodeNotFound);
}

TEST(UpdatePerson, RewritesValuesAndKeepsIdStatusAndCreationDate)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola", "Deleted"));
    Element person = FindPerson(r.reg, Id(1));
    PersonRecord record;
    ReadPerson(person, Id(1), r.clock, record);
    record.id = QStringLiteral("something else");
    UpdatePerson(r.reg, record, person, r.clock);
    EXPECT_EQ(person.attribute("ID"), std::optional<QString>(Id(1)));
    EXPECT_EQ(ChildText(person, "Status"), QStringLiteral("Deleted"));
    EXPECT_EQ(ChildText(person, "DateCreated"), QStringLiteral("2020/1/1"));
    EXPECT_EQ(ChildText(person, "DateModified"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(ChildText(person, "DateOfBirth"), QStringLiteral("1960/5/17"));
}

TEST(UpdatePerson, LeavesSexUnchangedWhenNoneChosen)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    Element person = FindPerson(r.reg, Id(1));
    r.reg.updatePerson(person, {{"Sex", QStringLiteral("F")}});
    PersonRecord record;
    ReadPerson(person, Id(1), r.clock, record);
    record.sexIndex = -1;
    UpdatePerson(r.reg, record, person, r.clock);
    EXPECT_EQ(ChildText(person, "Sex"), QStringLiteral("F"));
    record.sexIndex = 0;
    UpdatePerson(r.reg, record, person, r.clock);
    EXPECT_EQ(ChildText(person, "Sex"), QStringLiteral("M"));
}

TEST(PersonRecordRoundTrip, KeepsEveryValueExactlyThroughSaveAndReload)
{
    // Spaces around names, markup characters, characters outside any 8-bit code page.
    LoadedRegister r(RegisterXml{});
    const PersonRecord written = FullRecord(Id(1));
    AddPerson(r, written);
    r.saveAndReload();
    PersonRecord read;
    ReadPerson(FindPerson(r.reg, Id(1)), Id(1), r.clock, read);
    PersonRecord expected = written;
    expected.comment = QStringLiteral("first <line> & \"quoted\"\nsecond line 😀");  // final LF
    ExpectSameRecord(read, expected);
}

TEST(PersonRecordRoundTrip, KeepsA40000CharacterCommentWhole)
{
    LoadedRegister r(RegisterXml{});
    PersonRecord record = NewPersonDefaults(Id(1), r.clock);
    record.name = QStringLiteral("Anna");
    record.surname = QStringLiteral("Ozola");
    QString comment = QStringLiteral("First line\n");
    for (int i = 0; comment.size() < 40000; ++i)
        comment += QStringLiteral("word%1 ").arg(i) + (i % 100 == 99 ? QStringLiteral("\n") : "");
    comment += QStringLiteral("THE END");
    record.comment = comment;
    AddPerson(r, record);
    r.saveAndReload();
    PersonRecord read;
    ReadPerson(FindPerson(r.reg, Id(1)), Id(1), r.clock, read);
    EXPECT_EQ(read.comment.size(), comment.size());
    EXPECT_TRUE(read.comment.endsWith(QStringLiteral("THE END")));
    EXPECT_EQ(read.comment, comment);
}

TEST(PersonRecordRoundTrip, MultiLineValuesStayTheSameOverSaveCycles)
{
    LoadedRegister r(RegisterXml{});
    const PersonRecord written = FullRecord(Id(1));
    AddPerson(r, written);
    r.saveAndReload();
    QByteArray previousFile;
    PersonRecord previous;
    for (int cycle = 0; cycle <= 3; ++cycle) {
        Element person = FindPerson(r.reg, Id(1));
        PersonRecord read;
        ReadPerson(person, Id(1), r.clock, read);
        if (cycle > 0) {
            ExpectSameRecord(read, previous);
        }
        UpdatePerson(r.reg, read, person, r.clock);
        r.saveAndReload();
        const QByteArray file = r.fileBytes();
        EXPECT_FALSE(file.contains("&#13;"));
        if (cycle > 0) {
            EXPECT_EQ(file, previousFile) << "cycle " << cycle;
        }
        previous = read;
        previousFile = file;
    }
    EXPECT_EQ(previous.streetAddress, written.streetAddress);
}

TEST(PersonRecordRoundTrip, OldCrLfLineBreaksComeBackCleanAndAreStoredAsLf)
{
    // A file written with CR LF line breaks inside the values.
    QByteArray person = RegisterXml().person(Id(1), "Anna", "", "Ozola").bytes();
    person.replace("<Comment></Comment>", "<Comment>one&#13;\ntwo&#13;\n&#13;\nfour</Comment>");
    person.replace("<StreetAddress></StreetAddress>",
                   "<StreetAddress>Street 1&#13;\nFlat 2&#13;\n</StreetAddress>");
    const qsizetype start = person.indexOf(" <Person");
    const qsizetype end = person.indexOf("</Register>");
    LoadedRegister r(RegisterXml().raw(person.mid(start, end - start), 1));

    Element element = FindPerson(r.reg, Id(1));
    PersonRecord read;
    ReadPerson(element, Id(1), r.clock, read);
    EXPECT_EQ(read.comment, QStringLiteral("one\ntwo\n\nfour"));
    EXPECT_EQ(read.streetAddress, QStringLiteral("Street 1\nFlat 2"));

    UpdatePerson(r.reg, read, element, r.clock);
    r.saveAndReload();
    EXPECT_FALSE(r.fileBytes().contains("&#13;"));
    PersonRecord again;
    ReadPerson(FindPerson(r.reg, Id(1)), Id(1), r.clock, again);
    EXPECT_EQ(again.comment, read.comment);
    EXPECT_EQ(again.streetAddress, read.streetAddress);
}

TEST(WriteNewPerson, StoresCrLfLineBreaksAsLf)
{
    LoadedRegister r(RegisterXml{});
    PersonRecord record = NewPersonDefaults(Id(1), r.clock);
    record.streetAddress = QStringLiteral("a\r\nb");
    record.comment = QStringLiteral("c\r\nd\r\n");
    const Element person = AddPerson(r, record);
    EXPECT_EQ(ChildText(person, "StreetAddress"), QStringLiteral("a\nb"));
    EXPECT_EQ(ChildText(person, "Comment"), QStringLiteral("c\nd\n"));
}

TEST(FillMemo, SplitsAtLineFeeds)
{
    EXPECT_EQ(FillMemo(QString()), QStringList());
    EXPECT_EQ(FillMemo(QStringLiteral("one line")), QStringList({"one line"}));
    EXPECT_EQ(FillMemo(QStringLiteral("a\nb\n")), QStringList({"a", "b"}));
    EXPECT_EQ(FillMemo(QStringLiteral("a\n\nb")), QStringList({"a", "", "b"}));
    EXPECT_EQ(FillMemo(QStringLiteral("\n")), QStringList({""}));
    EXPECT_EQ(FillMemo(QStringLiteral("a\n\n")), QStringList({"a", ""}));
    EXPECT_EQ(FillMemo(QStringLiteral("  a  \n b")), QStringList({"  a  ", " b"}));
}

TEST(FillMemo, DropsOnlyTheCrOfACrLfPair)
{
    EXPECT_EQ(FillMemo(QStringLiteral("a\r\nb\r\n")), QStringList({"a", "b"}));
    EXPECT_EQ(FillMemo(QStringLiteral("a\r\n\r\nb")), QStringList({"a", "", "b"}));
    EXPECT_EQ(FillMemo(QStringLiteral("a\rb")), QStringList({"a\rb"}));
    EXPECT_EQ(FillMemo(QStringLiteral("a\r\r\nb\r")), QStringList({"a\r", "b\r"}));
}

TEST(FillMemo, KeepsEveryCharacterOfLongTexts)
{
    const QString first(50000, QLatin1Char('x'));
    const QString rest = QString(39990, QLatin1Char('y')) + QStringLiteral("\nlast line");
    const QStringList lines = FillMemo(first + QLatin1Char('\n') + rest);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], QString(39990, QLatin1Char('y')));
    EXPECT_EQ(lines[2], QStringLiteral("last line"));
}

}  // namespace
}  // namespace orvanel
