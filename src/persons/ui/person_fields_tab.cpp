#include "persons/ui/person_fields_tab.h"

#include "widgets/field_texts.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace orvanel {

namespace {

// The text a bound control holds: a one-line edit or a memo, as FieldEdit and FieldMemo make.
QString TextOf(const QWidget* control)
{
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(control))
        return memo->toPlainText();
    return qobject_cast<const QLineEdit*>(control)->text();
}

}  // namespace

void PersonFieldsTab::showRecord(const PersonValue& value)
{
    for (const Binding& binding : bindings_) {
        const QString& text = value.text(binding.field);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(binding.control))
            memo->setPlainText(FillMemo(text).join(QLatin1Char('\n')));
        else
            qobject_cast<QLineEdit*>(binding.control)->setText(text);
    }
}

void PersonFieldsTab::readInto(PersonValue& value) const
{
    for (const Binding& binding : bindings_)
        value.set(binding.field, TextOf(binding.control));
}

void PersonFieldsTab::setEditable(bool editable)
{
    for (const Binding& binding : bindings_) {
        if (auto* memo = qobject_cast<QPlainTextEdit*>(binding.control))
            memo->setReadOnly(!editable);
        else
            qobject_cast<QLineEdit*>(binding.control)->setReadOnly(!editable);
    }
}

StoredTexts PersonFieldsTab::storedTexts() const
{
    StoredTexts texts;
    for (const Binding& binding : bindings_) {
        texts.push_back({binding.control,
                         FieldCaption(binding.field),
                         TextOf(binding.control)});
    }
    return texts;
}

QList<QWidget*> PersonFieldsTab::focusChain() const
{
    QList<QWidget*> chain;
    for (const Binding& binding : bindings_)
        chain << binding.control;
    return chain;
}

}  // namespace orvanel
