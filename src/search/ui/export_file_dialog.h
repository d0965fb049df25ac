#pragma once

#include "export/person_export.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace orvanel {

// Asks for the export file in the toolkit's save dialog, whose file-type filter picks the format.
class ExportFileDialog final : public ExportFileChooser {
    Q_DECLARE_TR_FUNCTIONS(ExportFileDialog)

public:
    explicit ExportFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<ExportChoice> chooseExportFile(const QString& suggestedPath) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace orvanel
