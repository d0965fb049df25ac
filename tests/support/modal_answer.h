#pragma once

// Answering modal dialogs from a widget test: the test states what to do with the next modal
// dialog, then starts the action that shows it.

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace orvanel::testing {

// Acts on the next modal dialog that is shown while this object lives: `act` fills and clicks
// its controls. A dialog that does not appear, or is still open some seconds after `act`, fails
// the test and is closed, so no test can hang in a modal loop. Must outlive the action that
// shows the dialog.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QDialog&)> act, int timeoutMs = 5000);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const { return answered_; }

private:
    void poll();

    std::function<void(QDialog&)> act_;
    int timeoutMs_;
    QPointer<QWidget> alreadyOpen_;
    QPointer<QDialog> dialog_;
    static constexpr int kActivationWaitMs = 1000;

    QElapsedTimer waiting_;
    QElapsedTimer seen_;  // since the dialog was first seen without the focus
    QTimer poll_;
    QTimer watchdog_;
    bool answered_ = false;
};

// The control of `window` with this object name; fails the test when there is none.
template <class Control>
Control* Find(const QWidget& window, const char* objectName)
{
    Control* control = window.findChild<Control*>(QLatin1String(objectName));
    EXPECT_NE(control, nullptr) << "no control " << objectName;
    return control;
}

// A caption as shown, without the mnemonic marker.
inline QString Shown(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

}  // namespace orvanel::testing
