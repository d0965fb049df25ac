#include "list_state/row_order.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanel {

void SortRowOrder(const TlvPieskatitajs& sorter, std::vector<int>& order, const CellText& cellText)
{
    const int column = sorter.SortColumn();
    // All folded keys live in one buffer: one allocation, and the entries being sorted stay
    // small and next to each other. Lexicographic order of the keys is TextOrder of the texts.
    // The texts are asked for twice rather than held: a copy of a whole column costs memory.
    std::size_t totalLength = 0;
    for (int row : order)
        totalLength += static_cast<std::size_t>(cellText(row, column).size());
    std::u16string keys;
    keys.reserve(totalLength);
    struct Entry {
        std::uint32_t start;
        std::uint32_t length;
        int place;  // position in `order`
    };
    std::vector<Entry> entries;
    entries.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t start = keys.size();
        AppendTextOrderKey(cellText(order[i], column), keys);
        entries.push_back({static_cast<std::uint32_t>(start),
                           static_cast<std::uint32_t>(keys.size() - start), static_cast<int>(i)});
    }
    const std::u16string_view all(keys);
    const auto keyOf = [&all](const Entry& e) { return all.substr(e.start, e.length); };

    if (sorter.descending()) {
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const Entry& a, const Entry& b) { return keyOf(b) < keyOf(a); });
    } else {
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const Entry& a, const Entry& b) { return keyOf(a) < keyOf(b); });
    }

    std::vector<int> sorted;
    sorted.reserve(order.size());
    for (const Entry& entry : entries)
        sorted.push_back(order[static_cast<std::size_t>(entry.place)]);
    order.swap(sorted);
}

}  // namespace orvanel
