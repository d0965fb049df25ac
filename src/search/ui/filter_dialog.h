#pragma once

#include "search/filter_criteria.h"
#include "store/clock.h"
#include "widgets/messages.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanel {

class DateField;

// The dialog in which the search window's filter criteria are edited. The opener loads the
// criteria into it, shows it, and stores its values back only when it ended with OK. Its
// controls keep their values between openings.
class TForm_Filter : public QDialog {
    Q_OBJECT

public:
    TForm_Filter(Messages& messages, const Clock& clock, QWidget* parent = nullptr);

    // Criteria into the controls. Each check box is set before its edit, so an edit whose text
    // changes sets its box from the new text, whatever the stored flag said.
    void LoadCriteria(const FilterCriteria& criteria);
    // The controls into the criteria, every value exactly as it stands.
    void StoreCriteria(FilterCriteria& criteria) const;

private:
    void buildControls();
    void FormCreate();

    // An edit's text decides its own check box: checked while it is not empty.
    void ed_idChange();
    void ed_nameChange();
    void ed_mnameChange();
    void ed_surnameChange();
    void ed_contactChange();
    // A date chosen by the user turns the date test on while the range is in order, off when not.
    void dtp_Change();
    void btn_ClearClick();
    void btn_OKClick();
    // Warns, and puts the focus there, when a date field's text is not a whole date.
    bool refuseIncompleteDate();

    Messages& messages_;
    const Clock& clock_;

    QCheckBox* cb_id = nullptr;
    QLineEdit* ed_id = nullptr;
    QCheckBox* cb_name = nullptr;
    QLineEdit* ed_name = nullptr;
    QCheckBox* cb_mname = nullptr;
    QLineEdit* ed_mname = nullptr;
    QCheckBox* cb_surname = nullptr;
    QLineEdit* ed_surname = nullptr;
    QCheckBox* cb_date = nullptr;
    DateField* dtp_from = nullptr;
    QLabel* lab_to = nullptr;
    DateField* dtp_to = nullptr;
    QCheckBox* cb_contact = nullptr;
    QLineEdit* ed_contact = nullptr;
    QGroupBox* rg_sex = nullptr;
    QButtonGroup* sexItems_ = nullptr;
    QPushButton* btn_Clear = nullptr;
    QPushButton* btn_OK = nullptr;
    QPushButton* btn_Cancel = nullptr;
};

}  // namespace orvanel
