#include "persons/person_record.h"

#include "store/errors.h"
#include "store/file_date.h"
#include "store/record_names.h"

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

// A person looked up by an ID that no record carries arrives as an empty reference: report it as
// the missing record it is rather than touching it.
void RequirePerson(PersonRef person)
{
    if (!person)
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
}

// The fields the dialog writes back that `value` holds, in the form the record stores them.
PersonValue DialogFieldsOf(const PersonValue& value)
{
    PersonValue stored;
    stored.id = value.id;
    for (const PersonFieldInfo& info : kPersonFields) {
        if (!info.edited || !value.has(info.field))
            continue;
        const QString& text = value.text(info.field);
        stored.set(info.field, info.form == TextForm::MultiLine ? StoredMultiLine(text) : text);
    }
    return stored;
}

}  // namespace

PersonValue NewPersonDefaults(const QString& personId)
{
    PersonValue value;
    value.id = personId;
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.edited)
            value.set(info.field, QString());
    }
    value.set(PersonField::Sex, QString::fromLatin1(kMaleSex));
    value.set(PersonField::DateOfBirth, QStringLiteral("1950/1/1"));
    return value;
}

void ReadPerson(const Register& reg, PersonRef person, const QString& personId,
                const Clock& clock, PersonValue& out)
{
    RequirePerson(person);
    const PersonValue record = reg.readPerson(person);
    out.id = personId;
    // Field by field, so that a record missing a child keeps what was read before it.
    for (const PersonFieldInfo& info : kPersonFields) {
        if (!info.edited)
            continue;
        if (!record.has(info.field)) {
            if (info.required)
                throw NodeNotFound(QString::fromLatin1(info.element));
            out.remove(info.field);
            continue;
        }
        QString text = record.text(info.field);
        if (info.form == TextForm::Date)
            ParseFileDate(text, clock.today());  // an unreadable date stops the reading here
        else if (info.form == TextForm::MultiLine)
            text = MemoText(text);
        out.set(info.field, std::move(text));
    }
}

PersonRef WriteNewPerson(Register& reg, const PersonValue& value, const Clock& clock)
{
    return NewPersonWriter(reg, clock).write(value);
}

NewPersonWriter::NewPersonWriter(Register& reg, const Clock& clock)
    : reg_(reg), today_(FormatFileDate(clock.today())), active_(QString::fromLatin1(kActiveStatus))
{
}

PersonRef NewPersonWriter::write(const PersonValue& value, const QString& id) const
{
    // Every field is written, each even without text, in the order readers expect.
    PersonValue stored = DialogFieldsOf(value);
    stored.id = id;
    stored.set(PersonField::Status, active_);
    stored.set(PersonField::DateCreated, today_);
    stored.set(PersonField::DateModified, today_);
    return reg_.addPerson(stored);
}

void UpdatePerson(Register& reg, const PersonValue& value, PersonRef person, const Clock& clock)
{
    RequirePerson(person);
    // ID, Status and DateCreated belong to the record's history and are never rewritten here.
    // A field the value lacks (no sex chosen) keeps its stored text.
    PersonValue stored = DialogFieldsOf(value);
    stored.set(PersonField::DateModified, FormatFileDate(clock.today()));
    reg.updatePerson(person, stored);
}

int SexChoiceOf(const QString& stored)
{
    // Only a capital "F" alone means female; any other text, the empty one too, reads as male.
    return stored == QLatin1String(kFemaleSex) ? 1 : 0;
}

std::optional<QString> SexTextOf(int choice)
{
    switch (choice) {
    case 0:
        return QString::fromLatin1(kMaleSex);
    case 1:
        return QString::fromLatin1(kFemaleSex);
    default:
        return std::nullopt;
    }
}

QDate BirthDateOf(const PersonValue& value, const Clock& clock)
{
    if (!value.has(PersonField::DateOfBirth))
        return {};
    try {
        return ParseFileDate(value.text(PersonField::DateOfBirth), clock.today());
    } catch (const InvalidDate&) {
        return {};
    }
}

QString StoredBirthDate(QDate date)
{
    return FormatFileDate(date);
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
