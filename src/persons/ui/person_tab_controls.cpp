#include "persons/ui/person_tab_controls.h"

#include "widgets/line_edits.h"
#include "widgets/window_look.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orvanel {

QLineEdit* FieldEdit(QWidget* page, const char* objectName)
{
    auto* edit = Named(new QLineEdit(page), objectName);
    edit->setMinimumWidth(160);
    KeepWholeText(*edit);
    return edit;
}

QPlainTextEdit* FieldMemo(QWidget* page, const char* objectName)
{
    auto* memo = Named(new QPlainTextEdit(page), objectName);
    // Tab moves on to the next control, as in every other field; Enter still breaks the line.
    memo->setTabChangesFocus(true);
    return memo;
}

void Captioned(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row + 1, column);
}

}  // namespace orvanel
