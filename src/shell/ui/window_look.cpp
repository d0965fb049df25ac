#include "shell/ui/window_look.h"

#include <QPalette>
#include <QWidget>

namespace orvanel {

QPalette FixedColourPalette()
{
    // Every colour is derived from the fixed window colour, so that the captions, fields, lists
    // and buttons on it stay dark on light whatever theme the desktop uses: a dark theme's light
    // text on this light background could not be read.
    QPalette palette(kWindowColour, kWindowColour);
    palette.setColor(QPalette::Button, kButtonColour);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, kTextColour);
        palette.setColor(group, QPalette::Text, kTextColour);
        palette.setColor(group, QPalette::ButtonText, kTextColour);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, kWindowColour);
        palette.setColor(group, QPalette::ToolTipBase, Qt::white);
        palette.setColor(group, QPalette::ToolTipText, kTextColour);
        palette.setColor(group, QPalette::PlaceholderText, kMutedTextColour);
        palette.setColor(group, QPalette::Highlight, kHighlightColour);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kMutedTextColour);
    palette.setColor(QPalette::Disabled, QPalette::Text, kMutedTextColour);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kMutedTextColour);
    palette.setColor(QPalette::Disabled, QPalette::Base, kWindowColour);
    return palette;
}

void PaintWindowColour(QWidget& window)
{
    window.setPalette(FixedColourPalette());
    window.setAutoFillBackground(true);
}

void UseFixedDialogFrame(QWidget& window)
{
    // A dialog stays a dialog; a window without a parent is a top-level window.
    const Qt::WindowType type = window.windowType() == Qt::Widget ? Qt::Window : window.windowType();
    window.setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
}

}  // namespace orvanel
