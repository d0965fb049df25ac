#pragma once

#include <QString>

namespace orvanel {

// What an export could not write as the register holds it. Only GEDCOM, which links persons
// through families, leaves anything out; vCard and CSV report nothing.
struct ExportReport {
    // Relationships that lead to a person outside the export: written on neither side.
    int relationsLeftOut = 0;
    // Relationships the format has no place for: a kind that is none of the four (a hand-edited
    // file) or a person related to themselves.
    int relationsUnwritable = 0;
    // Parents beyond the first two of a child. A family has two parent places, so each further
    // parent is written in a family of their own with the child: the link is kept, but a reader
    // sees the child in more than one family.
    int parentsInFamiliesOfTheirOwn = 0;
};

// What the report tells the user, one sentence per count that is not zero; empty when the
// export wrote everything.
QString ExportReportText(const ExportReport& report);

}  // namespace orvanel
