#pragma once

#include "shell/sorter_list.h"

class QTreeWidget;

namespace orvanel {

// The column-title click of every sortable list: the list's sorter takes the click, and the rows
// are sorted by it; the selected row stays selected and is scrolled into view. A list without a
// registered sorter is left alone.
void lv_RelativesColumnClick(SorterList& sorters, QTreeWidget& list, int column);

// Puts the rows of a list in its sorter's order (for lists that keep themselves sorted after a
// fill). Rows that compare equal keep their order.
void SortListRows(const TlvPieskatitajs& sorter, QTreeWidget& list);

}  // namespace orvanel
