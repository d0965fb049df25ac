#pragma once

#include "search/filter_criteria.h"
#include "store/clock.h"
#include "store/person_list.h"
#include "store/register.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvanel {

// The fields shown in a row after the ID: those with a search column, in column order.
inline constexpr std::array<PersonField, kSearchColumnFieldCount> kPersonRowFields =
    kSearchColumnFields;

// One row of the search window's list: the person it shows. Its texts are read from the register
// as the row is shown, sorted or exported, so a row always shows the record as it stands, and a
// list of a million persons costs a number of 4 bytes a row instead of seven texts of 168 bytes
// and their characters: building the rows of 980,000 active persons took 356–388 ms with the
// texts and takes 48–51 ms (bench_search_logic 1000000).
struct PersonRow {
    PersonRef person;
};

// The text a row shows in a column: the ID in column 0, then the texts of kPersonRowFields as
// stored; empty past them, and for a text the record lacks.
QString PersonRowCell(const Register& reg, const PersonRow& row, int column);

// The same text appended to `out`, as a sort reads it.
void AppendPersonRowCell(const Register& reg, const PersonRow& row, int column,
                         std::u16string& out);
// A number of that text, the same for rows with the same text (ListCellTextNumber).
std::optional<std::uint64_t> PersonRowTextNumber(const Register& reg, const PersonRow& row,
                                                 int column);

// The row's ID: the key by which Edit and Delete find the record. Empty when it has none.
QString PersonRowId(const Register& reg, const PersonRow& row);

// The row of a person. Throws NodeNotFound when the record lacks a required field the row shows.
PersonRow FillPersonRow(const ListedPerson& person);

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
