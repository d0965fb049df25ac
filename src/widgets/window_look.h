#pragma once

#include <QColor>
#include <QString>

#include <initializer_list>

class QHBoxLayout;
class QPalette;
class QPushButton;
class QWidget;

namespace orvanel {

// The light blue-grey that the main window and the dialogs that edit data are painted in.
inline constexpr QColor kWindowColour{230, 235, 240};

// The dark text drawn on it, and the colours that go with it.
inline constexpr QColor kTextColour{20, 24, 28};
inline constexpr QColor kMutedTextColour{88, 94, 100};
inline constexpr QColor kButtonColour{242, 244, 246};
inline constexpr QColor kHighlightColour{38, 92, 160};

// A complete palette on kWindowColour: dark text on light fields, lists and buttons.
QPalette FixedColourPalette();

// Fills the window's background with kWindowColour, and gives it and its controls the colours
// of FixedColourPalette, which a change of the desktop's theme does not override; push buttons
// and tab bars, whose faces the desktop's style may paint itself, keep the desktop's colours.
void PaintWindowColour(QWidget& window);

// A fixed frame with a title and a close box, and neither minimise nor maximise box.
void UseFixedDialogFrame(QWidget& window);

// What every window of the program starts with: its object name, its title, the program's icon
// and the fixed frame.
void PrepareProgramWindow(QWidget& window, const char* objectName, const QString& title);

// A row of buttons pushed to the right edge, as the buttons that end a dialog stand.
QHBoxLayout* ButtonsAtRight(std::initializer_list<QWidget*> buttons);

// The width at which a button's caption, in its font, keeps the style's whitespace to the frame
// on both sides. The style's size hint reserves that whitespace once for both sides, so a long
// translated caption sized by it runs into the frame.
int WidthForCaption(const QPushButton& button);

// Gives a control its object name, by which tests and accessibility tools find it.
template <class Control>
Control* Named(Control* control, const char* objectName)
{
    control->setObjectName(QLatin1String(objectName));
    return control;
}

}  // namespace orvanel
