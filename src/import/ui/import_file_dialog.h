#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

namespace orvanel {

// Asks the user for the file to import; behind an interface so that tests answer it.
class ImportFileChooser {
public:
    virtual ~ImportFileChooser() = default;
    // Nothing when the user cancelled. `folder` is where the chooser starts.
    virtual std::optional<QString> chooseImportFile(const QString& folder) = 0;
};

// Asks in the toolkit's open dialog, its filters offering every importable file and each format.
class ImportFileDialog final : public ImportFileChooser {
    Q_DECLARE_TR_FUNCTIONS(ImportFileDialog)

public:
    explicit ImportFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<QString> chooseImportFile(const QString& folder) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace orvanel
