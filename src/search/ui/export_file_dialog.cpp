#include "search/ui/export_file_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace orvanel {

std::optional<ExportChoice> ExportFileDialog::chooseExportFile(const QString& suggestedPath)
{
    // One filter per format of the table, in its order: "vCard 4.0 (*.vcf *.vcard)".
    const std::span<const ExportFormatInfo> formats = ExportFormatTable();
    QStringList filters;
    for (const ExportFormatInfo& info : formats)
        //: %1 is the name of a file format, %2 the patterns of its file names (*.vcf *.vcard).
        filters << tr("%1 (%2)").arg(ExportFormatTitle(info), ExportFormatPatterns(info));
    QFileDialog dialog(parent_, tr("Export the listed persons"), suggestedPath,
                       filters.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("dlg_Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    auto formatOf = [&](const QString& filter) -> const ExportFormatInfo& {
        const qsizetype index = filters.indexOf(filter);
        return index < 0 ? formats.front() : formats[static_cast<size_t>(index)];
    };
    // A name typed without an extension gets the chosen format's, before the dialog asks
    // whether to replace an existing file of that name.
    dialog.setDefaultSuffix(QLatin1String(formats.front().extensions.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(QLatin1String(formatOf(filter).extensions.front()));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ExportChoice{dialog.selectedFiles().constFirst(),
                        formatOf(dialog.selectedNameFilter()).format};
}

}  // namespace orvanel
