#include "shell/ui/window_look.h"

#include <QPalette>
#include <QWidget>

namespace orvanel {

void PaintWindowColour(QWidget& window)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, kWindowColour);
    window.setPalette(palette);
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
