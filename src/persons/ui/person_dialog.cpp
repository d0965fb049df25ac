#include "persons/ui/person_dialog.h"

#include "persons/ui/comment_tab.h"
#include "persons/ui/contact_tab.h"
#include "persons/ui/general_tab.h"
#include "persons/ui/relatives_tab.h"
#include "family/ui/family_window.h"
#include "widgets/field_texts.h"
#include "widgets/date_field.h"
#include "widgets/enter_key.h"
#include "widgets/event_guard.h"
#include "widgets/window_look.h"
#include "store/errors.h"
#include "store/lookup.h"
#include "store/storable_text.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanel {

TForm_Person::TForm_Person(Register& reg, Messages& messages, const Clock& clock,
                           SorterList& sorters, TForm_Relationship& relationshipDialog,
                           TForm_MB& confirmDialog, TForm_Family& familyWindow,
                           QWidget* parent)
    : QDialog(parent),
      reg_(reg),
      messages_(messages),
      clock_(clock),
      sorters_(sorters),
      familyWindow_(familyWindow)
{
    PrepareProgramWindow(*this, "Form_Person", tr("Person"));
    buildControls(relationshipDialog, confirmDialog);
    EnterPressesFocusedButton(*this);

    connect(btn_Ok, &QPushButton::clicked, this, &TForm_Person::btn_OkClick);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ts_Relationships, &RelativesTab::currentRowChanged, this,
            &TForm_Person::lv_RelativesChange);
    connect(ts_Relationships, &RelativesTab::relativesChanged, this,
            [this] { RelativesChanged = true; });
    connect(ts_Relationships, &RelativesTab::familyRequested, this, &TForm_Person::btn_FamilyClick);

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
            const PersonRef person = FindPerson(reg_, PersonID);
            if (!person)
                throw Error(tr("Person \"%1\" not found").arg(PersonID));
            ReadPerson(reg_, person, PersonID, clock_, record);
            showRecord(record);
            ts_Relationships->setRows(RelativesOf(reg_, PersonID));
        } catch (const Error& e) {
            showRecord(record);
            ts_Relationships->setRows({});
            offerOnlyCancel(e.message());
        }
    }

    lv_RelativesChange();
    // A person not yet stored has no family in the register to show. Nor does this dialog
    // offer the Family window when that window opened it: the window is showing already.
    ts_Relationships->enableFamily(!NewPerson && !readFailed_ && !familyWindow_.isVisible());
    pgc_Persona->setCurrentWidget(ts_general);
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
            pgc_Persona->setCurrentWidget(tab);
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
    btn_Ok->setEnabled(editable);
}

void TForm_Person::lv_RelativesChange()
{
    ts_Relationships->enableRowActions(!readFailed_ && ts_Relationships->hasCurrentRow());
}

void TForm_Person::btn_FamilyClick()
{
    if (NewPerson || readFailed_ || familyWindow_.isVisible())
        return;
    // This dialog is showing one person already: the window cannot open another one in it.
    familyWindow_.showFamily(PersonID, {});
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

// The dialog's frame and the order of its tabs; the tabs arrange their own controls.
void TForm_Person::buildControls(TForm_Relationship& relationshipDialog, TForm_MB& confirmDialog)
{
    btn_Ok = Named(new QPushButton(tr("&OK"), this), "btn_Ok");
    btn_Cancel = Named(new QPushButton(tr("&Cancel"), this), "btn_Cancel");
    for (QPushButton* button : {btn_Ok, btn_Cancel}) {
        button->setAutoDefault(false);
        QFont larger = button->font();
        larger.setPixelSize(16);
        button->setFont(larger);
    }
    // One width for both, wider than 96 pixels only where a translated caption needs it.
    const int width = std::max({96, WidthForCaption(*btn_Ok), WidthForCaption(*btn_Cancel)});
    for (QPushButton* button : {btn_Ok, btn_Cancel})
        button->setMinimumWidth(width);

    pgc_Persona = Named(new QTabWidget(this), "pgc_Persona");
    ts_general = new GeneralTab(clock_);
    ts_contact = new ContactTab;
    ts_Relationships = new RelativesTab(sorters_, messages_, relationshipDialog, confirmDialog,
                                        [this] {
                                            PersonValue shown;
                                            ts_general->readInto(shown);
                                            return RelativesTab::EditedPerson{
                                                shown.id, shown.text(PersonField::Name),
                                                shown.text(PersonField::MiddleName),
                                                shown.text(PersonField::Surname)};
                                        });
    ts_comment = new CommentTab;
    pgc_Persona->addTab(ts_general, tr("&General"));
    pgc_Persona->addTab(ts_contact, tr("Con&tact"));
    pgc_Persona->addTab(ts_Relationships, tr("&Relatives"));
    pgc_Persona->addTab(ts_comment, tr("Co&mment"));

    QHBoxLayout* buttons = ButtonsAtRight({btn_Ok, btn_Cancel});
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(pgc_Persona);
    whole->addLayout(buttons);
    // The dialog takes the size its controls need and keeps it.
    whole->setSizeConstraint(QLayout::SetFixedSize);

    orderTabs();
}

void TForm_Person::orderTabs()
{
    // The page control takes its place as a whole, its tab bar first and then the controls of
    // the pages, which were created after it. It is never the first of a pair: its last focus
    // child would be taken for it.
    QWidget::setTabOrder(btn_Ok, btn_Cancel);
    QWidget::setTabOrder(btn_Cancel, pgc_Persona);
    const QList<QWidget*> pages = ts_general->focusChain() + ts_contact->focusChain()
                                  + ts_Relationships->focusChain() + ts_comment->focusChain();
    for (qsizetype i = 1; i < pages.size(); ++i)
        QWidget::setTabOrder(pages.at(i - 1), pages.at(i));
}

}  // namespace orvanel
