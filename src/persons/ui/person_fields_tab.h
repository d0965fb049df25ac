#pragma once

#include "persons/person_record.h"
#include "persons/ui/person_tab_controls.h"
#include "store/person_fields.h"

#include <QList>
#include <QWidget>

namespace orvanel {

// A tab of the person dialog that shows some of the record's fields and holds the user's edits
// of them until the dialog's opener reads them after OK. Each text control is bound to the field
// it shows; showing, reading back, locking and checking the texts walk those bindings.
class PersonFieldsTab : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows the value's fields of this tab.
    virtual void showRecord(const PersonValue& value);
    // Puts what the tab's controls hold into the value's fields of this tab.
    virtual void readInto(PersonValue& value) const;
    virtual void setEditable(bool editable);
    // The tab's texts that go into the file as typed, named by their fields' captions.
    StoredTexts storedTexts() const;
    // The tab's controls in their tab order: the bound controls in the order they were bound.
    virtual QList<QWidget*> focusChain() const;

protected:
    // Binds a control made by FieldEdit or FieldMemo to the field it shows.
    template <class Control>
    Control* bind(Control* control, PersonField field)
    {
        bindings_.push_back({control, field});
        return control;
    }

private:
    struct Binding {
        QWidget* control;
        PersonField field;
    };
    QList<Binding> bindings_;
};

}  // namespace orvanel
