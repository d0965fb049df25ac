#pragma once

#include "list_state/text_order.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

namespace orvanel {

// Which list a sorter serves. The windows pass the address of their list control; the sorter
// only compares it and never reaches through it, so it stays free of widgets.
using SortedListKey = const void*;

enum class SortDirection : quint8 {
    None = 0,        // never clicked since the last click on another column; sorts ascending
    Ascending = 1,
    Descending = 2,
};

// Remembers by which column, and in which direction, one list is sorted. The state lives as
// long as the program: refilling the list or reopening its window does not reset it.
class TlvPieskatitajs {
public:
    // A list has at least one column and at most 255; a count outside that is brought into it.
    TlvPieskatitajs(SortedListKey listView, int columnCount);

    SortedListKey ListView() const { return ListView_; }
    int ColumnCount() const { return ColumnCount_; }
    int SortColumn() const { return SortColumn_; }
    SortDirection Direction(int column) const;
    const std::vector<quint8>& Directions() const { return Directions_; }

    // True when the list's rows are to come out in descending order.
    bool descending() const { return Direction(SortColumn_) == SortDirection::Descending; }

    // A click on a column title: that column becomes the sort column and turns ascending on its
    // first click and then alternates; every other column forgets its direction. A column the
    // list does not have is ignored (returns false), so a stray index cannot corrupt the state.
    bool ColumnClick(int column);

private:
    quint8 SortColumn_ = 0;
    quint8 ColumnCount_ = 1;
    std::vector<quint8> Directions_;
    SortedListKey ListView_ = nullptr;
};

}  // namespace orvanel
