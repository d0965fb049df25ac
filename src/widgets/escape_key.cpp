#include "widgets/escape_key.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orvanel {

// The filter sits on the application, not on the window: a control that took the key for
// itself would otherwise keep it from the window's own filter, and a message box answers
// Escape from whichever of its buttons has the focus.
EscapeIgnored::EscapeIgnored(QWidget& window) : window_(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

EscapeIgnored::~EscapeIgnored()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool EscapeIgnored::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return false;
    // isAncestorOf stops at a window: a popup or a box over this one is not inside it.
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && (widget == &window_ || window_.isAncestorOf(widget));
}

}  // namespace orvanel
