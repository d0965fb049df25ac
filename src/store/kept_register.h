#pragma once

#include "store/clock.h"
#include "store/code_page.h"
#include "store/document.h"
#include "store/load.h"
#include "store/load_progress.h"
#include "store/record_table.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace orvanel {

// A register file read without a document: the file's own bytes, kept as they were read so
// that another program's later edit of the file cannot change them, and the table of its
// records. Untouched records are written back as these bytes.
struct KeptRegister {
    QByteArray bytes;
    FileForm form;
    QByteArray prolog;  // the file's own XML declaration, when it can be written back
    RecordTable table;
    QString idPrefix;
    CodePage idCodePage;
    // Identifiers converted to their current form, in file order, and the records that hold
    // them, which differ from their bytes from now on.
    std::vector<IdConversion> conversions;
    std::vector<int> changedRecords;
};

// Reads the bytes of a data file into a kept register in one streaming pass of the parser,
// which builds no tree. It refuses exactly what the load of a whole document refuses, in the
// same order and words, and throws ParseStopped when `progress` stops it.
KeptRegister ReadKeptRegister(QByteArray bytes, const Clock& clock,
                              LoadProgress* progress = nullptr);

}  // namespace orvanel
