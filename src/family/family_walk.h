#pragma once

#include "family/family_layout.h"

#include <vector>

namespace orvanel {

// The boxes the arrow keys lead to from a box, so that the picture can be walked without being
// seen: -1 where there is none.
struct FamilyNeighbours {
    int up = -1;     // a parent: of those linked to the box, the one nearest across
    int down = -1;   // a child: of those linked to the box, the one nearest across
    int left = -1;   // the next box of the generation to the left
    int right = -1;  // and to the right
    bool operator==(const FamilyNeighbours&) const = default;
};

// The neighbours of every box, by box.
std::vector<FamilyNeighbours> WalkNeighbours(const FamilyLayout& layout);

}  // namespace orvanel
