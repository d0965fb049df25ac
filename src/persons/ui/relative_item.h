#pragma once

#include "relations/relatives.h"

class QTreeWidgetItem;

namespace orvanel {

// A row of the person dialog's relatives list. The kind column shows the kind in the user's
// language and keeps the stored word beside it: what is written back is always the stored word.
void ShowRelative(QTreeWidgetItem& item, const RelativeRow& row);
RelativeRow RelativeOf(const QTreeWidgetItem& item);

}  // namespace orvanel
