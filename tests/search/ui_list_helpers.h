#pragma once

// Reading and clicking the program's lists from widget tests, whatever kind of view they are.

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QStringList>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace orvanel::testing {

// The texts of one column, top to bottom.
inline QStringList ColumnTexts(const QTreeView& list, int column)
{
    QStringList texts;
    const QAbstractItemModel* model = list.model();
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

// The texts of one row, first column first.
inline QStringList RowTexts(const QTreeView& list, int row)
{
    QStringList texts;
    const QAbstractItemModel* model = list.model();
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column).data().toString();
    return texts;
}

// The row whose first column holds `text`, or -1.
inline int RowOf(const QTreeView& list, const QString& text)
{
    return static_cast<int>(ColumnTexts(list, 0).indexOf(text));
}

inline QStringList ColumnTitles(const QTreeView& list)
{
    QStringList titles;
    const QAbstractItemModel* model = list.model();
    for (int column = 0; column < model->columnCount(); ++column)
        titles << model->headerData(column, Qt::Horizontal).toString();
    return titles;
}

// A mouse click on a column title, as the user makes it.
inline void ClickColumnTitle(QTreeView& list, int column)
{
    QHeaderView* titles = list.header();
    ASSERT_TRUE(titles->isVisible());
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      QPoint(titles->sectionViewportPosition(column) + 4, titles->height() / 2));
}

inline QPoint CellCentre(QTreeView& list, int row)
{
    list.scrollTo(list.model()->index(row, 0));
    return list.visualRect(list.model()->index(row, 0)).center();
}

// A mouse click on a row, which makes it current and selected.
inline void ClickRow(QTreeView& list, int row)
{
    ASSERT_GE(row, 0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CellCentre(list, row));
}

inline void DoubleClickRow(QTreeView& list, int row)
{
    ASSERT_GE(row, 0);
    const QPoint at = CellCentre(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

// The row that is selected, or -1.
inline int SelectedRow(const QTreeView& list)
{
    const QModelIndexList rows = list.selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

inline int CurrentRow(const QTreeView& list)
{
    return list.currentIndex().isValid() ? list.currentIndex().row() : -1;
}

}  // namespace orvanel::testing
