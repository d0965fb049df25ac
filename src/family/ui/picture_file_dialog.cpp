#include "family/ui/picture_file_dialog.h"

#include <QFileDialog>
#include <array>

namespace orvanel {

std::optional<PictureChoice> PictureFileDialog::choosePictureFile(const QString& suggestedPath)
{
    struct Filter {
        PictureFormat format;
        QString text;
    };
    const std::array<Filter, 3> filters{{
        {PictureFormat::Png, tr("PNG image (*.png)")},
        {PictureFormat::Svg, tr("SVG drawing (*.svg)")},
        {PictureFormat::Pdf, tr("PDF document (*.pdf)")},
    }};
    QStringList texts;
    for (const Filter& filter : filters)
        texts << filter.text;
    QString chosenFilter = texts.first();
    const QString path = QFileDialog::getSaveFileName(parent_, tr("Save Picture"), suggestedPath,
                                                      texts.join(QStringLiteral(";;")),
                                                      &chosenFilter);
    if (path.isEmpty())
        return std::nullopt;
    PictureChoice choice{path, PictureFormat::Png};
    for (const Filter& filter : filters) {
        if (filter.text == chosenFilter)
            choice.filter = filter.format;
    }
    return choice;
}

}  // namespace orvanel
