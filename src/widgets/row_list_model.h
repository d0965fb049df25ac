#pragma once

#include "list_state/column_sorter.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QTreeView;

namespace orvanel {

// The rows of a list in report form as plain values under a view: a register of a hundred
// thousand persons is listed and re-sorted without an item object per cell. What a row is stays
// with its list (RowListModelOf below); this part knows only the texts the columns show, which
// are also what the list sorts by.
class RowListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowListModel(QStringList titles, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The text a row shows in a column.
    virtual QString cellText(int row, int column) const = 0;
    // The same text appended to `out`, as a sort reads it.
    virtual void appendCellText(int row, int column, std::u16string& out) const;
    // A number the same for the cells of a column with the same text, and never for another
    // text (CellTextNumber); none unless the rows have one.
    virtual std::optional<std::uint64_t> cellTextNumber(int row, int column) const;

    // Removes rows at their place; the others keep their order.
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
    void removeRowAt(int row) { removeRows(row, 1); }
    // Puts the rows into the sorter's order; the selected and current rows go with their rows.
    void sortRows(const TlvPieskatitajs& sorter);

    // Which column the rows stand sorted by, for screen readers, which read it as the column
    // title's description ("sorted ascending"); a column of -1 says the rows stand in no order.
    void showSortedBy(int column, Qt::SortOrder order);

protected:
    virtual int count() const = 0;
    virtual void eraseRow(int row) = 0;
    // Rearranges the rows so that the row now at order[i] comes to stand at i.
    virtual void reorderRows(const std::vector<int>& order) = 0;
    // The row numbers in the sorter's order; rows that compare equal keep their order.
    std::vector<int> sortedOrder(const TlvPieskatitajs& sorter) const;

private:
    QStringList titles_;
    int sortedColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

// A list whose rows are values of `Row`; `cell` gives the text a row shows in a column.
template <class Row>
class RowListModelOf : public RowListModel {
public:
    using Cell = std::function<QString(const Row& row, int column)>;
    // The cell's text appended to `out`, for rows whose texts are not held as QStrings: a sort
    // of 980,000 persons by ID took 264 ms with a QString made for each cell, 136 ms this way,
    // and by date of birth 287 and 163 ms.
    using AppendCell = std::function<void(const Row& row, int column, std::u16string& out)>;
    // A number of the cell's text (CellTextNumber), for rows whose texts many rows share: a
    // sort then reads one text of each.
    using TextNumber = std::function<std::optional<std::uint64_t>(const Row& row, int column)>;

    RowListModelOf(QStringList titles, Cell cell, QObject* parent = nullptr)
        : RowListModel(std::move(titles), parent), cell_(std::move(cell))
    {
    }

    RowListModelOf(QStringList titles, Cell cell, AppendCell appendCell, TextNumber textNumber,
                   QObject* parent = nullptr)
        : RowListModel(std::move(titles), parent),
          cell_(std::move(cell)),
          appendCell_(std::move(appendCell)),
          textNumber_(std::move(textNumber))
    {
    }

    QString cellText(int row, int column) const override { return cell_(this->row(row), column); }

    void appendCellText(int row, int column, std::u16string& out) const override
    {
        if (appendCell_)
            appendCell_(this->row(row), column, out);
        else
            RowListModel::appendCellText(row, column, out);
    }

    std::optional<std::uint64_t> cellTextNumber(int row, int column) const override
    {
        if (textNumber_)
            return textNumber_(this->row(row), column);
        return std::nullopt;
    }

    const Row& row(int index) const { return rows_.at(shown_.at(static_cast<size_t>(index))); }
    // A copy, in the order shown.
    std::vector<Row> rows() const
    {
        std::vector<Row> inOrder;
        inOrder.reserve(rows_.size());
        for (const size_t at : shown_)
            inOrder.push_back(rows_[at]);
        return inOrder;
    }

    // Empties the list and hands over its rows' storage, so that a rebuild fills the same memory
    // again: a new block for every rebuild of a large list would leave the old ones scattered.
    std::vector<Row> takeRows()
    {
        beginResetModel();
        std::vector<Row> taken = std::move(rows_);
        rows_ = std::vector<Row>();
        shown_.clear();
        endResetModel();
        taken.clear();
        return taken;
    }

    // Replaces every row, in the order given; no row is selected or current afterwards.
    void setRows(std::vector<Row> rows)
    {
        beginResetModel();
        takeInOrder(std::move(rows));
        endResetModel();
    }

    // As setRows, in the sorter's order: the list is filled once, already sorted.
    void setRows(std::vector<Row> rows, const TlvPieskatitajs& sorter)
    {
        beginResetModel();
        takeInOrder(std::move(rows));
        reorderRows(sortedOrder(sorter));
        endResetModel();
    }

    // Adds a row at the end, whatever order the list was sorted in.
    void appendRow(Row row)
    {
        const int at = count();
        beginInsertRows({}, at, at);
        rows_.push_back(std::move(row));
        shown_.push_back(rows_.size() - 1);
        endInsertRows();
    }

    // Rewrites one row in its place.
    void setRow(int index, Row row)
    {
        rows_.at(shown_.at(static_cast<size_t>(index))) = std::move(row);
        emit dataChanged(this->index(index, 0), this->index(index, columnCount() - 1));
    }

protected:
    int count() const override { return static_cast<int>(shown_.size()); }

    void eraseRow(int row) override
    {
        const size_t at = shown_.at(static_cast<size_t>(row));
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(at));
        shown_.erase(shown_.begin() + row);
        for (size_t& other : shown_) {
            if (other > at)
                --other;
        }
    }

    // Only the order of the row numbers changes; the rows stay where they are. Moving rows of
    // seven texts each into a new order read them all over memory: at 980,000 rows of persons
    // (bench_search_logic 1000000) a sort by ID took 318 ms that way and 146 ms this way, by Sex
    // 278 and 102 ms, by Surname 337 and 164 ms.
    void reorderRows(const std::vector<int>& order) override
    {
        std::vector<size_t> shown;
        shown.reserve(order.size());
        for (const int from : order)
            shown.push_back(shown_[static_cast<size_t>(from)]);
        shown_.swap(shown);
    }

private:
    void takeInOrder(std::vector<Row> rows)
    {
        rows_ = std::move(rows);
        shown_.resize(rows_.size());
        std::iota(shown_.begin(), shown_.end(), size_t{0});
    }

    Cell cell_;
    AppendCell appendCell_;
    TextNumber textNumber_;
    // In the order they were given or appended.
    std::vector<Row> rows_;
    // The place in rows_ of each row shown, in the order shown.
    std::vector<size_t> shown_;
};

enum class GridLines { Hidden, Shown };

// Sets a tree view up as a list of whole-row, single-selection, read-only rows over `model`,
// with clickable column titles.
void ShowAsReportList(QTreeView& list, RowListModel& model, GridLines lines);

}  // namespace orvanel
