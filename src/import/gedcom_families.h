#pragma once

#include "import/gedcom_file.h"
#include "import/gedcom_individual.h"
#include "import/import_batch.h"

#include <QStringView>
#include <vector>

namespace orvanel {

// Adds to `batch` the links the families and associations of the file make, each pair of
// persons once per kind:
// - each child is "child" of each parent of its family (HUSB, WIFE and CHIL of the FAM record,
//   and the FAMS and FAMC pointers of the persons, which most files write both ways);
// - the children of one family are "sibling"s of each other, or "twin"s where an association
//   says so; twins by association alone are twins too;
// - a family with two partners and no child counts as a childless partnership, and its events,
//   sources and other lines are counted;
// - a pointer to a record the file does not hold is left out and counted as a missing record;
// - a parent link that would make a person their own ancestor is left out and counted.
// Refuses a family of more than kMaxChildrenInFamily children and more than kMaxGedcomLinks
// links in all, which would take unbounded time and memory.
// `individualRecords` holds the INDI record of each person of the batch, whose pointers are in
// `individuals` at the same place; `familyRecords` the FAM records.
void LinkFamilies(const GedcomInput& file, const std::vector<int>& familyRecords,
                  const std::vector<int>& individualRecords,
                  const std::vector<GedcomIndividual>& individuals, ImportBatch& batch);

}  // namespace orvanel
