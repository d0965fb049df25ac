#pragma once

#include <QColor>

class QWidget;

namespace orvanel {

// The light blue-grey that the main window and the dialogs that edit data are painted in.
inline constexpr QColor kWindowColour{230, 235, 240};

// Fills the window's background with kWindowColour.
void PaintWindowColour(QWidget& window);

// A fixed frame with a title and a close box, and neither minimise nor maximise box.
void UseFixedDialogFrame(QWidget& window);

}  // namespace orvanel
