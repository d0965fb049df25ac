#pragma once

#include "list_state/sorter_list.h"

class QTreeView;

namespace orvanel {

// The column-title click of every sortable list: the list's sorter takes the click, the rows are
// sorted by it, and the selected row stays selected and is scrolled into view. A list without a
// registered sorter, or not shown through a RowListModel, is left alone.
void lv_RelativesColumnClick(SorterList& sorters, QTreeView& list, int column);

}  // namespace orvanel
