#pragma once

#include <QObject>

class QWidget;

namespace orvanel {

// While it lives, Escape does nothing in `window`: neither in the window itself nor in any
// control inside it, whichever has the focus. Windows inside it (a calendar popup, a box it
// opens) keep their own rule. For the windows without a cancel button, and for a question whose
// No would throw away a session: a stray key press must neither close nor answer them.
class EscapeIgnored final : public QObject {
public:
    explicit EscapeIgnored(QWidget& window);
    ~EscapeIgnored() override;
    EscapeIgnored(const EscapeIgnored&) = delete;
    EscapeIgnored& operator=(const EscapeIgnored&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};

}  // namespace orvanel
