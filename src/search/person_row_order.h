#pragma once

#include "search/person_rows.h"
#include "shell/column_sorter.h"

#include <vector>

namespace orvanel {

// Puts the search list's rows into the order of the list's sorter (column 0 is the ID).
// Stable: rows that compare equal keep their relative order, which after a rebuild is document
// order.
void SortPersonRows(const TlvPieskatitajs& sorter, std::vector<PersonRow>& rows);

}  // namespace orvanel
