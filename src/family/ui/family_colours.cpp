#include "family/ui/family_colours.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace orvanel {

namespace {

double Channel(double c)
{
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) +
           0.0722 * Channel(rgb.blueF());
}

QColor Mixed(const QColor& a, const QColor& b, double share)
{
    const QColor x = a.toRgb();
    const QColor y = b.toRgb();
    return QColor::fromRgbF(static_cast<float>(x.redF() * share + y.redF() * (1 - share)),
                            static_cast<float>(x.greenF() * share + y.greenF() * (1 - share)),
                            static_cast<float>(x.blueF() * share + y.blueF() * (1 - share)));
}

// As far from `text` towards `background` as readability allows: the grey of a deleted box.
QColor Muted(const QColor& text, const QColor& background)
{
    for (int percent = 55; percent < 100; percent += 5) {
        const QColor mixed = Mixed(text, background, percent / 100.0);
        if (ContrastRatio(mixed, background) >= kReadableContrast)
            return mixed;
    }
    return text;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& text, const QColor& background)
{
    if (ContrastRatio(text, background) >= kReadableContrast)
        return text;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

FamilyColours ThemeColours(const QPalette& palette)
{
    FamilyColours colours;
    colours.background = palette.color(QPalette::Active, QPalette::Window);
    colours.boxFill = palette.color(QPalette::Active, QPalette::Base);
    colours.text = ReadableOn(palette.color(QPalette::Active, QPalette::WindowText), colours.boxFill);
    colours.mutedText = Muted(colours.text, colours.boxFill);
    colours.line = ReadableOn(palette.color(QPalette::Active, QPalette::WindowText),
                              colours.background);
    colours.accent = palette.color(QPalette::Active, QPalette::Highlight);
    return colours;
}

FamilyColours PaperColours()
{
    FamilyColours colours;
    colours.background = Qt::white;
    colours.boxFill = Qt::white;
    colours.text = Qt::black;
    colours.mutedText = Muted(colours.text, colours.boxFill);
    colours.line = Qt::black;
    colours.accent = QColor(38, 92, 160);
    return colours;
}

}  // namespace orvanel
