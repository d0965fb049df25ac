#pragma once

#include "list_state/column_sorter.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvanel {

// The text of one cell: row number, column number (0 is the first column).
using CellText = std::function<QString(int row, int column)>;

// Appends the text of one cell to `out`, as it stands, for lists whose texts need not become a
// QString each to be sorted.
using AppendCellText = std::function<void(int row, int column, std::u16string& out)>;

// A number for the text of one cell: the same for cells with the same text and never for
// another text; nullopt where the list has none for that cell.
using CellTextNumber = std::function<std::optional<std::uint64_t>(int row, int column)>;

// Puts the row numbers in `order` into the sorter's order, by the texts of its sort column.
// Each text is read and folded once, so a list of 100k rows sorts in O(n log n) plain string
// comparisons. The sort is stable: rows that compare equal keep their relative order in
// `order`, in both directions, so the outcome never depends on the sorting method.
void SortRowOrder(const TlvPieskatitajs& sorter, std::vector<int>& order, const CellText& cellText);
// With `textNumber`, a column whose cells repeat a few texts is sorted by one text of each.
void SortRowOrder(const TlvPieskatitajs& sorter, std::vector<int>& order,
                  const AppendCellText& appendCellText, const CellTextNumber& textNumber = {});

}  // namespace orvanel
