#include "widgets/list_column_sorting.h"

#include "support/qt_printers.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

class ListColumnSorting : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.setColumnCount(3);
        for (const char* name : {"bob", "Anna", "carl", "anna", "10", "9"})
            new QTreeWidgetItem(&list, {QString::fromLatin1(name), QStringLiteral("x"),
                                        QString::number(list.topLevelItemCount())});
    }

    QStringList column(int c) const
    {
        QStringList texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            texts << list.topLevelItem(i)->text(c);
        return texts;
    }

    QTreeWidget list;
    SorterList sorters;
};

TEST_F(ListColumnSorting, ClicksAlternateTheDirectionAndAnotherColumnStartsAscending)
{
    sorters.add(&list, list.columnCount());
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
    sorters.add(&list, list.columnCount());
    QTreeWidgetItem* carl = list.topLevelItem(2);
    list.setCurrentItem(carl);
    ASSERT_TRUE(carl->isSelected());
    int changes = 0;
    QObject::connect(&list, &QTreeWidget::currentItemChanged, [&changes] { ++changes; });

    lv_RelativesColumnClick(sorters, list, 0);
    EXPECT_EQ(list.indexOfTopLevelItem(carl), 5);
    EXPECT_EQ(list.currentItem(), carl);
    EXPECT_EQ(list.selectedItems(), QList<QTreeWidgetItem*>{carl});
    EXPECT_EQ(changes, 0);
}

TEST_F(ListColumnSorting, ListWithoutSorterOrColumnIsLeftAlone)
{
    const QStringList before = column(0);
    lv_RelativesColumnClick(sorters, list, 0);
    EXPECT_EQ(column(0), before);

    sorters.add(&list, list.columnCount());
    lv_RelativesColumnClick(sorters, list, 7);
    EXPECT_EQ(column(0), before);
}

}  // namespace
}  // namespace orvanel::testing
