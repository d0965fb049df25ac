#pragma once

#include "family/family_layout.h"
#include "family/family_tree.h"
#include "family/ui/family_colours.h"

#include <QFont>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace orvanel {

// Everything the family picture is drawn from; the same for the window, the saved files and
// the printer. It only refers to the family and its layout, which the caller keeps.
struct FamilyDrawing {
    const Family& family;
    const FamilyLayout& layout;
    FamilyColours colours;
    QFont font;
    int focusBox = -1;  // framed as the keyboard's place; -1 for none (saved pictures)
};

// The space left free around the layout, in its units.
inline constexpr double kFamilyMargin = 16;

// Box sizes that hold four lines of `font` and a name of some twenty characters.
FamilyMetrics MetricsForFont(const QFont& font);

// The size of the whole picture in the layout's units, margins included.
QSizeF PictureSize(const FamilyLayout& layout);

// Draws the picture with its top left corner at the painter's origin, in the layout's units
// (the painter's transformation scales it). Only what meets `exposed` (same units) is drawn, so
// that a family of a thousand children scrolls as fast as a small one.
void PaintFamily(QPainter& painter, const FamilyDrawing& drawing, const QRectF& exposed);

}  // namespace orvanel
