#include "family/family_walk.h"

#include <cmath>

namespace orvanel {

namespace {

double CentreX(const FamilyBox& box)
{
    return box.x + box.width / 2;
}

// Keeps `candidate` in `best` when it stands nearer across to `from` than what `best` holds; of
// two equally near, the one to the left, so that the walk does not depend on the lines' order.
void KeepNearer(const FamilyLayout& layout, int from, int candidate, int& best)
{
    const double x = CentreX(layout.boxes[static_cast<size_t>(from)]);
    const double candidateX = CentreX(layout.boxes[static_cast<size_t>(candidate)]);
    if (best >= 0) {
        const double bestX = CentreX(layout.boxes[static_cast<size_t>(best)]);
        const double candidateOff = std::abs(candidateX - x);
        const double bestOff = std::abs(bestX - x);
        if (candidateOff > bestOff || (candidateOff == bestOff && candidateX >= bestX))
            return;
    }
    best = candidate;
}

}  // namespace

std::vector<FamilyNeighbours> WalkNeighbours(const FamilyLayout& layout)
{
    std::vector<FamilyNeighbours> neighbours(layout.boxes.size());
    for (const std::vector<int>& row : layout.rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            FamilyNeighbours& n = neighbours[static_cast<size_t>(row[i])];
            n.left = i > 0 ? row[i - 1] : -1;
            n.right = i + 1 < row.size() ? row[i + 1] : -1;
        }
    }
    for (const FamilyLine& line : layout.lines) {
        KeepNearer(layout, line.childBox, line.parentBox,
                   neighbours[static_cast<size_t>(line.childBox)].up);
        KeepNearer(layout, line.parentBox, line.childBox,
                   neighbours[static_cast<size_t>(line.parentBox)].down);
    }
    return neighbours;
}

}  // namespace orvanel
