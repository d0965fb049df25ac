#pragma once

class QAbstractItemView;

namespace orvanel {

// A row selected without becoming the current row (as a screen reader selects one) is made the
// current row, so the actions that work on the current row see the row the user chose.
void MakeSelectedRowCurrent(QAbstractItemView& list);

// No row of the list is current until the user moves to one: the first Down after the focus
// enters then chooses the first row instead of the second. Call after every refill.
void ChooseNoRow(QAbstractItemView& list);

}  // namespace orvanel
