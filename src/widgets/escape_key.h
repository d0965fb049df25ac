#pragma once

#include <QKeyEvent>

namespace orvanel {

// Dialogs without a cancel button must not close on a stray Esc: a key handler calls this first
// and stops when it returns true, having accepted the key so it goes no further.
inline bool SwallowEscape(QKeyEvent& event)
{
    if (event.key() != Qt::Key_Escape)
        return false;
    event.accept();
    return true;
}

}  // namespace orvanel
