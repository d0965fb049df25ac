#pragma once

#include <QStyledItemDelegate>

namespace orvanel {

// Draws the lines between the cells of a list in report view, which a tree view lacks.
class GridLinesDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace orvanel
