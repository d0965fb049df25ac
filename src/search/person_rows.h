#pragma once

#include "search/filter_criteria.h"
#include "store/clock.h"
#include "store/person_list.h"
#include "store/register.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace orvanel {

// The fields shown in a row after the ID: those with a search column, in column order.
inline constexpr std::array<PersonField, kSearchColumnFieldCount> kPersonRowFields =
    kSearchColumnFields;

// The texts of a row after its ID, in column order. Held in the row itself: a list of its own for
// each of a hundred thousand rows would cost a fifth more memory.
using PersonRowTexts = std::array<QString, kPersonRowFields.size()>;

// One row of the search window's list: the person's ID (the key by which Edit and Delete find
// the record) and the texts of the other columns, as stored.
struct PersonRow {
    QString id;
    PersonRowTexts texts;  // the texts of kPersonRowFields
};

// The text a row shows in a column: the ID in column 0, then the row's texts; empty past them.
QString PersonRowCell(const PersonRow& row, int column);

// The row of a person. Throws NodeNotFound when the record lacks a required field the row shows.
PersonRow FillPersonRow(const ListedPerson& person);

// The column texts of a person, as a row already in the list is refreshed with after an
// edit. Throws NodeNotFound like FillPersonRow.
PersonRowTexts TextsOfPersonRow(const ListedPerson& person);

// True for a person whose Status text is exactly "Active". Throws NodeNotFound for a Person
// without a Status child.
bool IsActivePerson(const ListedPerson& person);

// Both list builders replace the content of `rows` with one row per active person in document
// order, relationship and other records skipped. A bad record (a missing child, or for the
// filter an unreadable birth date) stops the building at that record with its exception:
// `rows` then holds the complete rows of the records before it, and no row of the bad one.
void ListActivePersons(Register& reg, std::vector<PersonRow>& rows);

// As ListActivePersons, keeping only the active persons for which MatchesFilter is true.
void ListFilteredPersons(Register& reg, const FilterCriteria& criteria, const Clock& clock,
                         std::vector<PersonRow>& rows);

}  // namespace orvanel
