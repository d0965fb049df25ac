#include "widgets/person_list_model.h"

#include "search/person_row_order.h"
#include "widgets/grid_lines_delegate.h"
#include "shell/row_order.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTreeView>
#include <numeric>

namespace orvanel {

PersonListModel::PersonListModel(QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles))
{
}

int PersonListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PersonListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant PersonListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return PersonRowCell(rows_.at(static_cast<size_t>(index.row())), index.column());
}

QVariant PersonListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0
        || section >= titles_.size())
        return {};
    return titles_.at(section);
}

Qt::ItemFlags PersonListModel::flags(const QModelIndex& index) const
{
    // Cells are shown, never edited in place.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

void PersonListModel::setRows(std::vector<PersonRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void PersonListModel::setTexts(int index, QStringList texts)
{
    rows_.at(static_cast<size_t>(index)).texts = std::move(texts);
    emit dataChanged(this->index(index, 1), this->index(index, columnCount() - 1));
}

void PersonListModel::removeRowAt(int index)
{
    beginRemoveRows({}, index, index);
    rows_.erase(rows_.begin() + index);
    endRemoveRows();
}

void PersonListModel::sortRows(const TlvPieskatitajs& sorter)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(sorter, order,
                 [this](int row, int column) { return PersonRowCell(rows_[row], column); });
    std::vector<int> newRowOf(rows_.size());
    std::vector<PersonRow> sorted;
    sorted.reserve(rows_.size());
    for (int oldRow : order) {
        newRowOf[static_cast<size_t>(oldRow)] = static_cast<int>(sorted.size());
        sorted.push_back(std::move(rows_[static_cast<size_t>(oldRow)]));
    }
    rows_.swap(sorted);

    // The view's selection and current row are held as persistent indexes: they move along.
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to << this->index(newRowOf[static_cast<size_t>(index.row())], index.column());
    changePersistentIndexList(from, to);

    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void lv_RelativesColumnClick(SorterList& sorters, QTreeView& list, int column)
{
    auto* rows = qobject_cast<PersonListModel*>(list.model());
    TlvPieskatitajs* sorter = FindSorter(sorters, &list);
    if (!rows || !sorter || !sorter->ColumnClick(column))
        return;
    rows->sortRows(*sorter);
    const QModelIndexList selected = list.selectionModel()->selectedRows();
    if (!selected.isEmpty())
        list.scrollTo(selected.first(), QAbstractItemView::EnsureVisible);
}

void ShowAsReportList(QTreeView& list, PersonListModel& model)
{
    list.setModel(&model);
    list.setItemDelegate(new GridLinesDelegate(&list));
    list.setRootIsDecorated(false);
    list.setItemsExpandable(false);
    list.setUniformRowHeights(true);
    list.setAllColumnsShowFocus(true);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.header()->setSectionsClickable(true);
    list.header()->setSectionsMovable(false);
}

}  // namespace orvanel
