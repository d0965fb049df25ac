#include "search/ui/export_file_dialog.h"

#include <QFileDialog>

namespace orvanel {

std::optional<ExportChoice> ExportFileDialog::chooseExportFile(const QString& suggestedPath)
{
    const QString vcard = tr("vCard 4.0 (*.vcf *.vcard)");
    const QString csv = tr("Comma-separated values (*.csv)");
    QFileDialog dialog(parent_, tr("Export the listed persons"), suggestedPath,
                       vcard + QStringLiteral(";;") + csv);
    dialog.setObjectName(QStringLiteral("dlg_Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the chosen format's, before the dialog asks
    // whether to replace an existing file of that name.
    dialog.setDefaultSuffix(QStringLiteral("vcf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(filter == csv ? QStringLiteral("csv") : QStringLiteral("vcf"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const ExportFormat format =
        dialog.selectedNameFilter() == csv ? ExportFormat::Csv : ExportFormat::VCard;
    return ExportChoice{dialog.selectedFiles().constFirst(), format};
}

}  // namespace orvanel
