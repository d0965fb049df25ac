#include "widgets/list_focus.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace orvanel {

void MakeSelectedRowCurrent(QAbstractItemView& list)
{
    QItemSelectionModel* selection = list.selectionModel();
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, &list, [selection] {
        const QModelIndexList rows = selection->selectedRows();
        if (rows.isEmpty() || rows.first().row() == selection->currentIndex().row())
            return;
        selection->setCurrentIndex(rows.first(), QItemSelectionModel::NoUpdate);
    });
}

void ChooseNoRow(QAbstractItemView& list)
{
    // Without a current index that the view counts as set on purpose, the view makes the first
    // row current when it takes the focus, and Down then moves past it.
    list.setCurrentIndex(QModelIndex());
}

}  // namespace orvanel
