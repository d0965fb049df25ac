#include "widgets/sortable_header.h"

#include "widgets/row_list_model.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QShortcut>
#include <QTreeView>
#include <algorithm>

namespace orvanel {

namespace {

// The columns Ctrl+number reaches: the first nine.
int KeyedColumns(const QTreeView& list)
{
    return std::min(list.header()->count(), 9);
}

QString SortKeysText(const QTreeView& list)
{
    return QCoreApplication::translate("orvanel::SortableHeader",
                                       "Ctrl+1 to Ctrl+%1 sort the list by that column; pressed "
                                       "again, in reverse order.")
        .arg(KeyedColumns(list));
}

void Describe(QTreeView& list, const QString& sortState)
{
    const QString keys = SortKeysText(list);
    const QString description =
        sortState.isEmpty() ? keys : sortState + QStringLiteral(". ") + keys;
    // The change is sent to screen readers, which say it while the list has the focus.
    list.setAccessibleDescription(description);
}

}  // namespace

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

    for (int column = 0; column < KeyedColumns(list); ++column) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + column)), &list);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &list,
                         [sortAndShow, column] { sortAndShow(column); });
    }
    Describe(list, QString());
}

void ShowSortState(QTreeView& list, const SorterList& sorters, bool rowsInSorterOrder)
{
    const TlvPieskatitajs* sorter = FindSorter(sorters, &list);
    QHeaderView* header = list.header();
    auto* rows = qobject_cast<RowListModel*>(list.model());
    if (!sorter || !rowsInSorterOrder) {
        header->setSortIndicator(-1, Qt::AscendingOrder);
        if (rows)
            rows->showSortedBy(-1, Qt::AscendingOrder);
        Describe(list, QString());
        return;
    }
    // A column never clicked sorts ascending.
    const Qt::SortOrder order = sorter->descending() ? Qt::DescendingOrder : Qt::AscendingOrder;
    header->setSortIndicator(sorter->SortColumn(), order);
    if (rows)
        rows->showSortedBy(sorter->SortColumn(), order);
    Describe(list, SortStateText(list, sorters));
}

QString SortStateText(const QTreeView& list, const SorterList& sorters)
{
    const TlvPieskatitajs* sorter = FindSorter(sorters, &list);
    if (!sorter || !list.model())
        return QString();
    const QString title =
        list.model()->headerData(sorter->SortColumn(), Qt::Horizontal).toString();
    return sorter->descending()
               ? QCoreApplication::translate("orvanel::SortableHeader", "Sorted by %1, descending")
                     .arg(title)
               : QCoreApplication::translate("orvanel::SortableHeader", "Sorted by %1, ascending")
                     .arg(title);
}

}  // namespace orvanel
