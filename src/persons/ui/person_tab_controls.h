#pragma once

#include "store/person_fields.h"

#include <QList>
#include <QString>

class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace orvanel {

// A field of the person dialog whose text goes into the file as typed, with the caption the
// user knows it by: OK refuses a text the file cannot hold and shows the field.
struct StoredText {
    QWidget* control = nullptr;
    QString caption;
    QString text;
};
using StoredTexts = QList<StoredText>;

// The controls the person dialog's tabs are built of.
QLineEdit* FieldEdit(QWidget* page, const char* objectName);
QPlainTextEdit* FieldMemo(QWidget* page, const char* objectName);

// Puts a caption above its control and makes it the control's buddy, so that its mnemonic
// reaches the control and screen readers announce the control by the caption.
void Captioned(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control);

}  // namespace orvanel
