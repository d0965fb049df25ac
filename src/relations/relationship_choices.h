#pragma once

#include "relations/relatives.h"
#include "store/person_ref.h"
#include "store/register.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvanel {

// The fields of the relationship dialog's list after the ID, in column order.
inline constexpr std::array<PersonField, 3> kPersonChoiceFields = {
    PersonField::Name, PersonField::MiddleName, PersonField::Surname};

// A person the relationship dialog offers as the other side of a relationship. Its texts are
// read from the register as the row is shown or sorted, like a search row's. At 980,000 persons
// (bench_person_logic 1000000) the rows took 209 ms with four texts each and take 71 ms, and
// the list filled and sorted by ID as the dialog opens took 459 ms and takes 220 ms.
struct PersonChoice {
    PersonRef person;
};

// The text of the list's column: the ID, then kPersonChoiceFields; empty past them.
QString PersonChoiceCell(const Register& reg, const PersonChoice& choice, int column);
// The same text appended to `out`, as a sort reads it.
void AppendPersonChoiceCell(const Register& reg, const PersonChoice& choice, int column,
                            std::u16string& out);
// A number of that text, the same for choices with the same text (ListCellTextNumber).
std::optional<std::uint64_t> PersonChoiceTextNumber(const Register& reg,
                                                    const PersonChoice& choice, int column);
// The choice's ID and names as a relatives row of no kind yet.
RelativeRow RelativeOfChoice(const Register& reg, const PersonChoice& choice);

// Every person whose Status is exactly "Active", except the one being edited (`editedId`,
// compared exactly), in document order. A Person without Status is not offered, one without an
// ID neither; a missing name child is offered as empty text.
// The list is made in the storage of `reuse`, whose rows are dropped.
std::vector<PersonChoice> RelationshipCandidates(Register& reg, const QString& editedId,
                                                 std::vector<PersonChoice> reuse = {});

// A person's line in the relationship dialog: the four texts joined by single spaces, untrimmed,
// so an empty middle name leaves two spaces.
QString EditedPersonLine(const QString& id, const QString& name, const QString& middleName,
                         const QString& surname);

}  // namespace orvanel
