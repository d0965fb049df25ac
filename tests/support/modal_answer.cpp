#include "support/modal_answer.h"

#include <QApplication>

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
    // A user acts once the dialog has taken the focus; where the window system never gives it,
    // a short wait stands in for that.
    if (dialog && dialog != alreadyOpen_ && dialog->isVisible() && !dialog->isActiveWindow()) {
        if (!seen_.isValid())
            seen_.start();
        if (seen_.elapsed() < kActivationWaitMs)
            return;
    }
    if (dialog && dialog != alreadyOpen_ && dialog->isVisible()) {
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
        ADD_FAILURE() << "timed out waiting for a modal dialog";
    }
}

}  // namespace orvanel::testing
