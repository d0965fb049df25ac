#include "search/person_rows.h"

#include "search/filter_matching.h"
#include "store/record_names.h"

namespace orvanel {

namespace {

template <typename Accept>
void ListPersons(Register& reg, std::vector<PersonRow>& rows, Accept accept)
{
    rows.clear();
    // Read from the cache of the list fields: the same texts and the same errors as the records,
    // without walking every record's children.
    const PersonList& persons = reg.persons();
    const int count = persons.size();
    MakeRoomForEveryPerson(rows, count);
    for (int i = 0; i < count; ++i) {
        const ListedPerson person = persons.at(i);
        if (!IsActivePerson(person) || !accept(person))
            continue;
        // Built whole before it is added, so a failing record leaves no half-filled row.
        rows.push_back(FillPersonRow(person));
    }
}

}  // namespace

QString PersonRowCell(const PersonRow& row, int column)
{
    if (column == 0)
        return row.id;
    return column > 0 && column <= static_cast<int>(row.texts.size())
               ? row.texts[static_cast<size_t>(column - 1)]
               : QString();
}

PersonRowTexts TextsOfPersonRow(const ListedPerson& person)
{
    PersonRowTexts texts;
    for (size_t i = 0; i < kPersonRowFields.size(); ++i)
        texts[i] = person.text(kPersonRowFields[i]);
    return texts;
}

PersonRow FillPersonRow(const ListedPerson& person)
{
    PersonRow row;
    row.id = person.idOrEmpty();
    row.texts = TextsOfPersonRow(person);
    return row;
}

bool IsActivePerson(const ListedPerson& person)
{
    return person.text(PersonField::Status) == QLatin1String(kActiveStatus);
}

void ListActivePersons(Register& reg, std::vector<PersonRow>& rows)
{
    ListPersons(reg, rows, [](const ListedPerson&) { return true; });
}

void ListFilteredPersons(Register& reg, const FilterCriteria& criteria, const Clock& clock,
                         std::vector<PersonRow>& rows)
{
    const PersonFilter filter(criteria, clock);
    ListPersons(reg, rows, [&](const ListedPerson& person) { return filter.matches(person); });
}

}  // namespace orvanel
