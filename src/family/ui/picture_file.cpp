#include "family/ui/picture_file.h"

#include "export/person_export.h"
#include "store/durable_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <array>

namespace orvanel {

namespace {

struct FormatInfo {
    PictureFormat format;
    const char* extension;
};
constexpr std::array<FormatInfo, 3> kFormats{{
    {PictureFormat::Png, "png"},
    {PictureFormat::Svg, "svg"},
    {PictureFormat::Pdf, "pdf"},
}};

// A PNG of a family of a thousand children would be wider than any image memory holds: the
// picture is shrunk to this many pixels along its longer side.
constexpr double kLargestImageSide = 16000;
// A PDF page is at most 200 inches along a side, in points.
constexpr double kLargestPageSide = 14400;

QByteArray Png(const FamilyDrawing& drawing)
{
    const QSizeF size = PictureSize(drawing.layout);
    const double scale = std::min(1.0, kLargestImageSide / std::max(size.width(), size.height()));
    QImage image(std::max(1, qCeil(size.width() * scale)), std::max(1, qCeil(size.height() * scale)),
                 QImage::Format_RGB32);
    image.fill(drawing.colours.background);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        PaintFamily(painter, drawing, QRectF(QPointF(0, 0), size));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw IoError(QCoreApplication::translate("orvanel::PictureFile",
                                                  "The picture could not be made."));
    return bytes;
}

QByteArray Svg(const FamilyDrawing& drawing)
{
    const QSizeF size = PictureSize(drawing.layout);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(QCoreApplication::translate("orvanel::PictureFile", "Family"));
    {
        QPainter painter(&svg);
        PaintFamily(painter, drawing, QRectF(QPointF(0, 0), size));
    }
    return bytes;
}

QByteArray Pdf(const FamilyDrawing& drawing)
{
    const QSizeF size = PictureSize(drawing.layout);
    const double scale = std::min(1.0, kLargestPageSide / std::max(size.width(), size.height()));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        // One point a unit: the page is the picture's size.
        pdf.setResolution(72);
        pdf.setPageLayout(QPageLayout(
            QPageSize(QSizeF(std::max(1.0, size.width() * scale), std::max(1.0, size.height() * scale)),
                      QPageSize::Point, QString(), QPageSize::ExactMatch),
            QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(QCoreApplication::translate("orvanel::PictureFile", "Family"));
        QPainter painter(&pdf);
        painter.scale(scale, scale);
        PaintFamily(painter, drawing, QRectF(QPointF(0, 0), size));
    }
    return bytes;
}

}  // namespace

PictureTarget PictureTargetOf(const PictureChoice& choice)
{
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    for (const FormatInfo& info : kFormats) {
        if (suffix == QLatin1String(info.extension))
            return {choice.path, info.format};
    }
    for (const FormatInfo& info : kFormats) {
        if (info.format == choice.filter) {
            // A name without an extension gets the filter's; any other name is kept as typed.
            const QString path = suffix.isEmpty() && !choice.path.endsWith(QLatin1Char('.'))
                                     ? choice.path + QLatin1Char('.') + QLatin1String(info.extension)
                                     : choice.path;
            return {path, info.format};
        }
    }
    return {choice.path, choice.filter};
}

QByteArray RenderPicture(const FamilyDrawing& drawing, PictureFormat format)
{
    switch (format) {
    case PictureFormat::Svg:
        return Svg(drawing);
    case PictureFormat::Pdf:
        return Pdf(drawing);
    case PictureFormat::Png:
        break;
    }
    return Png(drawing);
}

void PrintPicture(const FamilyDrawing& drawing, QPagedPaintDevice& printer)
{
    QPainter painter(&printer);
    const QRectF page = painter.viewport();
    const QSizeF size = PictureSize(drawing.layout);
    const double scale =
        std::min({1.0, page.width() / size.width(), page.height() / size.height()});
    painter.scale(scale, scale);
    PaintFamily(painter, drawing, QRectF(QPointF(0, 0), size));
}

void WritePictureFile(const Register& reg, const QString& path, const QByteArray& bytes)
{
    if (IsRegisterFile(reg, path))
        //: %1 is the path of the file chosen for the picture.
        throw PictureRefused(QCoreApplication::translate("orvanel::PictureFile",
                                                         "The register's own files cannot be "
                                                         "replaced by a picture: %1")
                                 .arg(QDir::toNativeSeparators(path)));
    DurableFile file(path, QFileInfo(path).fileName());
    file.open();
    file.write(bytes.constData(), bytes.size());
    file.commit();
}

}  // namespace orvanel
