#include "search/person_rows.h"

#include "search/filter_matching.h"
#include "store/record_names.h"

namespace orvanel {

namespace {

template <typename Accept>
void listPersons(Register& reg, std::vector<PersonRow>& rows, Accept accept)
{
    rows.clear();
    Document& doc = reg.doc;
    const int count = doc.rootCount();
    for (int i = 0; i < count; ++i) {
        const Element element = doc.rootChild(i);
        if (!IsActivePerson(element) || !accept(element))
            continue;
        // Built whole before it is added, so a failing record leaves no half-filled row.
        rows.push_back(FillPersonRow(element));
    }
}

}  // namespace

QString PersonRowCell(const PersonRow& row, int column)
{
    if (column == 0)
        return row.id;
    return column > 0 && column <= row.texts.size() ? row.texts[column - 1] : QString();
}

QStringList PersonRowTexts(Element person)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(kPersonRowFields.size()));
    for (const char* field : kPersonRowFields)
        texts << person.child(field).text();
    return texts;
}

PersonRow FillPersonRow(Element person)
{
    PersonRow row;
    row.id = person.attribute(kIdAttribute).value_or(QString());
    row.texts = PersonRowTexts(person);
    return row;
}

bool IsActivePerson(Element element)
{
    return element.hasLocalName(kPersonElement)
           && element.child(kStatusChild).text() == QLatin1String(kActiveStatus);
}

void ListActivePersons(Register& reg, std::vector<PersonRow>& rows)
{
    listPersons(reg, rows, [](Element) { return true; });
}

void ListFilteredPersons(Register& reg, const FilterCriteria& criteria, const Clock& clock,
                         std::vector<PersonRow>& rows)
{
    listPersons(reg, rows, [&](Element person) { return MatchesFilter(criteria, person, clock); });
}

}  // namespace orvanel
