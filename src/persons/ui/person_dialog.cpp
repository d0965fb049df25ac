#include "persons/ui/person_dialog.h"

#include "persons/ui/comment_tab.h"
#include "persons/ui/contact_tab.h"
#include "persons/ui/general_tab.h"
#include "persons/ui/person_dialog_frame.h"
#include "persons/ui/relatives_tab.h"
#include "widgets/date_field.h"
#include "widgets/enter_key.h"
#include "widgets/event_guard.h"
#include "widgets/window_look.h"
#include "store/errors.h"
#include "store/lookup.h"
#include "store/storable_text.h"

#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

namespace orvanel {

TForm_Person::TForm_Person(Register& reg, Messages& messages, const Clock& clock,
                           SorterList& sorters, TForm_Relationship& relationshipDialog,
                           TForm_MB& confirmDialog, QWidget* parent)
    : QDialog(parent), reg_(reg), messages_(messages), clock_(clock), sorters_(sorters)
{
    PrepareProgramWindow(*this, "Form_Person", tr("Person"));
    buildControls(relationshipDialog, confirmDialog);
    EnterPressesFocusedButton(*this);

    connect(frame_->btn_Ok, &QPushButton::clicked, this, &TForm_Person::btn_OkClick);
    connect(frame_->btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ts_Relationships, &RelativesTab::currentRowChanged, this,
            &TForm_Person::lv_RelativesChange);
    connect(ts_Relationships, &RelativesTab::relativesChanged, this,
            [this] { RelativesChanged = true; });

    FormCreate();
}

TForm_Person::~TForm_Person() = default;

void TForm_Person::FormCreate()
{
    PaintWindowColour(*this);
    ts_Relationships->registerSorter();
}

void TForm_Person::showEvent(QShowEvent* event)
{
    // The opening runs once per showing; a dialog or message box opened from this one closing
    // again does not show it anew, so the user's pending edits survive such returns.
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

void TForm_Person::FormActivate()
{
    readFailed_ = false;
    setEditable(true);
    ts_Relationships->setRows({});

    if (NewPerson) {
        showRecord(NewPersonDefaults(PersonID));
    } else {
        // Whatever cannot be read stays empty: nothing of a person shown earlier may remain in
        // the controls, since OK would write it into this person's record.
        PersonValue record;
        record.id = PersonID;
        try {
            const Element person = FindPerson(reg_, PersonID);
            if (!person)
                throw Error(tr("Person \"%1\" not found").arg(PersonID));
            ReadPerson(person, PersonID, clock_, record);
            showRecord(record);
            ts_Relationships->setRows(RelativesOf(reg_, PersonID));
        } catch (const Error& e) {
            showRecord(record);
            ts_Relationships->setRows({});
            offerOnlyCancel(e.message());
        }
    }

    lv_RelativesChange();
    frame_->pgc_Persona->setCurrentWidget(ts_general);
    RelativesChanged = false;
}

QList<PersonFieldsTab*> TForm_Person::fieldTabs() const
{
    return {ts_general, ts_contact, ts_comment};
}

void TForm_Person::showRecord(const PersonValue& value)
{
    opened_ = value;
    for (PersonFieldsTab* tab : fieldTabs())
        tab->showRecord(value);
}

void TForm_Person::showField(QWidget* control)
{
    for (PersonFieldsTab* tab : fieldTabs()) {
        if (tab->isAncestorOf(control))
            frame_->pgc_Persona->setCurrentWidget(tab);
    }
    control->setFocus(Qt::OtherFocusReason);
}

void TForm_Person::offerOnlyCancel(const QString& why)
{
    readFailed_ = true;
    setEditable(false);
    // Reported once the dialog stands on the screen, so the box appears over it.
    QMetaObject::invokeMethod(this, [this, why] { messages_.error(why); }, Qt::QueuedConnection);
}

void TForm_Person::setEditable(bool editable)
{
    for (PersonFieldsTab* tab : fieldTabs())
        tab->setEditable(editable);
    ts_Relationships->enableAdd(editable);
    frame_->btn_Ok->setEnabled(editable);
}

void TForm_Person::lv_RelativesChange()
{
    ts_Relationships->enableRowActions(!readFailed_ && ts_Relationships->hasCurrentRow());
}

PersonValue TForm_Person::record() const
{
    PersonValue value = opened_;
    for (const PersonFieldsTab* tab : fieldTabs())
        tab->readInto(value);
    return value;
}

void TForm_Person::btn_OkClick()
{
    if (readFailed_)
        return;
    Guarded(messages_, [this] {
        if (QWidget* blank = ts_general->blankNameField()) {
            messages_.warning(tr("Name and surname fields must be filled!"));
            showField(blank);
            return;
        }
        if (refuseIncompleteDate() || refuseUnstorableText())
            return;
        if (RelativesChanged)
            CommitRelatives(reg_, PersonID, ts_Relationships->rows());
        reg_.markModified();
        accept();
    });
}

bool TForm_Person::refuseIncompleteDate()
{
    QWidget* date = ts_general->incompleteDateField();
    if (!date)
        return false;
    messages_.warning(DateField::notADateWarning(FieldCaption(PersonField::DateOfBirth)));
    showField(date);
    return true;
}

bool TForm_Person::refuseUnstorableText()
{
    StoredTexts fields;
    for (const PersonFieldsTab* tab : fieldTabs())
        fields += tab->storedTexts();
    // A control character pasted into a field cannot be written to the file as it is: say so
    // rather than store something other than what the user sees.
    for (const StoredText& field : fields) {
        const qsizetype at = FirstUnstorableCharacter(field.text);
        if (at < 0)
            continue;
        messages_.warning(tr("The field \"%1\" holds a character that cannot be stored "
                             "(U+%2). Please remove it.")
                              .arg(field.caption,
                                   QString::number(field.text[at].unicode(), 16)
                                       .toUpper()
                                       .rightJustified(4, QLatin1Char('0'))));
        showField(field.control);
        return true;
    }
    return false;
}

}  // namespace orvanel
