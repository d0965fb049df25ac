#include "widgets/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>

namespace orvanel {

namespace {

// Sits on the buttons themselves, so it sees the key before the button or the dialog decide:
// a button that does not answer Enter passes it on to the dialog, which presses its default
// button instead, so that Enter on "Cancel" would apply what the user meant to cancel.
class EnterOnButton final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
        if (!enter || others != Qt::NoModifier)
            return false;
        key->accept();
        // A held key presses once: its repeats must not delete or apply a second time.
        auto* button = static_cast<QPushButton*>(watched);
        if (!key->isAutoRepeat() && button->isEnabled() && button->isVisible())
            button->click();
        return true;
    }
};

}  // namespace

void EnterPressesFocusedButton(QWidget& window)
{
    auto* filter = new EnterOnButton(&window);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

}  // namespace orvanel
