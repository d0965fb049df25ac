#include "search/person_row_order.h"

#include "shell/row_order.h"

#include <numeric>

namespace orvanel {

void SortPersonRows(const TlvPieskatitajs& sorter, std::vector<PersonRow>& rows)
{
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(sorter, order,
                 [&rows](int row, int column) { return PersonRowCell(rows[row], column); });

    std::vector<PersonRow> sorted;
    sorted.reserve(rows.size());
    for (int row : order)
        sorted.push_back(std::move(rows[row]));
    rows.swap(sorted);
}

}  // namespace orvanel
