#include "shell/row_order.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace orvanel {

void SortRowOrder(const TlvPieskatitajs& sorter, std::vector<int>& order, const CellText& cellText)
{
    const int column = sorter.SortColumn();
    std::vector<QString> texts;
    texts.reserve(order.size());
    std::size_t totalLength = 0;
    for (int row : order) {
        texts.push_back(cellText(row, column));
        totalLength += static_cast<std::size_t>(texts.back().size());
    }

    // All folded keys live in one buffer: one allocation, and the entries being sorted stay
    // small and next to each other. Lexicographic order of the keys is TextOrder of the texts.
    std::u16string keys;
    keys.reserve(totalLength);
    std::vector<std::size_t> starts;
    starts.reserve(texts.size() + 1);
    for (const QString& text : texts) {
        starts.push_back(keys.size());
        AppendTextOrderKey(text, keys);
    }
    starts.push_back(keys.size());

    struct Entry {
        std::u16string_view key;
        int place;  // position in `order`
    };
    std::vector<Entry> entries;
    entries.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        entries.push_back({std::u16string_view(keys).substr(starts[i], starts[i + 1] - starts[i]),
                           static_cast<int>(i)});
    }

    if (sorter.descending()) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return b.key < a.key; });
    } else {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.key < b.key; });
    }

    std::vector<int> sorted;
    sorted.reserve(order.size());
    for (const Entry& entry : entries)
        sorted.push_back(order[entry.place]);
    order.swap(sorted);
}

}  // namespace orvanel
