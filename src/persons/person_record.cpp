#include "persons/person_record.h"

#include "store/errors.h"
#include "store/file_date.h"
#include "store/record_names.h"

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
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
}

// Index 0 is "Male", 1 "Female"; anything else means no item was chosen.
const char* SexText(int sexIndex)
{
    switch (sexIndex) {
    case 0:
        return kMaleSex;
    case 1:
        return kFemaleSex;
    default:
        return nullptr;
    }
}

// Calls visit(element name, text) for every value the dialog edits, in the order a record
// stores them. The text of Sex is absent when no item was chosen.
template <class Visit>
void ForEachEditedValue(const PersonRecord& record, Visit visit)
{
    visit(kOptionalIdChild, record.optionalId);
    visit(kNameChild, record.name);
    visit(kMiddleNameChild, record.middleName);
    visit(kSurnameChild, record.surname);
    std::optional<QString> sex;
    if (const char* chosen = SexText(record.sexIndex))
        sex = QString::fromLatin1(chosen);
    visit(kSexChild, sex);
    visit(kDateOfBirthChild, FormatFileDate(record.birth));
    visit(kStreetAddressChild, StoredMultiLine(record.streetAddress));
    visit(kCityChild, record.city);
    visit(kStateChild, record.state);
    visit(kZipCodeChild, record.zipCode);
    visit(kCountryChild, record.country);
    visit(kPhone1Child, record.phone1);
    visit(kPhone2Child, record.phone2);
    visit(kFaxChild, record.fax);
    visit(kMobileChild, record.mobile);
    visit(kEMailChild, record.email);
    visit(kCommentChild, StoredMultiLine(record.comment));
}

}  // namespace

PersonRecord NewPersonDefaults(const QString& personId, const Clock& clock)
{
    PersonRecord record;
    record.id = personId;
    record.sexIndex = 0;
    record.birth = ParseFileDate(QStringLiteral("1950/1/1"), clock.today());
    return record;
}

void ReadPerson(Element person, const QString& personId, const Clock& clock, PersonRecord& out)
{
    RequirePerson(person);
    // Value by value, so that a record missing a child keeps what was read before it.
    out.id = personId;
    out.optionalId = person.child(kOptionalIdChild).text();
    out.name = person.child(kNameChild).text();
    out.middleName = person.child(kMiddleNameChild).text();
    out.surname = person.child(kSurnameChild).text();
    // Only a capital "F" alone means female; any other text, the empty one too, reads as male.
    out.sexIndex = person.child(kSexChild).text() == QLatin1String(kFemaleSex) ? 1 : 0;
    out.birth = ParseFileDate(person.child(kDateOfBirthChild).text(), clock.today());
    out.streetAddress = MemoText(person.child(kStreetAddressChild).text());
    out.city = person.child(kCityChild).text();
    out.state = person.child(kStateChild).text();
    out.zipCode = person.child(kZipCodeChild).text();
    out.country = person.child(kCountryChild).text();
    out.phone1 = person.child(kPhone1Child).text();
    out.phone2 = person.child(kPhone2Child).text();
    out.fax = person.child(kFaxChild).text();
    out.mobile = person.child(kMobileChild).text();
    out.email = person.child(kEMailChild).text();
    out.comment = MemoText(person.child(kCommentChild).text());
}

Element WriteNewPerson(Register& reg, const PersonRecord& record, const Clock& clock)
{
    // Every child is written, each even without text, in the order readers expect.
    std::vector<ChildValue> values;
    values.reserve(20);
    ForEachEditedValue(record, [&](const char* name, const std::optional<QString>& text) {
        values.push_back({name, text});
    });
    values.push_back({kStatusChild, QString::fromLatin1(kActiveStatus)});
    values.push_back({kDateCreatedChild, FormatFileDate(clock.today())});
    values.push_back({kDateModifiedChild, FormatFileDate(clock.today())});
    return reg.addPerson(record.id, values);
}

void UpdatePerson(Register& reg, const PersonRecord& record, Element person, const Clock& clock)
{
    RequirePerson(person);
    // ID, Status and DateCreated belong to the record's history and are never rewritten here.
    // With no sex chosen the stored one stays.
    std::vector<ChildValue> values;
    values.reserve(18);
    ForEachEditedValue(record, [&](const char* name, const std::optional<QString>& text) {
        values.push_back({name, text});
    });
    values.push_back({kDateModifiedChild, FormatFileDate(clock.today())});
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
