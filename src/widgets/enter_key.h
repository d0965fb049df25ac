#pragma once

class QWidget;

namespace orvanel {

// Enter or Return on a focused push button of `window` presses that button and nothing else,
// whatever the window does with Enter typed elsewhere (a dialog's default button, an edit's own
// use of it). Call once the window's buttons are built; buttons added later are not covered.
void EnterPressesFocusedButton(QWidget& window);

}  // namespace orvanel
