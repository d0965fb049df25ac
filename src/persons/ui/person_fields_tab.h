#pragma once

#include "persons/person_record.h"
#include "persons/ui/person_tab_controls.h"

#include <QList>
#include <QWidget>

namespace orvanel {

// A tab of the person dialog that shows some of the record's fields and holds the user's edits
// of them until the dialog's opener reads them after OK.
class PersonFieldsTab : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows the record's fields of this tab.
    virtual void showRecord(const PersonRecord& record) = 0;
    // Puts what the tab's controls hold into the record's fields of this tab.
    virtual void readInto(PersonRecord& record) const = 0;
    virtual void setEditable(bool editable) = 0;
    // The tab's texts that go into the file as typed.
    virtual StoredTexts storedTexts() const = 0;
    // The tab's controls in their tab order.
    virtual QList<QWidget*> focusChain() const = 0;
};

}  // namespace orvanel
