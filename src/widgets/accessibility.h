#pragma once

class QLabel;
class QString;
class QWidget;

namespace orvanel {

// A picture that is decoration only: it is left out of its window's controls as screen readers
// see them, and reads as nothing when asked for directly.
void HideFromScreenReaders(QLabel& picture);

// A label that is one line of a changing text: while it is empty, screen readers pass over it
// rather than announce the box around it in its place.
void SilentWhileEmpty(QLabel& label);

// A top-level window that is not a dialog: screen readers announce it as a window.
void AnnounceAsWindow(QWidget& window);

// A dialog that asks a question before something happens: screen readers announce it as an
// alert each time it is shown, as they do a message box.
void AnnounceAsAlert(QWidget& dialog);

// A label that tells what the window's last action did: screen readers read it as the window's
// status line. Change its text with ShowStatus.
void UseAsStatusLine(QLabel& label);
// Puts `text` in the status line and tells screen readers that it changed, also when the text
// is the same as before (the same count after another action is news too). Qt of this version
// has no announcement of its own; a status line's change is what screen readers are given.
void ShowStatus(QLabel& statusLine, const QString& text);

}  // namespace orvanel
