#pragma once

#include "export/export_formats.h"
#include "export/export_report.h"
#include "store/errors.h"
#include "store/register.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvanel {

// The format a command line names: "vcard", "csv", "gedcom" (5.5.1) or "gedcom7"; nullopt for
// any other name.
std::optional<ExportFormat> ExportFormatNamed(const QString& name);

// What the user chose to export to: the file and the format of the chooser's file-type filter.
struct ExportChoice {
    QString path;
    ExportFormat filter = ExportFormat::VCard;
};

// Asks the user for the file to export to; behind an interface so that tests answer it.
class ExportFileChooser {
public:
    virtual ~ExportFileChooser() = default;
    // Nothing when the user cancelled. `suggestedPath` is where the chooser starts.
    virtual std::optional<ExportChoice> chooseExportFile(const QString& suggestedPath) = 0;
};

// The export would replace the register's data file or its backup.
class ExportRefused : public Error {
public:
    using Error::Error;
};

// The file the export writes and in which format. A name whose extension (any case) is one of
// the filter's format keeps that format; one of another format's (.vcf, .vcard, .csv, .ged) is
// written in that format whatever the filter said (.ged as 5.5.1 unless the filter chose 7.0);
// any other name takes the filter's format, and a name with no extension at all gets the
// format's.
struct ExportTarget {
    QString path;
    ExportFormat format = ExportFormat::VCard;
};
ExportTarget ExportTargetOf(const ExportChoice& choice);

// True when writing `path` would replace the register's data file or its backup: the same file
// reached by another spelling, through symbolic links (dangling ones too) or as a hard link.
bool IsRegisterFile(const Register& reg, const QString& path);

// Writes the persons with these IDs, in this order, to `target` through a durable file: the
// file is replaced only once all of it is on disk. Reports what the format left out. Throws
// ExportRefused for the register's own files, NodeNotFound for a broken record (nothing is
// written then) and IoError.
ExportReport ExportPersons(Register& reg, const QStringList& ids, const ExportTarget& target,
                           QDate today);

}  // namespace orvanel
