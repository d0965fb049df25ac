#include "widgets/confirm_dialog.h"

#include "widgets/accessibility.h"
#include "widgets/enter_key.h"
#include "widgets/pictures.h"
#include "widgets/window_look.h"

#include <QLabel>
#include <QPushButton>

namespace orvanel {

TForm_MB::TForm_MB(QWidget* parent) : QDialog(parent)
{
    PrepareProgramWindow(*this, "Form_MB", tr("Confirm"));
    setFixedSize(336, 95);
    AnnounceAsAlert(*this);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(12, 12, 36, 36);
    Image1->setPixmap(QuestionPicture());
    HideFromScreenReaders(*Image1);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Wraps within the dialog's fixed width, so a long question stays readable in any font.
    Label1->setWordWrap(true);
    Label1->setFixedWidth(266);
    Label1->move(58, 12);

    btn_Yes = new QPushButton(tr("&Yes"), this);
    btn_Yes->setObjectName(QStringLiteral("btn_Yes"));
    btn_Yes->setGeometry(84, 58, 80, 26);
    connect(btn_Yes, &QPushButton::clicked, this, [this] { done(Yes); });

    btn_No = new QPushButton(tr("&No"), this);
    btn_No->setObjectName(QStringLiteral("btn_No"));
    btn_No->setGeometry(172, 58, 80, 26);
    btn_No->setDefault(true);
    connect(btn_No, &QPushButton::clicked, this, [this] { done(No); });

    // No comes first in the tab order, so it holds the focus when the dialog opens.
    setTabOrder(btn_No, btn_Yes);
    EnterPressesFocusedButton(*this);
}

bool TForm_MB::confirm(const QString& title, const QString& question)
{
    setWindowTitle(title);
    Label1->setText(question);
    return exec() == Yes;
}

void TForm_MB::showEvent(QShowEvent* event)
{
    // The label sizes itself to the question the caller has just set.
    Label1->adjustSize();
    btn_No->setDefault(true);
    btn_No->setFocus();
    QDialog::showEvent(event);
}

}  // namespace orvanel
