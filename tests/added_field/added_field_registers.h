#pragma once

// What the tests of the field only the test build has (TestNote) start from.

#include "search/person_rows.h"
#include "support/loaded_register.h"
#include "support/register_records.h"

#include <QStringList>

namespace orvanel::testing {

inline constexpr PersonField kAdded = PersonField::TestNote;

// Two persons as a program without the field wrote them.
inline RegisterXml WithoutTheField()
{
    return RegisterXml()
        .person(PersonXml(Id(1)).set({{"Name", "Anna"}, {"Surname", "Ozola"}}).without("TestNote"))
        .person(PersonXml(Id(2)).set({{"Name", "Juris"}, {"Fax", "555 01"}}).without("TestNote"));
}

// The element names of a record's children, in order.
// The names of the children of the person `id`'s record, in the record's order.
inline QStringList ChildNames(Register& reg, const QString& id)
{
    Document saved = RegisterDocument(reg);
    Element person;
    for (int i = 0; i < saved.rootCount() && !person; ++i) {
        if (saved.rootChild(i).attribute("ID") == id)
            person = saved.rootChild(i);
    }
    QStringList names;
    for (Element child = person.firstChildElement(); child; child = child.nextSiblingElement())
        names << child.localName();
    return names;
}

inline QStringList ActiveIds(Register& reg, const FilterCriteria* criteria = nullptr)
{
    std::vector<PersonRow> rows;
    if (criteria)
        ListFilteredPersons(reg, *criteria, FixedClock(kTestToday), rows);
    else
        ListActivePersons(reg, rows);
    QStringList ids;
    for (const PersonRow& row : rows)
        ids << PersonRowId(reg, row);
    return ids;
}

inline FilterCriteria ContactFilter(const QString& text)
{
    FilterCriteria criteria;
    criteria.ContactEnabled = true;
    criteria.ContactText = text;
    return criteria;
}

}  // namespace orvanel::testing
