// A sort moves whole rows, in place: every row stays whole, none is lost or doubled, the column
// comes out in order, and rows of equal texts keep their order, in both directions.

#include "widgets/row_list_model.h"

#include "list_state/column_sorter.h"
#include "list_state/text_order.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>
#include <random>

namespace orvanel::testing {
namespace {

TEST(RowListModel, SortingMovesWholeRowsIntoAStableOrderAndARebuildReusesTheirMemory)
{
    // Column 0 a short text with many equals, column 1 the row's first place.
    RowListModelOf<QStringList> model{{"Text", "Place"},
                                      [](const QStringList& row, int c) { return row.value(c); }};
    std::mt19937 random(3);
    std::vector<QStringList> rows;
    for (int i = 0; i < 3000; ++i) {
        QString text;
        for (int n = 0; n < 1 + static_cast<int>(random() % 3); ++n)
            text += QChar(QLatin1Char("aAbBc "[random() % 6]));
        rows.push_back({text, QString::number(i)});
    }
    model.setRows(rows);
    TlvPieskatitajs sorter(nullptr, 2);
    for (const int clicks : {1, 2}) {
        sorter.ColumnClick(0);
        model.sortRows(sorter);
        const bool descending = clicks == 2;
        ASSERT_EQ(model.rowCount(), 3000);
        std::vector<bool> seen(rows.size(), false);
        for (int r = 0; r < model.rowCount(); ++r) {
            const QStringList& row = model.row(r);
            const auto place = static_cast<size_t>(row[1].toInt());
            ASSERT_FALSE(seen[place]);
            seen[place] = true;
            EXPECT_EQ(row, rows[place]);
            if (r == 0)
                continue;
            const QStringList& before = model.row(r - 1);
            const int order = TextOrder(before[0], row[0]) * (descending ? -1 : 1);
            EXPECT_LE(order, 0) << r;
            if (order == 0) {  // equal texts: still in their first order, whatever the direction
                EXPECT_LT(before[1].toInt(), row[1].toInt()) << r;
            }
        }
    }

    const QStringList* storage = &model.rows().front();
    std::vector<QStringList> reused = model.takeRows();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(reused.empty());
    reused.push_back({"x", "0"});
    EXPECT_EQ(&reused.front(), storage);
}

}  // namespace
}  // namespace orvanel::testing
