#pragma once

#include "export/export_report.h"
#include "export/exported_person.h"

#include <optional>
#include <vector>

namespace orvanel {

// A family of the export, its persons given by their place in the exported list.
struct GedcomFamily {
    std::optional<size_t> husband;
    std::optional<size_t> wife;
    std::vector<size_t> children;  // in the exported order
};

// The families and twins that the relationships between exported persons make, each link once
// however many records or sides hold it.
struct GedcomLinks {
    std::vector<GedcomFamily> families;
    std::vector<std::vector<size_t>> twinsOf;  // per exported person, their twins
    ExportReport report;
};

// Rebuilds families from the relationships:
// - Children with the same set of parents share one family. A parent of known sex takes the
//   place of that sex (HUSB for "M", WIFE for "F") when it is free; then every other parent, in
//   the order the child's records name them, takes the first free place, HUSB before WIFE. Two
//   mothers thus become WIFE and HUSB, and a parent of unknown sex takes the place left free.
// - Beyond two parents: the first two form the family and each further one a family of their
//   own with the same children (counted in the report), since a family has only two places.
// - Siblings and twins who share no such family share one with only children, all those that
//   sibling and twin links join, so that a reader sees them as siblings all the same.
// - Twins also get each other in `twinsOf`.
// Relationships that lead outside the export, name a kind that is none of the four or relate a
// person to themselves are left out and counted.
GedcomLinks GedcomFamilies(const std::vector<ExportedPerson>& persons);

}  // namespace orvanel
