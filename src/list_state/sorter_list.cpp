#include "list_state/sorter_list.h"

#include <utility>

namespace orvanel {

SorterList::~SorterList()
{
    while (!sorters_.empty())
        sorters_.pop_back();
}

TlvPieskatitajs& SorterList::add(SortedListKey listView, int columnCount)
{
    sorters_.push_back(std::make_unique<TlvPieskatitajs>(listView, columnCount));
    return *sorters_.back();
}

const TlvPieskatitajs* FindSorter(const SorterList& sorters, SortedListKey listView)
{
    for (int i = 0; i < sorters.count(); ++i) {
        if (sorters.at(i).ListView() == listView)
            return &sorters.at(i);
    }
    return nullptr;
}

TlvPieskatitajs* FindSorter(SorterList& sorters, SortedListKey listView)
{
    return const_cast<TlvPieskatitajs*>(FindSorter(std::as_const(sorters), listView));
}

}  // namespace orvanel
