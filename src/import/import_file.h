#pragma once

#include "import/import_batch.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace orvanel {

enum class ImportFormat { Gedcom, VCard, Csv };

// The largest file an import reads. Every reader holds the file's bytes and its decoded text at
// once, and the batch besides: a gigabyte of input is millions of persons already.
inline constexpr qint64 kMaxImportFileBytes = qint64{1} << 30;

// The format of a file to import: by its extension (.ged, .vcf, .vcard, .csv in any case), or,
// for any other name, by its first bytes `start`: "0 HEAD" (after a byte-order mark, UTF-16
// too) is GEDCOM, "BEGIN:VCARD" a vCard, anything else CSV.
ImportFormat ImportFormatOf(const QString& path, const QByteArray& start);

// The bytes of the file at `path`, read whole and only read. Throws IoError when it cannot be
// opened or read, ImportRefused when it holds more than kMaxImportFileBytes (a device that never
// ends too).
QByteArray ReadImportFile(const QString& path);

// Reads the file at `path` in its format into a batch, telling `progress` how far the reader
// has come. Throws what ReadImportFile and the readers throw.
ImportBatch ReadImport(const QString& path, ImportProgress* progress = nullptr);

}  // namespace orvanel
