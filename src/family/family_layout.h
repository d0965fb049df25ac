#pragma once

#include "family/family_tree.h"

#include <QString>
#include <vector>

namespace orvanel {

// The sizes the picture is laid out with, in abstract units (the window scales them to its font
// and zoom). Sizes below one unit and negative gaps are taken as one unit and no gap.
struct FamilyMetrics {
    double boxWidth = 160;
    double boxHeight = 64;
    double columnGap = 16;  // between two boxes of a generation
    double rowGap = 48;     // between two generations: the lines run here
};

// One person's box: the place `person` in Family::persons (the box of place i is box i).
struct FamilyBox {
    int person = 0;
    QString id;
    int generation = 0;
    double x = 0;  // left
    double y = 0;  // top
    double width = 0;
    double height = 0;
};

struct FamilyPoint {
    double x = 0;
    double y = 0;
    bool operator==(const FamilyPoint&) const = default;
};

// The line from a parent's box to a child's: down from the middle of the parent's bottom edge to
// a level of the gap that is this parent's alone, across, and down onto the child's top edge.
struct FamilyLine {
    int parentBox = 0;
    int childBox = 0;
    std::vector<FamilyPoint> points;
};

struct FamilyLayout {
    std::vector<FamilyBox> boxes;
    std::vector<FamilyLine> lines;
    // The boxes of each generation from the top, left to right.
    std::vector<std::vector<int>> rows;
    double width = 0;
    double height = 0;
};

// Where everything of the family goes. Generations are rows from the top, ancestors above the
// chosen person's row, descendants below; the picture starts at (0, 0). Each row is laid out from
// the one nearer the chosen person: a box goes as near as its row allows to the middle of the
// boxes it is linked to there, so a parent stands centred over their children and a parent's
// children in a block under them. No two boxes overlap, and a line runs only through the gap
// between its two rows, so it crosses no box.
FamilyLayout LayoutFamily(const Family& family, const FamilyMetrics& metrics);

}  // namespace orvanel
