#pragma once

#include "export/export_report.h"
#include "export/exported_person.h"
#include "export/gedcom_lines.h"

#include <QByteArray>
#include <QDate>
#include <vector>

namespace orvanel {

struct GedcomFile {
    QByteArray bytes;
    ExportReport report;
};

// The persons as a GEDCOM file of `version`, UTF-8: a header with the program, the version and
// `today`, one INDI per person in the order given (@I1@, @I2@, ...), the families that
// GedcomFamilies rebuilds from their relationships (@F1@, ...), the submitter (5.5.1) and TRLR.
// `today` also reads the stored birth dates as the rest of the program does.
GedcomFile GedcomExport(const std::vector<ExportedPerson>& persons, GedcomVersion version,
                        QDate today);

}  // namespace orvanel
