#pragma once

#include "store/clock.h"
#include "store/code_page.h"
#include "store/document.h"
#include "store/id_conversion.h"
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
    // Whether the own scan of a file in UTF-8 read it, rather than the parser.
    bool readByOwnScan = false;
};

// The file's bytes of one of its records; valid while `kept` is and unchanged.
inline QByteArrayView FileBytesOf(const KeptRegister& kept, int record)
{
    const RecordSpan span = kept.table.spanOf(record);
    return QByteArrayView(kept.bytes).sliced(span.begin, span.end - span.begin);
}

// Who reads the records: the own scan of a file in UTF-8 wherever it can, and the parser every
// other file, or the parser alone (so that tests can compare the two).
enum class KeptReader { OwnScanFirst, ParserOnly };

// Reads the bytes of a data file into a kept register in one streaming pass that builds no
// tree: the own scan of a file in UTF-8 in plain markup (store/utf8_markup_scan.h), the parser
// for every other file and every file the scan leaves. It refuses exactly what the load of a
// whole document refuses, in the same order and words, and throws ParseStopped when `progress`
// stops it.
KeptRegister ReadKeptRegister(QByteArray bytes, const Clock& clock,
                              LoadProgress* progress = nullptr,
                              KeptReader readers = KeptReader::OwnScanFirst);

}  // namespace orvanel
