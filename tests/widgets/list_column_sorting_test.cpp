#include "widgets/list_column_sorting.h"
#include "widgets/row_list_model.h"

#include "support/qt_printers.h"

#include <QItemSelectionModel>
#include <QTreeView>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

class ListColumnSorting : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<QStringList> rows;
        for (const char* name : {"bob", "Anna", "carl", "anna", "10", "9"})
            rows.push_back({QString::fromLatin1(name), QStringLiteral("x"),
                            QString::number(rows.size())});
        model.setRows(std::move(rows));
        ShowAsReportList(list, model, GridLines::Hidden);
    }

    QStringList column(int c) const
    {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r)
            texts << model.index(r, c).data().toString();
        return texts;
    }

    RowListModelOf<QStringList> model{{"A", "B", "C"},
                                      [](const QStringList& row, int c) { return row.value(c); }};
    QTreeView list;
    SorterList sorters;
};

TEST_F(ListColumnSorting, ClicksAlternateTheDirectionAndAnotherColumnStartsAscending)
{
    sorters.add(&list, model.columnCount());
    lv_RelativesColumnClick(sorters, list, 0);
    // Only a-z fold; equal texts keep their order; digits compare as text.
    EXPECT_EQ(column(0), (QStringList{"10", "9", "Anna", "anna", "bob", "carl"}));
    lv_RelativesColumnClick(sorters, list, 0);
    EXPECT_EQ(column(0), (QStringList{"carl", "bob", "Anna", "anna", "9", "10"}));
    lv_RelativesColumnClick(sorters, list, 0);
    EXPECT_EQ(column(0), (QStringList{"10", "9", "Anna", "anna", "bob", "carl"}));

    lv_RelativesColumnClick(sorters, list, 2);
    EXPECT_EQ(column(2), (QStringList{"0", "1", "2", "3", "4", "5"}));
    lv_RelativesColumnClick(sorters, list, 0);
    EXPECT_EQ(column(0).first(), QStringLiteral("10"));
}

TEST_F(ListColumnSorting, SelectedAndCurrentRowStayAfterASort)
{
    sorters.add(&list, model.columnCount());
    list.setCurrentIndex(model.index(2, 0));  // carl
    ASSERT_EQ(list.selectionModel()->selectedRows().size(), 1);
    int changes = 0;
    QObject::connect(list.selectionModel(), &QItemSelectionModel::currentChanged,
                     [&changes] { ++changes; });

    lv_RelativesColumnClick(sorters, list, 0);
    EXPECT_EQ(list.currentIndex().row(), 5);
    EXPECT_EQ(list.currentIndex().data().toString(), QStringLiteral("carl"));
    const QModelIndexList selected = list.selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first().row(), 5);
    EXPECT_EQ(changes, 0);
}

TEST_F(ListColumnSorting, ListWithoutSorterOrColumnIsLeftAlone)
{
    const QStringList before = column(0);
    lv_RelativesColumnClick(sorters, list, 0);
    EXPECT_EQ(column(0), before);

    sorters.add(&list, model.columnCount());
    lv_RelativesColumnClick(sorters, list, 7);
    EXPECT_EQ(column(0), before);
}

}  // namespace
}  // namespace orvanel::testing
