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

// How long a widget test waits for a state it expects: generous, since a busy machine may be
// slow to show and activate windows; a wait ends as soon as the state is reached.
inline constexpr int kPatienceMs = 30000;

// Acts on the next modal dialog that is shown while this object lives, once it is the active
// window, so that its keyboard focus and key presses behave as for a user: `act` fills and
// clicks its controls. A dialog that does not appear, or is still open long after `act`, fails
// the test and is closed, so no test can hang in a modal loop. Must outlive the action that
// shows the dialog.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QDialog&)> act, int timeoutMs = kPatienceMs);
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

    QElapsedTimer waiting_;
    QTimer poll_;
    QTimer watchdog_;
    bool answered_ = false;
};

// Closes any modal dialog shown while this object lives, and tells whether one was: for actions
// that must not open one. Unlike a timer, it cannot outlive the test and act on a later one.
class NoModalDialog {
public:
    NoModalDialog();
    NoModalDialog(const NoModalDialog&) = delete;
    NoModalDialog& operator=(const NoModalDialog&) = delete;

    bool dialogShown() const { return shown_; }

private:
    QPointer<QWidget> alreadyOpen_;
    QTimer poll_;
    bool shown_ = false;
};

// Lets events run until `done` holds or kPatienceMs pass; true when it held.
bool WaitUntil(const std::function<bool()>& done);

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
