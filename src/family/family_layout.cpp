#include "family/family_layout.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace orvanel {

namespace {

struct Sizes {
    double width;
    double height;
    double columnGap;
    double rowGap;
};

Sizes SizesOf(const FamilyMetrics& metrics)
{
    return {std::max(metrics.boxWidth, 1.0), std::max(metrics.boxHeight, 1.0),
            std::max(metrics.columnGap, 0.0), std::max(metrics.rowGap, 0.0)};
}

// Orders one row by where its boxes would stand and puts them there as nearly as the row allows.
// Boxes that would stand at the same place (a parent's children, a child's parents) form a block
// centred on that place; the blocks go left to right, each pushed right just clear of the one
// before, and the row is then shifted as a whole so that on average its boxes stand where they
// would. `left` receives each box's left edge.
void PlaceRow(std::vector<int>& row, const std::vector<double>& wanted, const Sizes& sizes,
              std::vector<double>& left)
{
    std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
        return wanted[static_cast<size_t>(a)] < wanted[static_cast<size_t>(b)];
    });
    const double pitch = sizes.width + sizes.columnGap;
    double nextFree = std::numeric_limits<double>::lowest();
    double drift = 0;
    for (size_t first = 0; first < row.size();) {
        const double centre = wanted[static_cast<size_t>(row[first])];
        size_t end = first + 1;
        while (end < row.size() && wanted[static_cast<size_t>(row[end])] == centre)
            ++end;
        const double blockWidth = static_cast<double>(end - first) * pitch - sizes.columnGap;
        const double start = std::max(centre - blockWidth / 2, nextFree);
        for (size_t i = first; i < end; ++i) {
            left[static_cast<size_t>(row[i])] = start + static_cast<double>(i - first) * pitch;
            drift += start - (centre - blockWidth / 2);
        }
        nextFree = start + blockWidth + sizes.columnGap;
        first = end;
    }
    if (row.empty())
        return;
    const double shift = drift / static_cast<double>(row.size());
    for (const int box : row)
        left[static_cast<size_t>(box)] -= shift;
}

// Where each box of `row` would stand: in the middle of the boxes it is linked to in `linked`,
// which are placed. A box linked to none of them (no family read so makes one in the rows laid
// out outwards, but a family is plain data) stands where it stands now, or, not yet placed, in
// the block of the box before it.
void Want(const std::vector<int>& row, const std::vector<std::vector<int>>& linked,
          const std::vector<double>& left, const Sizes& sizes, bool placed,
          std::vector<double>& wanted)
{
    double previous = 0;
    for (const int box : row) {
        const std::vector<int>& others = linked[static_cast<size_t>(box)];
        double at = placed ? left[static_cast<size_t>(box)] + sizes.width / 2 : previous;
        if (!others.empty()) {
            double sum = 0;
            for (const int other : others)
                sum += left[static_cast<size_t>(other)] + sizes.width / 2;
            at = sum / static_cast<double>(others.size());
        }
        wanted[static_cast<size_t>(box)] = at;
        previous = at;
    }
}

}  // namespace

FamilyLayout LayoutFamily(const Family& family, const FamilyMetrics& metrics)
{
    FamilyLayout layout;
    const size_t count = family.persons.size();
    if (count == 0)
        return layout;
    const Sizes sizes = SizesOf(metrics);

    int top = 0;
    int bottom = 0;
    for (const FamilyPerson& person : family.persons) {
        top = std::min(top, person.generation);
        bottom = std::max(bottom, person.generation);
    }
    layout.rows.resize(static_cast<size_t>(bottom - top + 1));
    for (size_t i = 0; i < count; ++i)
        layout.rows[static_cast<size_t>(family.persons[i].generation - top)].push_back(
            static_cast<int>(i));

    // Only a link between neighbouring generations can be drawn in the gap between them.
    std::vector<std::vector<int>> parentsOf(count);
    std::vector<std::vector<int>> childrenOf(count);
    std::vector<FamilyLink> drawn;
    for (const FamilyLink& link : family.links) {
        const auto parent = static_cast<size_t>(link.parent);
        const auto child = static_cast<size_t>(link.child);
        if (parent >= count || child >= count ||
            family.persons[child].generation != family.persons[parent].generation + 1)
            continue;
        parentsOf[child].push_back(link.parent);
        childrenOf[parent].push_back(link.child);
        drawn.push_back(link);
    }

    // The chosen person's row first, as it comes; then each row from its neighbour nearer it.
    std::vector<double> left(count, 0);
    const auto own = static_cast<size_t>(-top);
    for (size_t i = 0; i < layout.rows[own].size(); ++i)
        left[static_cast<size_t>(layout.rows[own][i])] =
            static_cast<double>(i) * (sizes.width + sizes.columnGap);
    std::vector<double> wanted(count, 0);
    for (size_t r = own; r-- > 0;) {
        Want(layout.rows[r], childrenOf, left, sizes, false, wanted);
        PlaceRow(layout.rows[r], wanted, sizes, left);
    }
    for (size_t r = own + 1; r < layout.rows.size(); ++r) {
        Want(layout.rows[r], parentsOf, left, sizes, false, wanted);
        PlaceRow(layout.rows[r], wanted, sizes, left);
    }
    // Ancestors' rows grow wider upwards: two parents each with two parents of their own no
    // longer fit over one child. So down again from the top, each row under the one above it:
    // a person between their parents, and the chosen person's row, with the descendants' rows
    // below it, shifted as a whole to stand under its parents.
    for (size_t r = 1; r <= own; ++r) {
        Want(layout.rows[r], parentsOf, left, sizes, true, wanted);
        if (r < own) {
            PlaceRow(layout.rows[r], wanted, sizes, left);
            continue;
        }
        double offset = 0;
        int linked = 0;
        for (const int box : layout.rows[own]) {
            if (parentsOf[static_cast<size_t>(box)].empty())
                continue;
            offset += wanted[static_cast<size_t>(box)] - (left[static_cast<size_t>(box)] +
                                                          sizes.width / 2);
            ++linked;
        }
        if (linked == 0)
            break;
        offset /= linked;
        for (size_t below = own; below < layout.rows.size(); ++below) {
            for (const int box : layout.rows[below])
                left[static_cast<size_t>(box)] += offset;
        }
    }

    const double minLeft = *std::min_element(left.begin(), left.end());
    double maxRight = 0;
    layout.boxes.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const FamilyPerson& person = family.persons[i];
        FamilyBox& box = layout.boxes[i];
        box.person = static_cast<int>(i);
        box.id = person.id;
        box.generation = person.generation;
        box.x = left[i] - minLeft;
        box.y = static_cast<double>(person.generation - top) * (sizes.height + sizes.rowGap);
        box.width = sizes.width;
        box.height = sizes.height;
        maxRight = std::max(maxRight, box.x + box.width);
    }
    layout.width = maxRight;
    layout.height = static_cast<double>(layout.rows.size()) * (sizes.height + sizes.rowGap) -
                    sizes.rowGap;

    // Each parent with children below runs its lines at a level of the gap of its own, the
    // parents of a row spread over the gap from left to right; each child takes the lines of its
    // parents at points of its top edge spread the same way. So no two parents' lines run along
    // each other, and the lines into one child stay apart.
    std::vector<double> level(count, 0);
    for (size_t r = 0; r + 1 < layout.rows.size(); ++r) {
        std::vector<int> linking;
        for (const int box : layout.rows[r]) {
            if (!childrenOf[static_cast<size_t>(box)].empty())
                linking.push_back(box);
        }
        const double gapTop =
            static_cast<double>(r) * (sizes.height + sizes.rowGap) + sizes.height;
        for (size_t k = 0; k < linking.size(); ++k)
            level[static_cast<size_t>(linking[k])] =
                gapTop + sizes.rowGap * static_cast<double>(k + 1) /
                             static_cast<double>(linking.size() + 1);
    }
    for (std::vector<int>& parents : parentsOf) {
        std::sort(parents.begin(), parents.end(), [&](int a, int b) {
            return layout.boxes[static_cast<size_t>(a)].x < layout.boxes[static_cast<size_t>(b)].x;
        });
        parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
    }
    layout.lines.reserve(drawn.size());
    for (const FamilyLink& link : drawn) {
        const FamilyBox& parent = layout.boxes[static_cast<size_t>(link.parent)];
        const FamilyBox& child = layout.boxes[static_cast<size_t>(link.child)];
        const std::vector<int>& itsParents = parentsOf[static_cast<size_t>(link.child)];
        const auto nth = std::find(itsParents.begin(), itsParents.end(), link.parent) -
                         itsParents.begin();
        const double into = child.x + child.width * static_cast<double>(nth + 1) /
                                          static_cast<double>(itsParents.size() + 1);
        const double from = parent.x + parent.width / 2;
        const double at = level[static_cast<size_t>(link.parent)];
        layout.lines.push_back({link.parent,
                                link.child,
                                {{from, parent.y + parent.height},
                                 {from, at},
                                 {into, at},
                                 {into, child.y}}});
    }
    return layout;
}

}  // namespace orvanel
