#include "import/ui/import_file_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace orvanel {

std::optional<QString> ImportFileDialog::chooseImportFile(const QString& folder)
{
    const QStringList filters{
        tr("All importable files (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)"),
        tr("GEDCOM (*.ged *.GED)"),
        tr("vCard (*.vcf *.VCF *.vcard)"),
        tr("Comma-separated values (*.csv *.CSV)"),
        tr("All files (*)"),
    };
    QFileDialog dialog(parent_, tr("Import persons"), folder,
                       filters.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("dlg_ImportFile"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace orvanel
