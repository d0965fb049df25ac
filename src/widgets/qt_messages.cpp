#include "widgets/qt_messages.h"

#include "widgets/escape_key.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace orvanel {

namespace {

// The box stands over the modal dialog when one is open, else over the active window; before
// any window is shown (a refused load) it stands alone.
QWidget* Owner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

}  // namespace

void QtMessages::error(const QString& text)
{
    QMessageBox::critical(Owner(), tr("Error"), text, QMessageBox::Ok);
}

void QtMessages::warning(const QString& text)
{
    QMessageBox::warning(Owner(), tr("Warning"), text, QMessageBox::Ok);
}

void QtMessages::information(const QString& text)
{
    QMessageBox::information(Owner(), tr("Information"), text, QMessageBox::Ok);
}

bool QtMessages::question(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    Owner());
    box.setObjectName(QStringLiteral("QuestionBox"));
    box.setAccessibleName(title);
    box.setDefaultButton(QMessageBox::Yes);
    QAbstractButton* yes = box.button(QMessageBox::Yes);
    QAbstractButton* no = box.button(QMessageBox::No);
    yes->setObjectName(QStringLiteral("btn_Yes"));
    yes->setAccessibleName(tr("Yes"));
    no->setObjectName(QStringLiteral("btn_No"));
    no->setAccessibleName(tr("No"));
    // Closing the box by its window's close button still means No: nothing is saved.
    box.setEscapeButton(no);
    // A stray Escape must not answer a question whose No throws away a whole session.
    const EscapeIgnored escapeIgnored(box);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace orvanel
