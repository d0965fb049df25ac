#pragma once

#include "list_state/sorter_list.h"

#include <QString>
#include <functional>

class QTreeView;

namespace orvanel {

// Makes a list sortable from its header and from the keyboard: a click on a column title, or
// Ctrl+1 to Ctrl+9 while the list has the focus (Ctrl+1 for the first column), calls `sortBy`
// with the column, and the header's sort arrow then shows the column and direction of the
// list's sorter in `sorters`. The list's accessible description names the keys.
void ConnectSorting(QTreeView& list, const SorterList& sorters,
                    const std::function<void(int column)>& sortBy);

// Brings the header's sort arrow in step with the list's sorter, and what screen readers are
// told of it: the sorted column's description and the list's own description, whose change
// they announce. `rowsInSorterOrder` false takes the arrow away: the rows were put in afresh
// and stand in no sorted order.
void ShowSortState(QTreeView& list, const SorterList& sorters, bool rowsInSorterOrder = true);

// "Sorted by Surname, ascending": the order the list's sorter puts its rows in.
QString SortStateText(const QTreeView& list, const SorterList& sorters);

}  // namespace orvanel
