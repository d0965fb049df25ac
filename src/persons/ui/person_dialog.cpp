#include "persons/ui/person_dialog.h"

#include "persons/ui/relatives_tab.h"
#include "widgets/date_field.h"
#include "widgets/escape_key.h"
#include "widgets/event_guard.h"
#include "widgets/pictures.h"
#include "widgets/radio_focus.h"
#include "widgets/window_look.h"
#include "store/errors.h"
#include "store/lookup.h"
#include "store/storable_text.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>

namespace orvanel {

TForm_Person::TForm_Person(Register& reg, Messages& messages, const Clock& clock,
                           SorterList& sorters, TForm_Relationship& relationshipDialog,
                           TForm_MB& confirmDialog, QWidget* parent)
    : QDialog(parent), reg_(reg), messages_(messages), clock_(clock), sorters_(sorters)
{
    setObjectName(QStringLiteral("Form_Person"));
    setWindowTitle(tr("Person"));
    setWindowIcon(ProgramIcon());
    UseFixedDialogFrame(*this);
    buildControls(relationshipDialog, confirmDialog);

    connect(btn_Ok, &QPushButton::clicked, this, &TForm_Person::btn_OkClick);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ts_Relationships, &RelativesTab::currentRowChanged, this,
            &TForm_Person::lv_RelativesChange);
    connect(ts_Relationships, &RelativesTab::relativesChanged, this,
            [this] { RelativesChanged = true; });
    TabToCheckedButtonOnly(*sexItems_);
    connect(dt_Birth, &DateField::dateChanged, this, [this] { birthChanged_ = true; });

    FormCreate();
}

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

void TForm_Person::keyPressEvent(QKeyEvent* event)
{
    // The dialog has neither a default nor a cancel button: Enter and Esc typed in a field must
    // not end it. Enter on a focused button presses that button.
    if (SwallowEscape(*event))
        return;
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TForm_Person::FormActivate()
{
    readFailed_ = false;
    setEditable(true);
    ts_Relationships->setRows({});

    if (NewPerson) {
        showRecord(NewPersonDefaults(PersonID, clock_));
    } else {
        // Whatever cannot be read stays empty: nothing of a person shown earlier may remain in
        // the controls, since OK would write it into this person's record.
        PersonRecord record;
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
    pgc_Persona->setCurrentWidget(ts_general);
    RelativesChanged = false;
}

void TForm_Person::showRecord(const PersonRecord& record)
{
    ed_id->setText(record.id);
    ed_optional_id->setText(record.optionalId);
    ed_name->setText(record.name);
    ed_mname->setText(record.middleName);
    ed_surname->setText(record.surname);
    (record.sexIndex == 1 ? sexFemale_ : sexMale_)->setChecked(true);
    showBirth(record.birth);
    mem_streetaddress->setPlainText(FillMemo(record.streetAddress).join(QLatin1Char('\n')));
    ed_city->setText(record.city);
    ed_state->setText(record.state);
    ed_zipcode->setText(record.zipCode);
    ed_country->setText(record.country);
    ed_phone1->setText(record.phone1);
    ed_phone2->setText(record.phone2);
    ed_fax->setText(record.fax);
    ed_mobile->setText(record.mobile);
    ed_email->setText(record.email);
    memo_comment->setPlainText(FillMemo(record.comment).join(QLatin1Char('\n')));
}

void TForm_Person::showBirth(QDate date)
{
    openedBirth_ = date;
    birthChanged_ = false;
    const QSignalBlocker quiet(dt_Birth);
    if (date.isValid()) {
        dt_Birth->setDate(date);
        return;
    }
    // Shown only while the dialog offers nothing but Cancel; the record keeps the stored text.
    dt_Birth->showInPlaceOfDate(tr("(not readable)"));
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
    for (QLineEdit* edit : {ed_optional_id, ed_name, ed_mname, ed_surname, ed_city, ed_state,
                            ed_zipcode, ed_country, ed_phone1, ed_phone2, ed_fax, ed_mobile,
                            ed_email})
        edit->setReadOnly(!editable);
    mem_streetaddress->setReadOnly(!editable);
    memo_comment->setReadOnly(!editable);
    dt_Birth->setReadOnly(!editable);
    rg_sex->setEnabled(editable);
    ts_Relationships->enableAdd(editable);
    btn_Ok->setEnabled(editable);
}

void TForm_Person::lv_RelativesChange()
{
    ts_Relationships->enableRowActions(!readFailed_ && ts_Relationships->hasCurrentRow());
}

PersonRecord TForm_Person::record() const
{
    PersonRecord record;
    record.id = ed_id->text();
    record.optionalId = ed_optional_id->text();
    record.name = ed_name->text();
    record.middleName = ed_mname->text();
    record.surname = ed_surname->text();
    record.sexIndex = sexItems_->checkedId();
    record.birth = birthChanged_ ? dt_Birth->date() : openedBirth_;
    record.streetAddress = mem_streetaddress->toPlainText();
    record.city = ed_city->text();
    record.state = ed_state->text();
    record.zipCode = ed_zipcode->text();
    record.country = ed_country->text();
    record.phone1 = ed_phone1->text();
    record.phone2 = ed_phone2->text();
    record.fax = ed_fax->text();
    record.mobile = ed_mobile->text();
    record.email = ed_email->text();
    record.comment = memo_comment->toPlainText();
    return record;
}

void TForm_Person::btn_OkClick()
{
    if (readFailed_)
        return;
    Guarded(messages_, [this] {
        const bool nameBlank = IsBlank(ed_name->text());
        if (nameBlank || IsBlank(ed_surname->text())) {
            messages_.warning(tr("Name and surname fields must be filled!"));
            pgc_Persona->setCurrentWidget(ts_general);
            (nameBlank ? ed_name : ed_surname)->setFocus(Qt::OtherFocusReason);
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
    if (dt_Birth->date().isValid())
        return false;
    messages_.warning(DateField::notADateWarning(tr("Date of Birth")));
    pgc_Persona->setCurrentWidget(ts_general);
    dt_Birth->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TForm_Person::refuseUnstorableText()
{
    struct Field {
        QWidget* control;
        QWidget* tab;
        QString caption;
        QString text;
    };
    const Field fields[] = {
        {ed_optional_id, ts_general, tr("Optional ID"), ed_optional_id->text()},
        {ed_name, ts_general, tr("Name"), ed_name->text()},
        {ed_mname, ts_general, tr("Middle Name"), ed_mname->text()},
        {ed_surname, ts_general, tr("Surname"), ed_surname->text()},
        {mem_streetaddress, ts_contact, tr("Street Address"), mem_streetaddress->toPlainText()},
        {ed_city, ts_contact, tr("City"), ed_city->text()},
        {ed_state, ts_contact, tr("County/Province"), ed_state->text()},
        {ed_zipcode, ts_contact, tr("Post Code"), ed_zipcode->text()},
        {ed_country, ts_contact, tr("Country"), ed_country->text()},
        {ed_phone1, ts_contact, tr("Phone 1"), ed_phone1->text()},
        {ed_phone2, ts_contact, tr("Phone 2"), ed_phone2->text()},
        {ed_fax, ts_contact, tr("Fax"), ed_fax->text()},
        {ed_mobile, ts_contact, tr("Mobile phone"), ed_mobile->text()},
        {ed_email, ts_contact, tr("E-mail"), ed_email->text()},
        {memo_comment, ts_comment, tr("Comment"), memo_comment->toPlainText()},
    };
    // A control character pasted into a field cannot be written to the file as it is: say so
    // rather than store something other than what the user sees.
    for (const Field& field : fields) {
        const qsizetype at = FirstUnstorableCharacter(field.text);
        if (at < 0)
            continue;
        messages_.warning(tr("The field \"%1\" holds a character that cannot be stored "
                             "(U+%2). Please remove it.")
                              .arg(field.caption,
                                   QString::number(field.text[at].unicode(), 16)
                                       .toUpper()
                                       .rightJustified(4, QLatin1Char('0'))));
        pgc_Persona->setCurrentWidget(field.tab);
        field.control->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

}  // namespace orvanel
