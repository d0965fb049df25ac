#include "import/ui/import_choice_model.h"

namespace orvanel {

namespace {

enum Column { NameColumn, SurnameColumn, BirthColumn, ExistingColumn, kColumnCount };

}  // namespace

ImportChoiceModel::ImportChoiceModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportChoiceModel::setPlan(ImportPlan plan)
{
    beginResetModel();
    plan_ = std::move(plan);
    chosenCount_ = plan_.chosenCount();
    endResetModel();
    emit choiceChanged();
}

void ImportChoiceModel::setChosen(int row, bool chosen)
{
    const auto at = static_cast<size_t>(row);
    if (row < 0 || at >= plan_.chosen.size() || plan_.chosen[at] == chosen)
        return;
    plan_.chosen[at] = chosen;
    chosenCount_ += chosen ? 1 : -1;
    const QModelIndex cell = index(row, NameColumn);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
    emit choiceChanged();
}

void ImportChoiceModel::toggle(int row)
{
    if (row >= 0 && static_cast<size_t>(row) < plan_.chosen.size())
        setChosen(row, !plan_.chosen[static_cast<size_t>(row)]);
}

void ImportChoiceModel::chooseAll(bool chosen)
{
    if (plan_.chosen.empty())
        return;
    plan_.chosen.assign(plan_.chosen.size(), chosen);
    chosenCount_ = chosen ? static_cast<int>(plan_.chosen.size()) : 0;
    emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn),
                     {Qt::CheckStateRole});
    emit choiceChanged();
}

int ImportChoiceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(plan_.rows.size());
}

int ImportChoiceModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ImportChoiceModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto at = static_cast<size_t>(index.row());
    if (role == Qt::CheckStateRole && index.column() == NameColumn)
        return plan_.chosen[at] ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole)
        return {};
    const ImportRow& row = plan_.rows[at];
    switch (index.column()) {
    case NameColumn:
        return row.name;
    case SurnameColumn:
        return row.surname;
    case BirthColumn:
        return row.birthDate;
    case ExistingColumn:
        return row.existingId;
    default:
        return {};
    }
}

bool ImportChoiceModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != NameColumn || role != Qt::CheckStateRole)
        return false;
    setChosen(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant ImportChoiceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Name");
    case SurnameColumn:
        return tr("Surname");
    case BirthColumn:
        return tr("Date of birth");
    case ExistingColumn:
        return tr("Already in the register");
    default:
        return {};
    }
}

Qt::ItemFlags ImportChoiceModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

}  // namespace orvanel
