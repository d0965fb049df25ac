#pragma once

#include "list_state/column_sorter.h"

#include <memory>
#include <vector>

namespace orvanel {

// The sorters of every sortable list, in the order their windows registered them. Owns them;
// a sorter stays at the same address for the list's whole life, so windows may keep a pointer.
class SorterList {
public:
    SorterList() = default;
    SorterList(const SorterList&) = delete;
    SorterList& operator=(const SorterList&) = delete;
    // Sorters are freed from the last registered to the first.
    ~SorterList();

    // Creates the sorter of a list and appends it.
    TlvPieskatitajs& add(SortedListKey listView, int columnCount);

    int count() const { return static_cast<int>(sorters_.size()); }
    TlvPieskatitajs& at(int index) { return *sorters_.at(index); }
    const TlvPieskatitajs& at(int index) const { return *sorters_.at(index); }

private:
    std::vector<std::unique_ptr<TlvPieskatitajs>> sorters_;
};

// The first registered sorter that serves `listView`; null when the list has none.
TlvPieskatitajs* FindSorter(SorterList& sorters, SortedListKey listView);
const TlvPieskatitajs* FindSorter(const SorterList& sorters, SortedListKey listView);

}  // namespace orvanel
