#include "persons/person_record.h"

#include "store/errors.h"
#include "store/lookup.h"
#include "support/loaded_register.h"
#include "support/register_records.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::RegisterBytes;
using testing::RegisterDocument;

using testing::Id;
using testing::LoadedRegister;
using testing::RegisterXml;

const QDate kToday(2026, 12, 6);

// The element names of the last Person in the serialized document, in order.
QStringList LastPersonChildren(Register& reg)
{
    const QString xml = QString::fromUtf8(RegisterBytes(reg));
    const qsizetype start = xml.lastIndexOf(QStringLiteral("<Person"));
    const qsizetype end = xml.indexOf(QStringLiteral("</Person>"), start);
    const QString person = xml.mid(start, end - start);
    QStringList names;
    static const QRegularExpression tag(QStringLiteral("<(\\w+)\\s*/?>"));
    for (const QRegularExpressionMatch& m : tag.globalMatch(person))
        names << m.captured(1);
    return names;
}

// The text of the record's child `name`, as the register holds it.
QString ChildText(const LoadedRegister& r, PersonRef person, const char* name)
{
    return r.reg.readPerson(person).text(*FieldOfElement(name));
}

// Writes one child of the record through the register, as an edit of the file would leave it.
void SetChildText(LoadedRegister& r, PersonRef person, const char* name, const QString& text)
{
    PersonValue value;
    value.set(*FieldOfElement(name), text);
    r.reg.updatePerson(person, value);
}

using F = PersonField;

PersonValue FullRecord(const QString& id)
{
    PersonValue r = NewPersonDefaults(id);
    r.set(F::OptionalID, QStringLiteral("X-17"));
    r.set(F::Name, QStringLiteral("  Jānis "));
    r.set(F::MiddleName, QStringLiteral("Ω"));
    r.set(F::Surname, QStringLiteral(" Bērziņš"));
    r.set(F::Sex, QStringLiteral("F"));
    r.set(F::DateOfBirth, QStringLiteral("1977/3/9"));
    r.set(F::StreetAddress, QStringLiteral("Brīvības iela 1\n\n  dz. 4  "));
    r.set(F::City, QStringLiteral("Rīga"));
    r.set(F::State, QStringLiteral("Vidzeme"));
    r.set(F::ZipCode, QStringLiteral("LV-1010"));
    r.set(F::Country, QStringLiteral("Latvia"));
    r.set(F::Phone1, QStringLiteral("+371 1"));
    r.set(F::Phone2, QStringLiteral("+371 2"));
    r.set(F::Fax, QStringLiteral("+371 3"));
    r.set(F::Mobile, QStringLiteral("+371 4"));
    r.set(F::EMail, QStringLiteral("j@example.org"));
    r.set(F::Comment, QStringLiteral("first <line> & \"quoted\"\nsecond line 😀\n"));
    return r;
}

// Every field the dialog writes, compared one by one so that a failure names the field.
void ExpectSameRecord(const PersonValue& a, const PersonValue& b)
{
    EXPECT_EQ(a.id, b.id);
    for (const PersonFieldInfo& info : kPersonFields) {
        if (!info.edited)
            continue;
        EXPECT_EQ(a.has(info.field), b.has(info.field)) << info.element;
        EXPECT_EQ(a.text(info.field), b.text(info.field)) << info.element;
    }
}

// Appends and fills a new person the way the "New Person" action does.
PersonRef AddPerson(LoadedRegister& r, const PersonValue& record)
{
    return WriteNewPerson(r.reg, record, r.clock);
}

TEST(NewPersonDefaults, AreEmptyMaleBornOnNewYear1950)
{
    const PersonValue d = NewPersonDefaults(QStringLiteral("AB0005-1"));
    EXPECT_EQ(d.id, QStringLiteral("AB0005-1"));
    EXPECT_EQ(SexChoiceOf(d.text(F::Sex)), 0);
    EXPECT_EQ(BirthDateOf(d, FixedClock(kToday)), QDate(1950, 1, 1));
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.edited && info.field != F::Sex && info.field != F::DateOfBirth) {
            EXPECT_TRUE(d.has(info.field)) << info.element;
            EXPECT_TRUE(d.text(info.field).isEmpty()) << info.element;
        }
    }
}

TEST(WriteNewPerson, WritesAllTwentyChildrenInOrderWithOnlyNameAndSurname)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    PersonValue record = NewPersonDefaults(Id(2));
    record.set(F::Name, QStringLiteral("Peter"));
    record.set(F::Surname, QStringLiteral("Smith"));
    const PersonRef person = AddPerson(r, record);

    EXPECT_EQ(person, PersonRef(r.reg.persons().size() - 1));
    EXPECT_EQ(r.reg.findPerson(Id(2)), person);
    EXPECT_EQ(r.reg.readPerson(person).id, Id(2));
    // The twenty in the file's order, then any field added after them.
    EXPECT_EQ(LastPersonChildren(r.reg).mid(0, 20),
              QStringList({"OptionalID", "Name", "MiddleName", "Surname", "Sex", "DateOfBirth",
                           "StreetAddress", "City", "State", "ZipCode", "Country", "Phone1",
                           "Phone2", "Fax", "Mobile", "EMail", "Comment", "Status",
                           "DateCreated", "DateModified"}));
    EXPECT_EQ(LastPersonChildren(r.reg), testing::PersonChildren());
    EXPECT_EQ(ChildText(r, person, "Name"), QStringLiteral("Peter"));
    EXPECT_EQ(ChildText(r, person, "Surname"), QStringLiteral("Smith"));
    EXPECT_EQ(ChildText(r, person, "City"), QString());
    EXPECT_EQ(ChildText(r, person, "Sex"), QStringLiteral("M"));
    EXPECT_EQ(ChildText(r, person, "DateOfBirth"), QStringLiteral("1950/1/1"));
    EXPECT_EQ(ChildText(r, person, "Status"), QStringLiteral("Active"));
    EXPECT_EQ(ChildText(r, person, "DateCreated"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(ChildText(r, person, "DateModified"), QStringLiteral("2026/12/6"));

    // The counts written on saving must let the file load again.
    r.saveAndReload();
    EXPECT_EQ(r.reg.personCounter(), 2);
}

TEST(WriteNewPerson, StoresSexAsMOrFAndNoTextWhenNoneChosen)
{
    LoadedRegister r(RegisterXml{});
    PersonValue record = NewPersonDefaults(Id(1));
    record.set(F::Sex, *SexTextOf(0));
    EXPECT_EQ(ChildText(r, AddPerson(r, record), "Sex"), QStringLiteral("M"));
    record.set(F::Sex, *SexTextOf(1));
    EXPECT_EQ(ChildText(r, AddPerson(r, record), "Sex"), QStringLiteral("F"));
    EXPECT_EQ(SexTextOf(-1), std::nullopt);
    EXPECT_EQ(SexTextOf(2), std::nullopt);
    record.remove(F::Sex);
    const PersonRef none = AddPerson(r, record);
    EXPECT_EQ(ChildText(r, none, "Sex"), QString());
    EXPECT_EQ(LastPersonChildren(r.reg).size(), kPersonFieldCount);
}

TEST(WriteNewPerson, WritesDatesWithoutLeadingZeros)
{
    LoadedRegister r(RegisterXml{}, QDate(2009, 7, 4));
    PersonValue record = NewPersonDefaults(Id(1));
    record.set(F::DateOfBirth, StoredBirthDate(QDate(2026, 12, 6)));
    const PersonRef person = AddPerson(r, record);
    EXPECT_EQ(ChildText(r, person, "DateOfBirth"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(ChildText(r, person, "DateCreated"), QStringLiteral("2009/7/4"));
    EXPECT_EQ(ChildText(r, person, "DateModified"), QStringLiteral("2009/7/4"));
}

TEST(ReadPerson, TakesOnlyACapitalFAsFemale)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    PersonRef person = FindPerson(r.reg, Id(1));
    const std::pair<const char*, int> cases[] = {
        {"F", 1}, {"M", 0}, {"f", 0}, {"", 0}, {" F", 0}, {"F ", 0}, {"Female", 0}};
    for (const auto& [stored, expected] : cases) {
        SetChildText(r, person, "Sex", QString::fromLatin1(stored));
        PersonValue out;
        ReadPerson(r.reg, person, Id(1), r.clock, out);
        EXPECT_EQ(SexChoiceOf(out.text(F::Sex)), expected) << "Sex text '" << stored << "'";
    }
}

TEST(ReadPerson, ReadsDatesWithLeadingZerosAsTheSameDay)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    PersonRef person = FindPerson(r.reg, Id(1));
    SetChildText(r, person, "DateOfBirth", QStringLiteral("1950/01/01"));
    PersonValue out;
    ReadPerson(r.reg, person, Id(1), r.clock, out);
    EXPECT_EQ(BirthDateOf(out, r.clock), QDate(1950, 1, 1));
}

TEST(BirthDateOf, GivesNoDateForAnAbsentOrUnreadableText)
{
    const FixedClock clock(kToday);
    PersonValue value;
    EXPECT_FALSE(BirthDateOf(value, clock).isValid());
    value.set(F::DateOfBirth, QStringLiteral("1950-01-01"));
    EXPECT_FALSE(BirthDateOf(value, clock).isValid());
    value.set(F::DateOfBirth, QStringLiteral("9/1/2"));  // a short year is of this century
    EXPECT_EQ(BirthDateOf(value, clock), QDate(2009, 1, 2));
    EXPECT_EQ(StoredBirthDate(QDate(2009, 1, 2)), QStringLiteral("2009/1/2"));
}

TEST(ReadPerson, StopsAtAnUnreadableBirthDateKeepingWhatWasReadBefore)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    PersonRef person = FindPerson(r.reg, Id(1));
    SetChildText(r, person, "DateOfBirth", QStringLiteral("1950-01-01"));
    SetChildText(r, person, "City", QStringLiteral("Rīga"));
    PersonValue out;
    out.set(F::City, QStringLiteral("left over"));
    try {
        ReadPerson(r.reg, person, Id(1), r.clock, out);
        ADD_FAILURE() << "an unreadable date was accepted";
    } catch (const InvalidDate& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'1950-01-01' is not a valid date"));
    }
    EXPECT_EQ(out.text(F::Surname), QStringLiteral("Ozola"));
    EXPECT_FALSE(out.has(F::DateOfBirth));
    EXPECT_EQ(out.text(F::City), QStringLiteral("left over"));
}

TEST(ReadPerson, StopsAtAMissingChildKeepingWhatWasReadBefore)
{
    // A hand-edited record without MiddleName.
    LoadedRegister r(RegisterXml().raw(" <Person ID=\"" + Id(1).toUtf8() +
                                           "\"><OptionalID>o</OptionalID><Name>Anna</Name>"
                                           "<Surname>Ozola</Surname><Status>Active</Status>"
                                           "</Person>\n",
                                       1));
    PersonValue out;
    out.set(F::Surname, QStringLiteral("left over"));
    try {
        ReadPerson(r.reg, FindPerson(r.reg, Id(1)), Id(1), r.clock, out);
        ADD_FAILURE() << "a missing child went unnoticed";
    } catch (const NodeNotFound& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Node \"MiddleName\" not found"));
    }
    EXPECT_EQ(out.id, Id(1));
    EXPECT_EQ(out.text(F::Name), QStringLiteral("Anna"));
    EXPECT_EQ(out.text(F::Surname), QStringLiteral("left over"));
}

TEST(PersonRecord, ReportsAPersonThatIsNotThereInsteadOfTouchingIt)
{
    LoadedRegister r(RegisterXml{});
    const PersonRef none = FindPerson(r.reg, Id(1));
    PersonValue record = NewPersonDefaults(Id(1));
    EXPECT_THROW(ReadPerson(r.reg, none, Id(1), r.clock, record), NodeNotFound);
    EXPECT_THROW(UpdatePerson(r.reg, record, none, r.clock), NodeNotFound);
}

TEST(UpdatePerson, RewritesValuesAndKeepsIdStatusAndCreationDate)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola", "Deleted"));
    PersonRef person = FindPerson(r.reg, Id(1));
    PersonValue record;
    ReadPerson(r.reg, person, Id(1), r.clock, record);
    record.id = QStringLiteral("something else");
    UpdatePerson(r.reg, record, person, r.clock);
    EXPECT_EQ(r.reg.readPerson(person).id, Id(1));
    EXPECT_EQ(ChildText(r, person, "Status"), QStringLiteral("Deleted"));
    EXPECT_EQ(ChildText(r, person, "DateCreated"), QStringLiteral("2020/1/1"));
    EXPECT_EQ(ChildText(r, person, "DateModified"), QStringLiteral("2026/12/6"));
    EXPECT_EQ(ChildText(r, person, "DateOfBirth"), QStringLiteral("1960/5/17"));
}

TEST(UpdatePerson, LeavesSexUnchangedWhenNoneChosen)
{
    LoadedRegister r(RegisterXml().person(Id(1), "Anna", "", "Ozola"));
    PersonRef person = FindPerson(r.reg, Id(1));
    r.reg.updatePerson(person, testing::ValueOf(QString(), {{"Sex", QStringLiteral("F")}}));
    PersonValue record;
    ReadPerson(r.reg, person, Id(1), r.clock, record);
    record.remove(F::Sex);
    UpdatePerson(r.reg, record, person, r.clock);
    EXPECT_EQ(ChildText(r, person, "Sex"), QStringLiteral("F"));
    record.set(F::Sex, *SexTextOf(0));
    UpdatePerson(r.reg, record, person, r.clock);
    EXPECT_EQ(ChildText(r, person, "Sex"), QStringLiteral("M"));
}

TEST(PersonRecordRoundTrip, KeepsEveryValueExactlyThroughSaveAndReload)
{
    // Spaces around names, markup characters, characters outside any 8-bit code page.
    LoadedRegister r(RegisterXml{});
    const PersonValue written = FullRecord(Id(1));
    AddPerson(r, written);
    r.saveAndReload();
    PersonValue read;
    ReadPerson(r.reg, FindPerson(r.reg, Id(1)), Id(1), r.clock, read);
    PersonValue expected = written;
    expected.set(F::Comment, QStringLiteral("first <line> & \"quoted\"\nsecond line 😀"));  // final LF
    ExpectSameRecord(read, expected);
}

TEST(PersonRecordRoundTrip, KeepsA40000CharacterCommentWhole)
{
    LoadedRegister r(RegisterXml{});
    PersonValue record = NewPersonDefaults(Id(1));
    record.set(F::Name, QStringLiteral("Anna"));
    record.set(F::Surname, QStringLiteral("Ozola"));
    QString comment = QStringLiteral("First line\n");
    for (int i = 0; comment.size() < 40000; ++i)
        comment += QStringLiteral("word%1 ").arg(i) + (i % 100 == 99 ? QStringLiteral("\n") : "");
    comment += QStringLiteral("THE END");
    record.set(F::Comment, comment);
    AddPerson(r, record);
    r.saveAndReload();
    PersonValue read;
    ReadPerson(r.reg, FindPerson(r.reg, Id(1)), Id(1), r.clock, read);
    EXPECT_EQ(read.text(F::Comment).size(), comment.size());
    EXPECT_TRUE(read.text(F::Comment).endsWith(QStringLiteral("THE END")));
    EXPECT_EQ(read.text(F::Comment), comment);
}

TEST(PersonRecordRoundTrip, MultiLineValuesStayTheSameOverSaveCycles)
{
    LoadedRegister r(RegisterXml{});
    const PersonValue written = FullRecord(Id(1));
    AddPerson(r, written);
    r.saveAndReload();
    QByteArray previousFile;
    PersonValue previous;
    for (int cycle = 0; cycle <= 3; ++cycle) {
        PersonRef person = FindPerson(r.reg, Id(1));
        PersonValue read;
        ReadPerson(r.reg, person, Id(1), r.clock, read);
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
    EXPECT_EQ(previous.text(F::StreetAddress), written.text(F::StreetAddress));
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

    PersonRef element = FindPerson(r.reg, Id(1));
    PersonValue read;
    ReadPerson(r.reg, element, Id(1), r.clock, read);
    EXPECT_EQ(read.text(F::Comment), QStringLiteral("one\ntwo\n\nfour"));
    EXPECT_EQ(read.text(F::StreetAddress), QStringLiteral("Street 1\nFlat 2"));

    UpdatePerson(r.reg, read, element, r.clock);
    r.saveAndReload();
    EXPECT_FALSE(r.fileBytes().contains("&#13;"));
    PersonValue again;
    ReadPerson(r.reg, FindPerson(r.reg, Id(1)), Id(1), r.clock, again);
    EXPECT_EQ(again.text(F::Comment), read.text(F::Comment));
    EXPECT_EQ(again.text(F::StreetAddress), read.text(F::StreetAddress));
}

TEST(WriteNewPerson, StoresCrLfLineBreaksAsLf)
{
    LoadedRegister r(RegisterXml{});
    PersonValue record = NewPersonDefaults(Id(1));
    record.set(F::StreetAddress, QStringLiteral("a\r\nb"));
    record.set(F::Comment, QStringLiteral("c\r\nd\r\n"));
    const PersonRef person = AddPerson(r, record);
    EXPECT_EQ(ChildText(r, person, "StreetAddress"), QStringLiteral("a\nb"));
    EXPECT_EQ(ChildText(r, person, "Comment"), QStringLiteral("c\nd\n"));
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
