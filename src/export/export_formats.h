#pragma once

#include "export/export_report.h"
#include "export/exported_person.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace orvanel {

enum class ExportFormat { VCard, Csv, Gedcom551, Gedcom70 };

// What a format's writer gives: the file's bytes and what it had to leave out.
struct ExportedFile {
    QByteArray bytes;
    ExportReport report;
};

// One export format: how the command line names it, the file chooser shows it, the file name
// ends, and who writes it. The command line, the chooser and the choice by extension all read
// this one table.
struct ExportFormatInfo {
    ExportFormat format;
    const char* commandName;
    // Translatable in the context "orvanel::ExportFormat"; the chooser adds the patterns.
    const char* title;
    // Lower case, without the dot; the first is given to a name that has none. Where formats
    // share an extension, the first of them in the table is the one the extension stands for.
    std::span<const char* const> extensions;
    ExportedFile (*write)(const std::vector<ExportedPerson>& persons, QDate today);
};

// Every format, in the order the chooser offers them.
std::span<const ExportFormatInfo> ExportFormatTable();

const ExportFormatInfo& InfoOf(ExportFormat format);

// The title in the user's language.
QString ExportFormatTitle(const ExportFormatInfo& info);

// The chooser's patterns for the format's extensions: "*.vcf *.vcard".
QString ExportFormatPatterns(const ExportFormatInfo& info);

}  // namespace orvanel
