#include "persons/person_record.h"

#include "store/errors.h"
#include "store/file_date.h"

#include <optional>

namespace orvanel {

namespace {

// A memo's lines come back joined by LF: that is what the record holds between lines.
QString MemoText(const QString& stored)
{
    return FillMemo(stored).join(QLatin1Char('\n'));
}

// Line breaks are stored as LF alone. The XML writer escapes a CR in text as a character
// reference that the next load keeps, so a stored CR LF would survive every save and a memo that
// adds its own line breaks on top would grow with each cycle.
QString StoredMultiLine(const QString& text)
{
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return stored;
}

// A person looked up by an ID that no record carries arrives as a null element: report it as
// the missing record it is rather than touching it.
void RequirePerson(const Element& person)
{
    if (!person)
        throw NodeNotFound(QStringLiteral("Person"));
}

// Index 0 is "Male", 1 "Female"; anything else means no item was chosen.
const char* SexText(int sexIndex)
{
    switch (sexIndex) {
    case 0:
        return "M";
    case 1:
        return "F";
    default:
        return nullptr;
    }
}

// Calls visit(element name, text) for every value the dialog edits, in the order a record
// stores them. The text of Sex is absent when no item was chosen.
template <class Visit>
void ForEachEditedValue(const PersonRecord& record, Visit visit)
{
    visit("OptionalID", record.optionalId);
    visit("Name", record.name);
    visit("MiddleName", record.middleName);
    visit("Surname", record.surname);
    const char* sex = SexText(record.sexIndex);
    visit("Sex", sex ? std::optional<QString>(QString::fromLatin1(sex)) : std::nullopt);
    visit("DateOfBirth", formatFileDate(record.birth));
    visit("StreetAddress", StoredMultiLine(record.streetAddress));
    visit("City", record.city);
    visit("State", record.state);
    visit("ZipCode", record.zipCode);
    visit("Country", record.country);
    visit("Phone1", record.phone1);
    visit("Phone2", record.phone2);
    visit("Fax", record.fax);
    visit("Mobile", record.mobile);
    visit("EMail", record.email);
    visit("Comment", StoredMultiLine(record.comment));
}

}  // namespace

PersonRecord NewPersonDefaults(const QString& personId, const Clock& clock)
{
    PersonRecord record;
    record.id = personId;
    record.sexIndex = 0;
    record.birth = parseFileDate(QStringLiteral("1950/1/1"), clock.today());
    return record;
}

void ReadPerson(Element person, const QString& personId, const Clock& clock, PersonRecord& out)
{
    RequirePerson(person);
    // Value by value, so that a record missing a child keeps what was read before it.
    out.id = personId;
    out.optionalId = person.child("OptionalID").text();
    out.name = person.child("Name").text();
    out.middleName = person.child("MiddleName").text();
    out.surname = person.child("Surname").text();
    // Only a capital "F" alone means female; any other text, the empty one too, reads as male.
    out.sexIndex = person.child("Sex").text() == QLatin1String("F") ? 1 : 0;
    out.birth = parseFileDate(person.child("DateOfBirth").text(), clock.today());
    out.streetAddress = MemoText(person.child("StreetAddress").text());
    out.city = person.child("City").text();
    out.state = person.child("State").text();
    out.zipCode = person.child("ZipCode").text();
    out.country = person.child("Country").text();
    out.phone1 = person.child("Phone1").text();
    out.phone2 = person.child("Phone2").text();
    out.fax = person.child("Fax").text();
    out.mobile = person.child("Mobile").text();
    out.email = person.child("EMail").text();
    out.comment = MemoText(person.child("Comment").text());
}

Element WriteNewPerson(Register& reg, const PersonRecord& record, const Clock& clock)
{
    // Every child is written, each even without text, in the order readers expect.
    std::vector<PersonValue> values;
    values.reserve(20);
    ForEachEditedValue(record, [&](const char* name, const std::optional<QString>& text) {
        values.push_back({name, text});
    });
    values.push_back({"Status", QStringLiteral("Active")});
    values.push_back({"DateCreated", formatFileDate(clock.today())});
    values.push_back({"DateModified", formatFileDate(clock.today())});
    return reg.addPerson(record.id, values);
}

void UpdatePerson(Register& reg, const PersonRecord& record, Element person, const Clock& clock)
{
    RequirePerson(person);
    // ID, Status and DateCreated belong to the record's history and are never rewritten here.
    // With no sex chosen the stored one stays.
    std::vector<PersonValue> values;
    values.reserve(18);
    ForEachEditedValue(record, [&](const char* name, const std::optional<QString>& text) {
        values.push_back({name, text});
    });
    values.push_back({"DateModified", formatFileDate(clock.today())});
    reg.updatePerson(person, values);
}

QStringList FillMemo(const QString& stored)
{
    QStringList lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype lf = stored.indexOf(QLatin1Char('\n'), start);
        if (lf < 0)
            break;
        // Files written with CR LF still hold the CR: it belongs to the break, not the line.
        qsizetype end = lf;
        if (end > start && stored.at(end - 1) == QLatin1Char('\r'))
            --end;
        lines << stored.mid(start, end - start);
        start = lf + 1;
    }
    // Text after the last LF is a line of its own; a text ending in LF has no empty last line.
    if (start < stored.size())
        lines << stored.mid(start);
    return lines;
}

}  // namespace orvanel
