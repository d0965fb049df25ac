#include "list_state/row_order.h"

#include <QRandomGenerator>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <exception>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>

namespace orvanel {

namespace {

// Lists from this long are sorted in two halves at once.
constexpr std::size_t kTwoHalvesFrom = 65536;

// Plain lexicographic order of two keys, compared four units at a time where the machine keeps
// the first unit in the low bits: dates of birth share most of their leading characters. At
// 980,000 rows of persons (bench_search_logic 1000000) the sort by date of birth took 437 ms
// comparing unit by unit and 283 ms this way, by ID 146 and 114 ms, by Surname 164 and 130 ms.
bool KeyLess(std::u16string_view a, std::u16string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 4 <= common; i += 4) {
            std::uint64_t x = 0;
            std::uint64_t y = 0;
            std::memcpy(&x, a.data() + i, sizeof x);
            std::memcpy(&y, b.data() + i, sizeof y);
            if (x != y) {
                const std::size_t unit = static_cast<std::size_t>(std::countr_zero(x ^ y)) / 16;
                return a[i + unit] < b[i + unit];
            }
        }
    }
    for (; i < common; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i];
    }
    return a.size() < b.size();
}

// Ranks each group by its key: equal keys share a rank, and with `descending` the last key has
// rank 0. Gives the number of ranks.
std::size_t RankGroups(const std::vector<std::u16string_view>& keys, bool descending,
                       std::vector<std::uint32_t>& rank)
{
    std::vector<std::uint32_t> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0u);
    std::sort(byKey.begin(), byKey.end(),
              [&](std::uint32_t a, std::uint32_t b) { return KeyLess(keys[a], keys[b]); });
    rank.assign(keys.size(), 0);
    std::uint32_t next = 0;
    for (std::size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && KeyLess(keys[byKey[i - 1]], keys[byKey[i]]))
            ++next;
        rank[byKey[i]] = next;
    }
    const std::size_t ranks = keys.empty() ? 0 : next + 1;
    if (descending) {
        for (std::uint32_t& r : rank)
            r = static_cast<std::uint32_t>(ranks - 1 - r);
    }
    return ranks;
}

// Places every item by its group's rank in one stable pass: items of one rank keep their order,
// in both directions, as in the comparison sort.
template <class Item>
void PlaceByRank(std::vector<Item>& items, const std::vector<std::uint32_t>& groupOf,
                 const std::vector<std::uint32_t>& rank, std::size_t ranks)
{
    // Where each rank's items begin.
    std::vector<std::size_t> begin(ranks + 1, 0);
    for (const std::uint32_t group : groupOf)
        ++begin[rank[group] + 1];
    std::partial_sum(begin.begin(), begin.end(), begin.begin());
    std::vector<Item> placed(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        placed[begin[rank[groupOf[i]]]++] = items[i];
    items.swap(placed);
}

// Sorts entries whose keys repeat (sexes, dates of birth, first names) by sorting each distinct
// key once and then placing every entry by its key's rank. Gives false, leaving the entries as
// they were, when a sixteenth of the keys or more are distinct, where the comparison sort is the
// better one. At 980,000 rows of persons (bench_search_logic 1000000) the sort by first name took
// 151 ms by comparisons and 79 ms by groups, by sex 95 and 48 ms, by date of birth 329 and
// 167 ms; by ID, every key its own, 142 and 137 ms, the grouping given up at a sixteenth.
template <class Entry, class KeyOf>
bool SortedByGroups(std::vector<Entry>& entries, const KeyOf& keyOf, bool descending)
{
    const std::size_t most = entries.size() / 16;
    std::unordered_map<std::u16string_view, std::uint32_t> groupOfKey;
    std::vector<std::u16string_view> groups;
    std::vector<std::uint32_t> groupOf;
    groupOf.reserve(entries.size());
    for (const Entry& entry : entries) {
        const auto [at, added] =
            groupOfKey.try_emplace(keyOf(entry), static_cast<std::uint32_t>(groups.size()));
        if (added) {
            if (groups.size() >= most)
                return false;
            groups.push_back(at->first);
        }
        groupOf.push_back(at->second);
    }
    std::vector<std::uint32_t> rank;
    const std::size_t ranks = RankGroups(groups, descending, rank);
    PlaceByRank(entries, groupOf, rank, ranks);
    return true;
}

// The groups of the cells' text numbers, looked up by open addressing, as a number is looked up
// for every row: at 980,000 rows of persons (bench_search_logic 1000000) the sort by date of
// birth took 65-67 ms with std::unordered_map and 50-52 ms with this, by ID 109-114 and 102 ms.
class NumberGroups {
public:
    explicit NumberGroups(std::size_t most)
        : slots_(std::bit_ceil(std::max<std::size_t>(16, most * 2 + 1)), Slot{kFree, 0}),
          seed_(QRandomGenerator::global()->generate64())
    {
    }

    // The number's group; a new group numbered `next` when it has none, and whether it is new.
    std::pair<std::uint32_t, bool> groupOf(std::uint64_t number, std::uint32_t next)
    {
        if (number == kFree) {
            // The one number a slot cannot hold has its group beside them.
            const bool added = freeGroup_ == kNoGroup;
            if (added)
                freeGroup_ = next;
            return {freeGroup_, added};
        }
        for (std::size_t i = Mix(number ^ seed_) & (slots_.size() - 1);;
             i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i].number == number)
                return {slots_[i].group, false};
            if (slots_[i].number == kFree) {
                slots_[i] = {number, next};
                return {next, true};
            }
        }
    }

private:
    static constexpr std::uint64_t kFree = ~std::uint64_t{0};
    // A bijective mix of the 64 bits, so that numbers in steps of a power of two spread.
    static std::uint64_t Mix(std::uint64_t x)
    {
        x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
        x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
        return x ^ (x >> 31);
    }
    struct Slot {
        std::uint64_t number;
        std::uint32_t group;
    };
    std::vector<Slot> slots_;
    std::uint64_t seed_;
    static constexpr std::uint32_t kNoGroup = ~std::uint32_t{0};  // more groups than rows
    std::uint32_t freeGroup_ = kNoGroup;
};

// The stable comparison sort. A long list is sorted in two halves at once, the first on a thread
// of its own, and the halves merged; ties stay in their order, as std::merge takes the first
// half's first. At 980,000 rows of persons the sort by ID took 112 ms in one piece and 81-88 ms
// this way (bench_search_logic 1000000), the relationship dialog's list by ID 133-134 and
// 116-125 ms (bench_person_logic 1000000).
template <class Entry, class Less>
void StableSortInTwo(std::vector<Entry>& entries, const Less& less)
{
    if (entries.size() < kTwoHalvesFrom) {
        std::stable_sort(entries.begin(), entries.end(), less);
        return;
    }
    const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
    std::exception_ptr failed;
    {
        const std::jthread first([&] {
            try {
                std::stable_sort(entries.begin(), middle, less);
            } catch (...) {
                failed = std::current_exception();
            }
        });
        std::stable_sort(middle, entries.end(), less);
    }
    if (failed)
        std::rethrow_exception(failed);
    std::vector<Entry> merged(entries.size());
    std::merge(entries.begin(), middle, middle, entries.end(), merged.begin(), less);
    entries.swap(merged);
}

enum class NumberSort { Sorted, NoNumbers, TooManyTexts };

// Sorts `order` by groups of the cells' text numbers, reading one text of each group: the rows of
// a register's shared texts (names, sexes, dates of birth) are grouped without reading a text of
// every row. Texts alike but for case have numbers of their own and share a rank. Gives up,
// leaving `order` as it was, where a cell has no number or a sixteenth of the rows or more have
// numbers of their own. At 980,000 rows of persons the sort by date of birth took 151-157 ms by
// groups of texts and 48-50 ms this way, by first name 73-75 and 33-35 ms, by surname 81-83 and
// 31 ms.
NumberSort SortedByTextNumbers(std::vector<int>& order, int column,
                               const AppendCellText& appendCellText,
                               const CellTextNumber& textNumber, bool descending)
{
    const std::size_t most = order.size() / 16;
    NumberGroups groups(most);
    std::vector<int> rowOfGroup;
    std::vector<std::uint32_t> groupOf;
    groupOf.reserve(order.size());
    for (const int row : order) {
        const std::optional<std::uint64_t> number = textNumber(row, column);
        if (!number)
            return NumberSort::NoNumbers;
        const auto [group, added] =
            groups.groupOf(*number, static_cast<std::uint32_t>(rowOfGroup.size()));
        if (added) {
            if (rowOfGroup.size() >= most)
                return NumberSort::TooManyTexts;
            rowOfGroup.push_back(row);
        }
        groupOf.push_back(group);
    }
    std::u16string keys;
    std::vector<std::size_t> starts;
    starts.reserve(rowOfGroup.size() + 1);
    for (const int row : rowOfGroup) {
        starts.push_back(keys.size());
        appendCellText(row, column, keys);
        FoldTextOrderKey(keys.data() + starts.back(), keys.data() + keys.size());
    }
    starts.push_back(keys.size());
    std::vector<std::u16string_view> groupKeys;
    groupKeys.reserve(rowOfGroup.size());
    for (std::size_t g = 0; g < rowOfGroup.size(); ++g)
        groupKeys.push_back(std::u16string_view(keys).substr(starts[g], starts[g + 1] - starts[g]));
    std::vector<std::uint32_t> rank;
    const std::size_t ranks = RankGroups(groupKeys, descending, rank);
    PlaceByRank(order, groupOf, rank, ranks);
    return NumberSort::Sorted;
}

}  // namespace

void SortRowOrder(const TlvPieskatitajs& sorter, std::vector<int>& order, const CellText& cellText)
{
    SortRowOrder(sorter, order, [&cellText](int row, int column, std::u16string& out) {
        const QString text = cellText(row, column);
        out.append(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
    });
}

void SortRowOrder(const TlvPieskatitajs& sorter, std::vector<int>& order,
                  const AppendCellText& appendCellText, const CellTextNumber& textNumber)
{
    const int column = sorter.SortColumn();
    const NumberSort byNumbers =
        textNumber ? SortedByTextNumbers(order, column, appendCellText, textNumber,
                                         sorter.descending())
                   : NumberSort::NoNumbers;
    if (byNumbers == NumberSort::Sorted)
        return;
    // All folded keys live in one buffer, and the entries being sorted stay small and next to
    // each other. Lexicographic order of the keys is TextOrder of the texts. Each text is asked
    // for once, as the buffer grows: a pass before only to size it read every cell twice.
    std::u16string keys;
    struct Entry {
        std::uint32_t start;
        std::uint32_t length;
        int place;  // position in `order`
    };
    std::vector<Entry> entries;
    entries.reserve(order.size());
    // Room for keys of 16 units before the first growth: pages it leaves unused are never
    // touched, where growth by doubling copied the keys and touched new pages again and again.
    // With the table's plain copy of ASCII texts (AppendUtf16), the sort by ID of 980,000 rows
    // took 102-103 ms against 146-149 ms without either.
    keys.reserve(order.size() * 16);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t start = keys.size();
        appendCellText(order[i], column, keys);
        FoldTextOrderKey(keys.data() + start, keys.data() + keys.size());
        entries.push_back({static_cast<std::uint32_t>(start),
                           static_cast<std::uint32_t>(keys.size() - start), static_cast<int>(i)});
    }
    const std::u16string_view all(keys);
    const auto keyOf = [&all](const Entry& e) { return all.substr(e.start, e.length); };

    // Texts with numbers of their own are as many as their numbers, but for case: no grouping.
    if (byNumbers == NumberSort::TooManyTexts ||
        !SortedByGroups(entries, keyOf, sorter.descending())) {
        const auto less = [&](const Entry& a, const Entry& b) { return KeyLess(keyOf(a), keyOf(b)); };
        if (sorter.descending())
            StableSortInTwo(entries, [&](const Entry& a, const Entry& b) { return less(b, a); });
        else
            StableSortInTwo(entries, less);
    }

    std::vector<int> sorted;
    sorted.reserve(order.size());
    for (const Entry& entry : entries)
        sorted.push_back(order[static_cast<std::size_t>(entry.place)]);
    order.swap(sorted);
}

}  // namespace orvanel
