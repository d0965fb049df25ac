#include "list_state/column_sorter.h"
#include "list_state/row_order.h"
#include "list_state/sorter_list.h"
#include "list_state/text_order.h"
#include "support/qt_printers.h"

#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <gtest/gtest.h>
#include <vector>

namespace orvanel {
namespace {

// The row numbers of rows given as their column texts, in the sorter's order, through the sort
// the lists use; a row lacking the sort column's text shows the empty text there, as a list does.
std::vector<int> SortedRows(const TlvPieskatitajs& sorter, const std::vector<QStringList>& rows)
{
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(sorter, order, [&rows](int row, int column) {
        return column < rows[row].size() ? rows[row][column] : QString();
    });
    return order;
}

// The same through the sort that reads one text of each group of rows with the same text
// number: here each exact text its own number, so that texts alike but for case differ in it.
// The row `numberless`, if any, has none, and the sort must read every text instead.
std::vector<int> SortedRowsByNumbers(const TlvPieskatitajs& sorter,
                                     const std::vector<QStringList>& rows, int numberless = -1)
{
    QStringList known;
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    SortRowOrder(
        sorter, order,
        [&rows](int row, int column, std::u16string& out) {
            out += rows[row][column].toStdU16String();
        },
        [&](int row, int column) -> std::optional<std::uint64_t> {
            if (row == numberless)
                return std::nullopt;
            if (!known.contains(rows[row][column]))
                known << rows[row][column];
            // Numbers far apart, and the largest one there is among them.
            return ~(static_cast<std::uint64_t>(known.indexOf(rows[row][column])) * 7919);
        });
    return order;
}

TEST(TextOrder, FoldsOnlyAsciiLettersThenComparesCodesThenLength)
{
    EXPECT_EQ(TextOrder(u"smith", u"SMITH"), 0);
    EXPECT_LT(TextOrder(u"ab", u"abc"), 0);
    EXPECT_GT(TextOrder(u"abc", u"ab"), 0);
    EXPECT_LT(TextOrder(u"apple", u"Zed"), 0);
    EXPECT_LT(TextOrder(u"", u"a"), 0);
    EXPECT_EQ(TextOrder(u"", u""), 0);
    // Texts, never numbers; stored dates sort as text.
    EXPECT_LT(TextOrder(u"10", u"9"), 0);
    EXPECT_LT(TextOrder(u"1950/10/1", u"1950/2/1"), 0);
    // Accented letters keep their codes: É (0xC9) and é (0xE9) differ, and both follow z.
    EXPECT_LT(TextOrder(u"\u00C9", u"\u00E9"), 0);
    EXPECT_GT(TextOrder(u"\u00E9", u"z"), 0);
    // Characters between Z and a compare against the folded letter: "_" (95) is above "A".
    EXPECT_GT(TextOrder(u"_", u"a"), 0);
    EXPECT_EQ(TextOrder(u"b", u"a"), 1);  // a difference of codes, not only a sign
}

TEST(TlvPieskatitajs, StartsOnFirstColumnWithNoDirection)
{
    int list = 0;
    const TlvPieskatitajs sorter(&list, 7);
    EXPECT_EQ(sorter.ListView(), &list);
    EXPECT_EQ(sorter.ColumnCount(), 7);
    EXPECT_EQ(sorter.SortColumn(), 0);
    EXPECT_EQ(sorter.Directions(), std::vector<quint8>(7, 0));
    // No direction chosen sorts ascending.
    EXPECT_FALSE(sorter.descending());
    EXPECT_EQ(SortedRows(sorter, {{"b"}, {"a"}}), (std::vector<int>{1, 0}));
}

TEST(TlvPieskatitajs, ClicksAlternateAndAnotherColumnForgetsTheDirection)
{
    int list = 0;
    TlvPieskatitajs sorter(&list, 4);
    ASSERT_TRUE(sorter.ColumnClick(1));
    EXPECT_EQ(sorter.Direction(1), SortDirection::Ascending);
    sorter.ColumnClick(1);
    EXPECT_EQ(sorter.Direction(1), SortDirection::Descending);
    EXPECT_TRUE(sorter.descending());
    EXPECT_EQ(SortedRows(sorter, {{"x", "a"}, {"x", "b"}}), (std::vector<int>{1, 0}));
    sorter.ColumnClick(1);
    EXPECT_EQ(sorter.Direction(1), SortDirection::Ascending);

    sorter.ColumnClick(1);  // descending again, then move to another column
    sorter.ColumnClick(3);
    EXPECT_EQ(sorter.SortColumn(), 3);
    EXPECT_EQ(sorter.Directions(), (std::vector<quint8>{0, 0, 0, 1}));
    sorter.ColumnClick(1);  // starts ascending, not descending
    EXPECT_EQ(sorter.Directions(), (std::vector<quint8>{0, 1, 0, 0}));
}

TEST(TlvPieskatitajs, FirstClickOnFirstColumnKeepsAscendingSecondReverses)
{
    int list = 0;
    TlvPieskatitajs sorter(&list, 3);
    const std::vector<QStringList> rows = {{"b"}, {"c"}, {"a"}};
    const std::vector<int> before = SortedRows(sorter, rows);
    sorter.ColumnClick(0);
    EXPECT_EQ(SortedRows(sorter, rows), before);
    EXPECT_EQ(before, (std::vector<int>{2, 0, 1}));
    sorter.ColumnClick(0);
    EXPECT_EQ(SortedRows(sorter, rows), (std::vector<int>{1, 0, 2}));
}

TEST(TlvPieskatitajs, IgnoresColumnsTheListDoesNotHave)
{
    int list = 0;
    TlvPieskatitajs sorter(&list, 2);
    sorter.ColumnClick(1);
    EXPECT_FALSE(sorter.ColumnClick(2));
    EXPECT_FALSE(sorter.ColumnClick(-1));
    EXPECT_EQ(sorter.SortColumn(), 1);
    EXPECT_EQ(sorter.Directions(), (std::vector<quint8>{0, 1}));
}

TEST(TlvPieskatitajs, SortsRowsBySortColumnWithEmptyCellsFirst)
{
    int list = 0;
    TlvPieskatitajs sorter(&list, 3);
    sorter.ColumnClick(2);
    const std::vector<QStringList> rows = {{"a", "z", "b"}, {"z", "a", ""}};
    EXPECT_EQ(SortedRows(sorter, rows), (std::vector<int>{1, 0}));
    sorter.ColumnClick(2);
    EXPECT_EQ(SortedRows(sorter, rows), (std::vector<int>{0, 1}));
}

TEST(SorterList, FindsTheFirstSorterOfAListInRegistrationOrder)
{
    int relatives = 0;
    int persons = 0;
    int all = 0;
    int unregistered = 0;
    SorterList sorters;
    TlvPieskatitajs& first = sorters.add(&relatives, 5);
    sorters.add(&persons, 4);
    TlvPieskatitajs& third = sorters.add(&all, 7);
    sorters.add(&relatives, 2);  // a second registration is never found

    ASSERT_EQ(sorters.count(), 4);
    EXPECT_EQ(&sorters.at(0), &first);
    EXPECT_EQ(&sorters.at(2), &third);
    EXPECT_EQ(FindSorter(sorters, &relatives), &first);
    EXPECT_EQ(FindSorter(sorters, &all), &third);
    EXPECT_EQ(FindSorter(sorters, &unregistered), nullptr);

    // State kept by one sorter is seen through a later lookup.
    FindSorter(sorters, &all)->ColumnClick(3);
    EXPECT_EQ(FindSorter(std::as_const(sorters), &all)->SortColumn(), 3);
}

TEST(SortRowOrder, SortsByColumnInBothDirectionsAndKeepsTiesInTheirOrder)
{
    int list = 0;
    TlvPieskatitajs sorter(&list, 3);
    const std::vector<QStringList> rows = {
        {"AB0003-1", "smith", "1950/2/1"},
        {"AB0001-7", "Adams", "1950/10/1"},
        {"AB0002-4", "SMITH", ""},
        {"AB0004-8", "Smith", "1950/2/1"},
    };
    sorter.ColumnClick(1);
    EXPECT_EQ(SortedRows(sorter, rows), (std::vector<int>{1, 0, 2, 3}));
    sorter.ColumnClick(1);
    // Descending reverses the groups but not the rows within a group of equal texts.
    EXPECT_EQ(SortedRows(sorter, rows), (std::vector<int>{0, 2, 3, 1}));

    sorter.ColumnClick(2);
    EXPECT_EQ(SortedRows(sorter, rows), (std::vector<int>{2, 1, 0, 3}));
}

TEST(SortRowOrder, SortsAGivenSubsetAndKeepsItsTieOrder)
{
    int list = 0;
    TlvPieskatitajs sorter(&list, 2);
    sorter.ColumnClick(1);
    const QStringList texts = {"b", "a", "b", "a", "c"};
    std::vector<int> order = {4, 3, 2, 1};  // a previous order; row 0 is not in the list
    SortRowOrder(sorter, order, [&texts](int row, int column) {
        return column == 1 ? texts[row] : QString();
    });
    EXPECT_EQ(order, (std::vector<int>{3, 1, 2, 4}));
}

TEST(SortRowOrder, MatchesAComparisonSortWithTextOrder)
{
    QRandomGenerator random(11);
    // Units that differ in either byte, and texts long enough, half of them with a common
    // beginning, to be compared several units at a time; nearly every text its own.
    const QString alphabet = QStringLiteral("abAB_`z{\u00E9\u00FF\u0100");
    std::vector<QStringList> distinct;
    for (int i = 0; i < 600; ++i) {
        QString text = random.bounded(2) ? QStringLiteral("19-0") : QString();
        for (int n = random.bounded(9); n > 0; --n)
            text += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
        distinct.push_back({text});
    }
    // Few texts, each on many rows, some alike but for case: sorted by groups of equal texts.
    std::vector<QStringList> repeated;
    for (int i = 0; i < 2000; ++i) {
        QString text;
        for (int n = random.bounded(3); n > 0; --n)
            text += QStringLiteral("aAb\u00E9")[random.bounded(4)];
        repeated.push_back({text});
    }
    for (const std::vector<QStringList>* rows : {&distinct, &repeated}) {
        int list = 0;
        TlvPieskatitajs sorter(&list, 1);
        for (int click = 0; click < 2; ++click) {
            sorter.ColumnClick(0);
            std::vector<int> expected(rows->size());
            std::iota(expected.begin(), expected.end(), 0);
            // A comparison sort by TextOrder alone, negated when descending, is the reference.
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const int order = TextOrder((*rows)[a][0], (*rows)[b][0]);
                return (sorter.descending() ? -order : order) < 0;
            });
            EXPECT_EQ(SortedRows(sorter, *rows), expected) << "click " << click;
            EXPECT_EQ(SortedRowsByNumbers(sorter, *rows), expected) << "click " << click;
            EXPECT_EQ(SortedRowsByNumbers(sorter, *rows, 5), expected) << "click " << click;
        }
    }
}

// A list this long is sorted in two halves at once and merged: ties across the halves must keep
// their order in both directions.
TEST(SortRowOrder, SortsALongListInTwoHalvesAsInOne)
{
    QRandomGenerator random(5);
    const QString alphabet = QStringLiteral("aAb9-\u00E9");
    std::vector<QStringList> rows;
    for (int i = 0; i < 70000; ++i) {
        QString text;
        for (int n = 2 + random.bounded(7); n > 0; --n)
            text += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
        rows.push_back({i % 10 == 9 ? rows[random.bounded(i) / 2][0] : text});
    }
    int list = 0;
    TlvPieskatitajs sorter(&list, 1);
    for (int click = 0; click < 2; ++click) {
        sorter.ColumnClick(0);
        std::vector<int> expected(rows.size());
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const int order = TextOrder(rows[a][0], rows[b][0]);
            return (sorter.descending() ? -order : order) < 0;
        });
        EXPECT_EQ(SortedRows(sorter, rows), expected) << "click " << click;
    }
}

}  // namespace
}  // namespace orvanel
