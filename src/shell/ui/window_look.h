#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace orvanel {

// The light blue-grey that the main window and the dialogs that edit data are painted in.
inline constexpr QColor kWindowColour{230, 235, 240};

// Fills the window's background with kWindowColour.
void PaintWindowColour(QWidget& window);

// A fixed frame with a title and a close box, and neither minimise nor maximise box.
void UseFixedDialogFrame(QWidget& window);

// Gives a control its object name, by which tests and accessibility tools find it.
template <class Control>
Control* Named(Control* control, const char* objectName)
{
    control->setObjectName(QLatin1String(objectName));
    return control;
}

}  // namespace orvanel
