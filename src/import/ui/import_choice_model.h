#pragma once

#include "import/import_plan.h"

#include <QAbstractTableModel>

namespace orvanel {

// The preview's rows as plain values under a view, a check box in the first column of each:
// a file of a hundred thousand persons is listed without an item object per cell.
class ImportChoiceModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ImportChoiceModel(QObject* parent = nullptr);

    void setPlan(ImportPlan plan);
    const std::vector<bool>& chosen() const { return plan_.chosen; }
    int chosenCount() const { return chosenCount_; }

    // Flips the check box of one row.
    void toggle(int row);
    // Checks or clears every row at once.
    void chooseAll(bool chosen);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void choiceChanged();

private:
    void setChosen(int row, bool chosen);

    ImportPlan plan_;
    int chosenCount_ = 0;
};

}  // namespace orvanel
