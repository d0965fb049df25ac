#pragma once

#include "persons/person_record.h"
#include "list_state/sorter_list.h"
#include "store/clock.h"
#include "store/register.h"
#include "widgets/escape_key.h"
#include "widgets/messages.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace orvanel {

class CommentTab;
class ContactTab;
class GeneralTab;
class PersonFieldsTab;
class RelativesTab;
class TForm_Family;
class TForm_MB;
class TForm_Relationship;

// The dialog in which one person is created or edited: the person's fields on four tabs and,
// on "Relatives", the person's relationships as pending rows. The fields are written by the
// opener after OK (record()); the relationships are written by OK itself. Created once and
// reused: every showing starts afresh from PersonID and NewPerson.
class TForm_Person : public QDialog {
    Q_OBJECT

public:
    // Add and Edit on the Relatives tab open `relationshipDialog`; Delete asks `confirmDialog`;
    // Family... opens `familyWindow`. They are only kept here, so they may be constructed after
    // this dialog.
    TForm_Person(Register& reg, Messages& messages, const Clock& clock, SorterList& sorters,
                 TForm_Relationship& relationshipDialog, TForm_MB& confirmDialog,
                 TForm_Family& familyWindow, QWidget* parent = nullptr);
    ~TForm_Person() override;

    // Set by the opener before showing.
    QString PersonID;
    bool NewPerson = false;
    // The relatives rows were changed since the dialog was shown.
    bool RelativesChanged = false;

    // The person as opened, with what the controls hold, for the opener to write once the dialog
    // ended with OK; a field no control shows comes back as it was read. A birth date the date
    // control does not show as a date comes back as stored unless the user typed or picked
    // another one.
    PersonValue record() const;

    // True while the person shown could not be read: the dialog then offers only Cancel.
    bool readFailed() const { return readFailed_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls(TForm_Relationship& relationshipDialog, TForm_MB& confirmDialog);
    void orderTabs();

    void FormCreate();
    void FormActivate();
    void btn_OkClick();
    // Warns, and shows the field, when a text holds a character the file cannot hold.
    bool refuseUnstorableText();
    // Warns, and shows the field, when the birth date's text is not a whole date.
    bool refuseIncompleteDate();
    void lv_RelativesChange();
    void btn_FamilyClick();

    // The tabs of the record's fields: all but the relatives.
    QList<PersonFieldsTab*> fieldTabs() const;
    void showRecord(const PersonValue& value);
    // Brings the tab holding `control` to the front and puts the focus into the control.
    void showField(QWidget* control);
    void offerOnlyCancel(const QString& why);
    void setEditable(bool editable);

    Register& reg_;
    Messages& messages_;
    const Clock& clock_;
    SorterList& sorters_;
    TForm_Family& familyWindow_;
    bool readFailed_ = false;
    // The person as the dialog opened it: what record() starts from.
    PersonValue opened_;

    // The dialog has neither a default nor a cancel button: Esc typed in a field must not end
    // it, as Enter does not (EnterPressesFocusedButton).
    EscapeIgnored escapeIgnored_{*this};
    QPushButton* btn_Ok = nullptr;
    QPushButton* btn_Cancel = nullptr;
    QTabWidget* pgc_Persona = nullptr;
    GeneralTab* ts_general = nullptr;
    ContactTab* ts_contact = nullptr;
    RelativesTab* ts_Relationships = nullptr;
    CommentTab* ts_comment = nullptr;
};

}  // namespace orvanel
