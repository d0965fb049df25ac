#pragma once

#include "persons/person_record.h"
#include "persons/ui/person_fields_tab.h"
#include "store/clock.h"

#include <QDate>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace orvanel {

class DateField;

// The person dialog's "General" tab: the IDs, the names, the sex and the date of birth.
class GeneralTab : public PersonFieldsTab {
    Q_OBJECT

public:
    explicit GeneralTab(const Clock& clock, QWidget* parent = nullptr);

    // A birth date that is not valid is shown as not readable, and comes back as it was unless
    // the user enters another one.
    void showRecord(const PersonValue& value) override;
    void readInto(PersonValue& value) const override;
    void setEditable(bool editable) override;

    // The name field when the name is blank, else the surname field when the surname is blank,
    // else null.
    QWidget* blankNameField() const;
    // The date field while its text is not a whole date, else null.
    QWidget* incompleteDateField() const;
    QList<QWidget*> focusChain() const override;

private:
    void showBirth(QDate date);

    const Clock& clock_;
    // The birth date as opened; stored back unless the user changes the date control.
    QDate openedBirth_;
    bool birthChanged_ = false;

    QLineEdit* ed_id = nullptr;
    QLineEdit* ed_optional_id = nullptr;
    QLineEdit* ed_name = nullptr;
    QLineEdit* ed_mname = nullptr;
    QLineEdit* ed_surname = nullptr;
    QGroupBox* rg_sex = nullptr;
    QButtonGroup* sexItems_ = nullptr;
    QRadioButton* sexMale_ = nullptr;
    QRadioButton* sexFemale_ = nullptr;
    DateField* dt_Birth = nullptr;
};

}  // namespace orvanel
