#pragma once

#include <QColor>

class QPalette;

namespace orvanel {

// The colours the family picture is drawn in. Every text stands on `boxFill`.
struct FamilyColours {
    QColor background;
    QColor boxFill;
    QColor text;
    QColor mutedText;  // a deleted person's box: greyer than `text`, still readable
    QColor line;
    QColor accent;  // the chosen person's frame and the keyboard focus
};

// The least contrast of text to the colour behind it that the picture allows: what the usual
// accessibility guidelines ask of normal text.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours as the accessibility guidelines define it, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// `text` when it stands out from `background` at least kReadableContrast to one, otherwise
// black or white, whichever stands out more.
QColor ReadableOn(const QColor& text, const QColor& background);

// The colours of the desktop's theme, light or dark: the palette's window text on its base, made
// readable where the theme is not.
FamilyColours ThemeColours(const QPalette& palette);

// Black on white, for paper and for saved pictures, which are read outside the desktop.
FamilyColours PaperColours();

}  // namespace orvanel
