#pragma once

#include "import/gedcom_file.h"
#include "import/import_batch.h"

#include <QStringView>
#include <vector>

namespace orvanel {

// The pointers that join a person of the file to others: the families they are a child of
// (FAMC) or a partner in (FAMS), and the persons they are a twin of (ASSO with the relation
// "twin").
struct GedcomIndividual {
    std::vector<QStringView> childOf;
    std::vector<QStringView> partnerIn;
    std::vector<QStringView> twinOf;
};

// Reads the INDI record at `index`: the person goes at the end of `batch.persons`, and their
// pointers are returned. What the register has no field for is counted in `batch`; a note
// pointer to a record the file lacks counts as a missing record. `notesUsed` gets the index of
// every NOTE or SNOTE record the person's notes point at.
GedcomIndividual ReadIndividual(const GedcomInput& file, int index, ImportBatch& batch,
                                std::vector<int>& notesUsed);

}  // namespace orvanel
