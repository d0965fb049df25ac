#include "list_state/column_sorter.h"

#include <algorithm>

namespace orvanel {

namespace {

constexpr int kMaxColumns = 255;  // the column count and index are kept in 8 bits

}  // namespace

TlvPieskatitajs::TlvPieskatitajs(SortedListKey listView, int columnCount)
    : ColumnCount_(static_cast<quint8>(std::clamp(columnCount, 1, kMaxColumns))),
      Directions_(ColumnCount_, static_cast<quint8>(SortDirection::None)),
      ListView_(listView)
{
    Q_ASSERT(columnCount >= 1 && columnCount <= kMaxColumns);
}

SortDirection TlvPieskatitajs::Direction(int column) const
{
    if (column < 0 || column >= ColumnCount_)
        return SortDirection::None;
    return static_cast<SortDirection>(Directions_[column]);
}

bool TlvPieskatitajs::ColumnClick(int column)
{
    if (column < 0 || column >= ColumnCount_)
        return false;
    const SortDirection next = Direction(column) == SortDirection::Ascending
                                   ? SortDirection::Descending
                                   : SortDirection::Ascending;
    std::fill(Directions_.begin(), Directions_.end(), static_cast<quint8>(SortDirection::None));
    Directions_[column] = static_cast<quint8>(next);
    SortColumn_ = static_cast<quint8>(column);
    return true;
}

}  // namespace orvanel
