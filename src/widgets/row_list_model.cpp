#include "widgets/row_list_model.h"

#include "list_state/row_order.h"
#include "widgets/grid_lines_delegate.h"

#include <QHeaderView>
#include <QTreeView>
#include <numeric>

namespace orvanel {

RowListModel::RowListModel(QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles))
{
}

int RowListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int RowListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cellText(index.row(), index.column());
}

QVariant RowListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= titles_.size())
        return {};
    if (role == Qt::DisplayRole)
        return titles_.at(section);
    if (role == Qt::AccessibleDescriptionRole && section == sortedColumn_)
        return sortOrder_ == Qt::DescendingOrder ? tr("sorted descending") : tr("sorted ascending");
    return {};
}

void RowListModel::showSortedBy(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= titles_.size())
        column = -1;
    if (column == sortedColumn_ && order == sortOrder_)
        return;
    sortedColumn_ = column;
    sortOrder_ = order;
    if (!titles_.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(titles_.size()) - 1);
}

Qt::ItemFlags RowListModel::flags(const QModelIndex& index) const
{
    // Cells are shown, never edited in place.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

bool RowListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > this->count())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        eraseRow(row);
    endRemoveRows();
    return true;
}

void RowListModel::appendCellText(int row, int column, std::u16string& out) const
{
    const QString text = cellText(row, column);
    out.append(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

std::optional<std::uint64_t> RowListModel::cellTextNumber(int, int) const
{
    return std::nullopt;
}

std::vector<int> RowListModel::sortedOrder(const TlvPieskatitajs& sorter) const
{
    std::vector<int> order(static_cast<size_t>(count()));
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(
        sorter, order,
        [this](int row, int column, std::u16string& out) { appendCellText(row, column, out); },
        [this](int row, int column) { return cellTextNumber(row, column); });
    return order;
}

void RowListModel::sortRows(const TlvPieskatitajs& sorter)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    const std::vector<int> order = sortedOrder(sorter);
    std::vector<int> newRowOf(order.size());
    for (size_t to = 0; to < order.size(); ++to)
        newRowOf[static_cast<size_t>(order[to])] = static_cast<int>(to);
    reorderRows(order);

    // The view's selection and current row are held as persistent indexes: they move along.
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to << this->index(newRowOf[static_cast<size_t>(index.row())], index.column());
    changePersistentIndexList(from, to);

    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ShowAsReportList(QTreeView& list, RowListModel& model, GridLines lines)
{
    list.setModel(&model);
    if (lines == GridLines::Shown)
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
