#pragma once

#include "persons/person_record.h"
#include "persons/ui/person_fields_tab.h"

class QLineEdit;
class QPlainTextEdit;

namespace orvanel {

// The person dialog's "Contact" tab: the postal address on the left, the phones and the e-mail
// address on the right.
class ContactTab : public PersonFieldsTab {
    Q_OBJECT

public:
    explicit ContactTab(QWidget* parent = nullptr);

    void showRecord(const PersonRecord& record) override;
    void readInto(PersonRecord& record) const override;
    void setEditable(bool editable) override;

    StoredTexts storedTexts() const override;
    QList<QWidget*> focusChain() const override;

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
