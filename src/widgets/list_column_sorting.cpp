#include "widgets/list_column_sorting.h"

#include "widgets/row_list_model.h"

#include <QItemSelectionModel>
#include <QTreeView>

namespace orvanel {

void lv_RelativesColumnClick(SorterList& sorters, QTreeView& list, int column)
{
    auto* rows = qobject_cast<RowListModel*>(list.model());
    TlvPieskatitajs* sorter = FindSorter(sorters, &list);
    if (!rows || !sorter || !sorter->ColumnClick(column))
        return;
    rows->sortRows(*sorter);
    const QModelIndexList selected = list.selectionModel()->selectedRows();
    if (!selected.isEmpty())
        list.scrollTo(selected.first(), QAbstractItemView::EnsureVisible);
}

}  // namespace orvanel
