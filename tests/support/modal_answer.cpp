#include "support/modal_answer.h"

#include <QApplication>
#include <QTest>

namespace orvanel::testing {

ModalAnswer::ModalAnswer(std::function<void(QDialog&)> act, int timeoutMs)
    : act_(std::move(act)), timeoutMs_(timeoutMs), alreadyOpen_(QApplication::activeModalWidget())
{
    waiting_.start();
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
    poll_.start();

    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (dialog_ && dialog_->isVisible()) {
            ADD_FAILURE() << "dialog " << dialog_->objectName().toStdString() << " left open";
            dialog_->reject();
        }
    });
}

ModalAnswer::~ModalAnswer()
{
    watchdog_.stop();
    // A poll that already gave up has reported its failure.
    if (!answered_ && poll_.isActive())
        ADD_FAILURE() << "no modal dialog was shown";
    poll_.stop();
}

void ModalAnswer::poll()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    // A dialog is visible before the window system has made it active; until then focus and
    // keys go nowhere, so acting earlier makes the test depend on the machine's speed.
    if (dialog && dialog != alreadyOpen_ && dialog->isVisible() && dialog->isActiveWindow()) {
        poll_.stop();
        answered_ = true;
        dialog_ = dialog;
        QObject::connect(dialog, &QDialog::finished, &watchdog_, &QTimer::stop);
        watchdog_.start(timeoutMs_);
        act_(*dialog);
        return;
    }
    if (waiting_.elapsed() > timeoutMs_) {
        poll_.stop();
        if (dialog && dialog != alreadyOpen_)
            ADD_FAILURE() << "dialog " << dialog->objectName().toStdString()
                          << " shown but never became the active window";
        else
            ADD_FAILURE() << "timed out waiting for a modal dialog";
    }
}

NoModalDialog::NoModalDialog() : alreadyOpen_(QApplication::activeModalWidget())
{
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != alreadyOpen_) {
            shown_ = true;
            modal->close();
        }
    });
    poll_.start();
}

bool WaitUntil(const std::function<bool()>& done)
{
    return QTest::qWaitFor(done, kPatienceMs);
}

}  // namespace orvanel::testing
