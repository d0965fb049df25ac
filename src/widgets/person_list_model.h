#pragma once

#include "search/person_rows.h"
#include "shell/column_sorter.h"
#include "shell/sorter_list.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

class QTreeView;

namespace orvanel {

// The rows of a list of persons (the ID, then texts of the person) as plain values under a view:
// a register of a hundred thousand persons is listed and re-sorted without an item object per
// cell. Serves the search window's list and the relationship dialog's.
class PersonListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PersonListModel(QStringList titles, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Replaces every row; no row is selected or current afterwards.
    void setRows(std::vector<PersonRow> rows);
    const PersonRow& row(int index) const { return rows_.at(static_cast<size_t>(index)); }
    // Rewrites the texts after the ID of one row, in place.
    void setTexts(int index, QStringList texts);
    void removeRowAt(int index);
    // Puts the rows into the sorter's order; the selected and current rows go with their rows.
    void sortRows(const TlvPieskatitajs& sorter);

private:
    QStringList titles_;
    std::vector<PersonRow> rows_;
};

// The column-title click of a list of persons, with the same steps as for every other sortable
// list: the list's sorter takes the click, the rows are sorted by it, and the selected
// row stays selected and is scrolled into view. A list without a registered sorter, or not
// shown through a PersonListModel, is left alone.
void lv_RelativesColumnClick(SorterList& sorters, QTreeView& list, int column);

// Sets a tree view up as a list of whole-row, single-selection, read-only rows over `model`,
// with clickable column titles and grid lines.
void ShowAsReportList(QTreeView& list, PersonListModel& model);

}  // namespace orvanel
