#include "export/export_formats.h"

#include "export/csv_export.h"
#include "export/gedcom_export.h"
#include "export/vcard_export.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

constexpr const char* kVCardExtensions[] = {"vcf", "vcard"};
constexpr const char* kCsvExtensions[] = {"csv"};
constexpr const char* kGedcomExtensions[] = {"ged"};

ExportedFile WriteVCard(const std::vector<ExportedPerson>& persons, QDate today)
{
    return {VCardExport(persons, today), {}};
}

ExportedFile WriteCsv(const std::vector<ExportedPerson>& persons, QDate)
{
    return {CsvExport(persons), {}};
}

template <GedcomVersion version>
ExportedFile WriteGedcom(const std::vector<ExportedPerson>& persons, QDate today)
{
    GedcomFile file = GedcomExport(persons, version, today);
    return {std::move(file.bytes), file.report};
}

constexpr ExportFormatInfo kFormats[] = {
    {ExportFormat::VCard, "vcard", QT_TRANSLATE_NOOP("orvanel::ExportFormat", "vCard 4.0"),
     kVCardExtensions, WriteVCard},
    {ExportFormat::Csv, "csv",
     QT_TRANSLATE_NOOP("orvanel::ExportFormat", "Comma-separated values"), kCsvExtensions,
     WriteCsv},
    {ExportFormat::Gedcom551, "gedcom", QT_TRANSLATE_NOOP("orvanel::ExportFormat", "GEDCOM 5.5.1"),
     kGedcomExtensions, WriteGedcom<GedcomVersion::V551>},
    {ExportFormat::Gedcom70, "gedcom7", QT_TRANSLATE_NOOP("orvanel::ExportFormat", "GEDCOM 7.0"),
     kGedcomExtensions, WriteGedcom<GedcomVersion::V70>},
};

}  // namespace

std::span<const ExportFormatInfo> ExportFormatTable()
{
    return kFormats;
}

const ExportFormatInfo& InfoOf(ExportFormat format)
{
    for (const ExportFormatInfo& info : kFormats) {
        if (info.format == format)
            return info;
    }
    return kFormats[0];  // not reached: every format has its row
}

QString ExportFormatTitle(const ExportFormatInfo& info)
{
    return QCoreApplication::translate("orvanel::ExportFormat", info.title);
}

QString ExportFormatPatterns(const ExportFormatInfo& info)
{
    QStringList patterns;
    for (const char* extension : info.extensions)
        patterns << QStringLiteral("*.") + QLatin1String(extension);
    return patterns.join(QLatin1Char(' '));
}

}  // namespace orvanel
