#pragma once

#include "family/ui/family_painting.h"
#include "store/errors.h"
#include "store/register.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QPagedPaintDevice;

namespace orvanel {

enum class PictureFormat { Png, Svg, Pdf };

// What the user chose to save the picture to: the file and the format of the chooser's filter.
struct PictureChoice {
    QString path;
    PictureFormat filter = PictureFormat::Png;
};

// Asks the user for the file to save the picture to; behind an interface so that tests answer.
class PictureFileChooser {
public:
    virtual ~PictureFileChooser() = default;
    // Nothing when the user cancelled. `suggestedPath` is where the chooser starts.
    virtual std::optional<PictureChoice> choosePictureFile(const QString& suggestedPath) = 0;
};

// The picture would replace the register's data file or its backup.
class PictureRefused : public Error {
public:
    using Error::Error;
};

// The file to write and its format: a name ending in .png, .svg or .pdf (any case) is written in
// that format whatever the filter said; a name without one gets the filter's extension added.
struct PictureTarget {
    QString path;
    PictureFormat format = PictureFormat::Png;
};
PictureTarget PictureTargetOf(const PictureChoice& choice);

// The whole picture as the bytes of a file of `format`: PNG (pixels, one per layout unit, less
// for a picture too large to hold in memory), SVG, or PDF (vector, one page).
QByteArray RenderPicture(const FamilyDrawing& drawing, PictureFormat format);

// Draws the whole picture on the pages' first page, shrunk to fit where it is larger.
void PrintPicture(const FamilyDrawing& drawing, QPagedPaintDevice& printer);

// Writes `bytes` to `path` through a durable file, so that a failed write leaves any file of
// that name as it was. Throws PictureRefused for the register's own files, and IoError.
void WritePictureFile(const Register& reg, const QString& path, const QByteArray& bytes);

}  // namespace orvanel
