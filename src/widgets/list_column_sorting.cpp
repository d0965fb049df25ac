#include "widgets/list_column_sorting.h"

#include "shell/row_order.h"

#include <QSignalBlocker>
#include <QTreeWidget>
#include <numeric>

namespace orvanel {

void SortListRows(const TlvPieskatitajs& sorter, QTreeWidget& list)
{
    QTreeWidgetItem* current = list.currentItem();
    const QList<QTreeWidgetItem*> selected = list.selectedItems();

    std::vector<int> order(static_cast<size_t>(list.topLevelItemCount()));
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(sorter, order, [&list](int row, int column) {
        return list.topLevelItem(row)->text(column);
    });

    // Taking the rows out and putting them back in order is linear in the number of rows; the
    // current and selected rows are restored afterwards, so no change of them is reported.
    const QSignalBlocker quiet(list);
    QList<QTreeWidgetItem*> rows = list.invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> sorted;
    sorted.reserve(rows.size());
    for (int index : order)
        sorted << rows.at(index);
    list.addTopLevelItems(sorted);
    if (current)
        list.setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem* row : selected)
        row->setSelected(true);
    if (!selected.isEmpty())
        list.scrollToItem(selected.first(), QAbstractItemView::EnsureVisible);
}

void lv_RelativesColumnClick(SorterList& sorters, QTreeWidget& list, int column)
{
    TlvPieskatitajs* sorter = FindSorter(sorters, &list);
    if (!sorter || !sorter->ColumnClick(column))
        return;
    SortListRows(*sorter, list);
}

}  // namespace orvanel
