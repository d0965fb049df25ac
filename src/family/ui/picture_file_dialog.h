#pragma once

#include "family/ui/picture_file.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace orvanel {

// Asks for the picture's file in the toolkit's save dialog, whose file-type filter picks the
// format.
class PictureFileDialog final : public PictureFileChooser {
    Q_DECLARE_TR_FUNCTIONS(PictureFileDialog)

public:
    explicit PictureFileDialog(QWidget* parent) : parent_(parent) {}
    std::optional<PictureChoice> choosePictureFile(const QString& suggestedPath) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace orvanel
