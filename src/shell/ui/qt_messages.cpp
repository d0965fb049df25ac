#include "shell/ui/qt_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace orvanel {

namespace {

// The box stands over the modal dialog when one is open, else over the active window; before
// any window is shown (a refused load) it stands alone.
QWidget* owner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

}  // namespace

void QtMessages::error(const QString& text)
{
    QMessageBox::critical(owner(), tr("Error"), text, QMessageBox::Ok);
}

void QtMessages::warning(const QString& text)
{
    QMessageBox::warning(owner(), tr("Warning"), text, QMessageBox::Ok);
}

bool QtMessages::question(const QString& title, const QString& text)
{
    return QMessageBox::question(owner(), title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace orvanel
