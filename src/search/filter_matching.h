#pragma once

#include "search/filter_criteria.h"
#include "store/clock.h"
#include "store/folded_needle.h"
#include "store/person_list.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace orvanel {

// The fields the contact test searches, in the order it reads them: those the field table marks,
// in table order.
inline constexpr std::array<PersonField, kContactFieldCount> kContactFields =
    kContactFieldsOfFilter;

// True when `needle` occurs as one contiguous run in `haystack`, with only the letters A-Z
// folded to a-z on both sides (accented and other letters must match exactly). An empty needle
// or an empty haystack never matches.
bool TextContains(QStringView needle, QStringView haystack);

// The tests of a filter, each text folded once for all the persons it is tried on.
class PersonFilter {
public:
    PersonFilter(const FilterCriteria& criteria, const Clock& clock);

    // True when the person passes every test that is on, taken in this order: ID, name, middle
    // name, surname, sex, contact, birth date; the first failing test decides. Reads the
    // person's texts as they stand at each call. Throws NodeNotFound when a child a test reads
    // is missing, and InvalidDate when the birth-date test meets a date text it cannot read
    // (the clock gives the century of two-digit years).
    bool matches(const ListedPerson& person) const;

private:
    // One per test that is on.
    std::optional<FoldedNeedle> id_, name_, middleName_, surname_, sex_, contact_;
    bool datesOn_ = false;
    QDate from_, to_, today_;
};

// The same for one person.
bool MatchesFilter(const FilterCriteria& criteria, const ListedPerson& person,
                   const Clock& clock);

}  // namespace orvanel
