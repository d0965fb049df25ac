#pragma once

#include "import/gedcom_lines.h"
#include "import/import_batch.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace orvanel {

// What the readers of a file's records share: its lines, what its header says, and where each
// record is by its identifier.
struct GedcomInput {
    GedcomLineList lines;
    bool version7 = false;
    // Written by this program, whose files hold the register's ID in a REFN without a type.
    bool ours = false;
    QHash<QStringView, int> records;  // "@I1@" -> index of the record's level 0 line

    // A text value as the file means it: GEDCOM escapes an "@" as "@@" (5.5 and 5.5.1 wherever it
    // stands, 7.0 only at the start of a value).
    QString text(QStringView value) const;

    // The record that `pointer` ("@I1@") names, if the file holds one with `tag`; -1 otherwise.
    int record(QStringView pointer, QStringView tag) const;
};

// "@I1@": a pointer to a record, as opposed to a text. "@VOID@" (7.0) points nowhere on purpose.
bool IsPointer(QStringView value);
bool IsVoidPointer(QStringView value);

// Counts a structure this program has no place for in the batch's losses, once for the whole
// structure: sources and their citations, media, events other than birth, and everything else.
void CountUnkept(QStringView tag, ImportBatch& batch);

// Counts every subordinate line of `index` except those with one of the `kept` tags.
void CountUnkeptChildren(const GedcomInput& file, int index,
                         std::initializer_list<QStringView> kept, ImportBatch& batch);

}  // namespace orvanel
