#pragma once

#include "persons/person_record.h"
#include "persons/ui/person_tab_controls.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace orvanel {

// The person dialog's "Contact" tab: the postal address on the left, the phones and the e-mail
// address on the right.
class ContactTab : public QWidget {
    Q_OBJECT

public:
    explicit ContactTab(QWidget* parent = nullptr);

    // Shows the record's fields of this tab.
    void showRecord(const PersonRecord& record);
    // Puts what the tab's controls hold into the record's fields of this tab.
    void readInto(PersonRecord& record) const;
    void setEditable(bool editable);

    StoredTexts storedTexts() const;
    // The tab's controls in their tab order.
    QList<QWidget*> focusChain() const;

private:
    QList<QLineEdit*> edits() const;

    QPlainTextEdit* mem_streetaddress = nullptr;
    QLineEdit* ed_city = nullptr;
    QLineEdit* ed_state = nullptr;
    QLineEdit* ed_zipcode = nullptr;
    QLineEdit* ed_country = nullptr;
    QLineEdit* ed_phone1 = nullptr;
    QLineEdit* ed_phone2 = nullptr;
    QLineEdit* ed_fax = nullptr;
    QLineEdit* ed_mobile = nullptr;
    QLineEdit* ed_email = nullptr;
};

}  // namespace orvanel
