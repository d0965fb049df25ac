#pragma once

#include "shell/sorter_list.h"

#include <functional>

class QTreeView;

namespace orvanel {

// Makes a list sortable from its header and from the keyboard: a click on a column title, or
// Ctrl+1 to Ctrl+9 while the list has the focus (Ctrl+1 for the first column), calls `sortBy`
// with the column, and the header's sort arrow then shows the column and direction of the
// list's sorter in `sorters`.
void ConnectSorting(QTreeView& list, const SorterList& sorters,
                    const std::function<void(int column)>& sortBy);

// Brings the header's sort arrow in step with the list's sorter. `rowsInSorterOrder` false
// takes the arrow away: the rows were put in afresh and stand in no sorted order.
void ShowSortState(QTreeView& list, const SorterList& sorters, bool rowsInSorterOrder = true);

}  // namespace orvanel
