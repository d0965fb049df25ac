#include "widgets/sortable_header.h"

#include <QHeaderView>
#include <QShortcut>
#include <QTreeView>
#include <algorithm>

namespace orvanel {

void ConnectSorting(QTreeView& list, const SorterList& sorters,
                    const std::function<void(int column)>& sortBy)
{
    QHeaderView* header = list.header();
    header->setSortIndicatorShown(true);
    const auto sortAndShow = [&list, &sorters, sortBy](int column) {
        sortBy(column);
        ShowSortState(list, sorters);
    };
    QObject::connect(header, &QHeaderView::sectionClicked, &list, sortAndShow);

    const int keyed = std::min(header->count(), 9);
    for (int column = 0; column < keyed; ++column) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + column)), &list);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &list,
                         [sortAndShow, column] { sortAndShow(column); });
    }
}

void ShowSortState(QTreeView& list, const SorterList& sorters, bool rowsInSorterOrder)
{
    const TlvPieskatitajs* sorter = FindSorter(sorters, &list);
    QHeaderView* header = list.header();
    if (!sorter || !rowsInSorterOrder) {
        header->setSortIndicator(-1, Qt::AscendingOrder);
        return;
    }
    // A column never clicked sorts ascending.
    header->setSortIndicator(sorter->SortColumn(),
                             sorter->descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

}  // namespace orvanel
