// A sort orders whole rows: every row stays whole, none is lost or doubled, the column comes out
// in order, and rows of equal texts keep their order, in both directions.

#include "widgets/row_list_model.h"

#include "list_state/column_sorter.h"
#include "list_state/text_order.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>
#include <functional>
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

    // A sort moves no row: the one shown first still lies in the storage handed back.
    const QStringList* shownFirst = &model.row(0);
    std::vector<QStringList> reused = model.takeRows();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(reused.empty());
    EXPECT_TRUE(std::less_equal<>()(reused.data(), shownFirst)
                && std::less<>()(shownFirst, reused.data() + reused.capacity()));
}

// After a sort the rows still lie where they were given: removing, rewriting and appending must
// act on the row shown at that place, and the others keep their shown order.
TEST(RowListModel, EditsAfterASortActOnTheRowsShown)
{
    RowListModelOf<QString> model{{"Text"}, [](const QString& row, int) { return row; }};
    model.setRows({"d", "b", "e", "a", "c"});
    TlvPieskatitajs sorter(nullptr, 1);
    sorter.ColumnClick(0);
    model.sortRows(sorter);
    const auto shown = [&model] {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r)
            texts << model.cellText(r, 0);
        return texts;
    };
    ASSERT_EQ(shown(), QStringList({"a", "b", "c", "d", "e"}));
    model.removeRowAt(1);  // "b", given second
    EXPECT_EQ(shown(), QStringList({"a", "c", "d", "e"}));
    model.setRow(2, "D");
    model.appendRow("f");
    EXPECT_EQ(shown(), QStringList({"a", "c", "D", "e", "f"}));
    EXPECT_EQ(model.rows(), std::vector<QString>({"a", "c", "D", "e", "f"}));
    model.removeRowAt(0);  // "a", given fourth: the rows given after it move up in storage
    EXPECT_EQ(shown(), QStringList({"c", "D", "e", "f"}));
    sorter.ColumnClick(0);
    model.sortRows(sorter);
    EXPECT_EQ(shown(), QStringList({"f", "e", "D", "c"}));
}

}  // namespace
}  // namespace orvanel::testing
