#include "store/person_list.h"

#include "store/errors.h"
#include "store/record_names.h"
#include "store/register.h"

namespace orvanel {

namespace {

int SlotOf(PersonField field)
{
    return kCacheSlotOf[static_cast<size_t>(IndexOf(field))];
}

}  // namespace

std::optional<QString> ListedPerson::id() const
{
    return reg_->kept().table.personId(place_);
}

QString ListedPerson::idOrEmpty() const
{
    return id().value_or(QString());
}

bool ListedPerson::has(PersonField field) const
{
    if (SlotOf(field) < 0)
        return reg_->readPerson(ref()).has(field);
    return reg_->kept().table.personHas(place_, field);
}

QString ListedPerson::text(PersonField field) const
{
    if (!has(field)) {
        if (InfoOf(field).required)
            throw NodeNotFound(QString::fromLatin1(ElementOf(field)));
        return QString();
    }
    if (SlotOf(field) < 0)
        return reg_->readPerson(ref()).text(field);
    return reg_->kept().table.personText(place_, field);
}

QString ListedPerson::textOrEmpty(PersonField field) const
{
    return has(field) ? text(field) : QString();
}

bool ListedPerson::contains(PersonField field, const FoldedNeedle& needle) const
{
    if (SlotOf(field) < 0 || !has(field))
        return needle.foundIn(text(field));
    return reg_->kept().table.personTextContains(place_, field, needle);
}

bool ListedPerson::idContains(const FoldedNeedle& needle) const
{
    return reg_->kept().table.personIdContains(place_, needle);
}

void ListedPerson::appendTextOrEmpty(PersonField field, std::u16string& out) const
{
    if (SlotOf(field) < 0) {
        const QString text = textOrEmpty(field);
        out.append(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
        return;
    }
    reg_->kept().table.appendPersonText(place_, field, out);
}

void ListedPerson::appendIdOrEmpty(std::u16string& out) const
{
    reg_->kept().table.appendPersonId(place_, out);
}

QString ListCellText(const ListedPerson& person, std::span<const PersonField> fields, int column)
{
    if (column == 0)
        return person.idOrEmpty();
    if (column < 0 || static_cast<size_t>(column) > fields.size())
        return QString();
    return person.textOrEmpty(fields[static_cast<size_t>(column - 1)]);
}

void AppendListCellText(const ListedPerson& person, std::span<const PersonField> fields,
                        int column, std::u16string& out)
{
    if (column == 0)
        person.appendIdOrEmpty(out);
    else if (column > 0 && static_cast<size_t>(column) <= fields.size())
        person.appendTextOrEmpty(fields[static_cast<size_t>(column - 1)], out);
}

int PersonList::size() const
{
    return reg_->kept().table.personCount();
}

ListedPerson PersonList::of(PersonRef person) const
{
    if (!person || person.place() >= size())
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
    return at(person.place());
}

}  // namespace orvanel
