#pragma once

#include "widgets/escape_key.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace orvanel {

// The yes/no question asked before something is deleted. The caller sets the title and the
// question, shows it modally and goes ahead only on Yes; No is the default answer.
class TForm_MB : public QDialog {
    Q_OBJECT

public:
    // The modal results. Closing the dialog from its title bar gives Rejected, which counts as No.
    enum Answer { Yes = QDialog::Accepted, No = 2 };

    explicit TForm_MB(QWidget* parent = nullptr);

    // Sets the title and the question, shows the dialog and tells whether the answer was Yes.
    bool confirm(const QString& title, const QString& question);

    QLabel* Label1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Image1 = nullptr;
    QPushButton* btn_Yes = nullptr;
    QPushButton* btn_No = nullptr;
    // No button stands for Esc: the answer is given with Yes, No or the close box.
    EscapeIgnored escapeIgnored_{*this};
};

}  // namespace orvanel
