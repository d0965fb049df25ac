#pragma once

class QLabel;
class QWidget;

namespace orvanel {

// A picture that is decoration only: screen readers pass over it.
void HideFromScreenReaders(QLabel& picture);

// A label that is one line of a changing text: while it is empty, screen readers pass over it
// rather than announce the box around it in its place.
void SilentWhileEmpty(QLabel& label);

// A top-level window that is not a dialog: screen readers announce it as a window.
void AnnounceAsWindow(QWidget& window);

}  // namespace orvanel
