#include "search/ui/filter_dialog.h"

#include "widgets/date_field.h"
#include "widgets/enter_key.h"
#include "widgets/line_edits.h"
#include "widgets/radio_focus.h"
#include "widgets/window_look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvanel {

namespace {

// The check box stands in for the edit's label; screen readers announce the edit by it.
QLineEdit* EditFor(QCheckBox* box, const char* objectName)
{
    auto* edit = Named(new QLineEdit(box->parentWidget()), objectName);
    edit->setAccessibleName(box->text().remove(QLatin1Char('&')));
    edit->setMinimumWidth(180);
    KeepWholeText(*edit);
    return edit;
}

// Loading a text equal to what the edit holds is no change, so it must not touch the box.
void LoadText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void FollowText(QCheckBox* box, const QLineEdit* edit)
{
    box->setChecked(!edit->text().isEmpty());
}

}  // namespace

TForm_Filter::TForm_Filter(Messages& messages, const Clock& clock, QWidget* parent)
    : QDialog(parent), messages_(messages), clock_(clock)
{
    PrepareProgramWindow(*this, "Form_Filter", tr("Filter"));
    buildControls();
    EnterPressesFocusedButton(*this);

    connect(ed_id, &QLineEdit::textChanged, this, &TForm_Filter::ed_idChange);
    connect(ed_name, &QLineEdit::textChanged, this, &TForm_Filter::ed_nameChange);
    connect(ed_mname, &QLineEdit::textChanged, this, &TForm_Filter::ed_mnameChange);
    connect(ed_surname, &QLineEdit::textChanged, this, &TForm_Filter::ed_surnameChange);
    connect(ed_contact, &QLineEdit::textChanged, this, &TForm_Filter::ed_contactChange);
    connect(dtp_from, &DateField::dateChanged, this, &TForm_Filter::dtp_Change);
    connect(dtp_to, &DateField::dateChanged, this, &TForm_Filter::dtp_Change);
    connect(btn_Clear, &QPushButton::clicked, this, &TForm_Filter::btn_ClearClick);
    connect(btn_OK, &QPushButton::clicked, this, &TForm_Filter::btn_OKClick);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TForm_Filter::buildControls()
{
    cb_id = Named(new QCheckBox(tr("Person &ID contains:"), this), "cb_id");
    ed_id = EditFor(cb_id, "ed_id");
    cb_name = Named(new QCheckBox(tr("Person &name contains:"), this), "cb_name");
    ed_name = EditFor(cb_name, "ed_name");
    cb_mname = Named(new QCheckBox(tr("Person &middle name contains:"), this), "cb_mname");
    ed_mname = EditFor(cb_mname, "ed_mname");
    cb_surname = Named(new QCheckBox(tr("Person &surname contains:"), this), "cb_surname");
    ed_surname = EditFor(cb_surname, "ed_surname");
    cb_date = Named(new QCheckBox(tr("Person birth &date is from:"), this), "cb_date");
    dtp_from = Named(new DateField(clock_, this), "dtp_from");
    dtp_from->setAccessibleName(tr("Person birth date is from:"));
    lab_to = Named(new QLabel(tr("&to:"), this), "lab_to");
    dtp_to = Named(new DateField(clock_, this), "dtp_to");
    lab_to->setBuddy(dtp_to);
    cb_contact = Named(new QCheckBox(tr("Person &contact info contains:"), this), "cb_contact");
    ed_contact = EditFor(cb_contact, "ed_contact");

    rg_sex = Named(new QGroupBox(tr("Sex"), this), "rg_sex");
    sexItems_ = new QButtonGroup(rg_sex);
    auto* sexRow = new QHBoxLayout(rg_sex);
    const QString sexCaptions[] = {tr("An&y"), tr("Ma&les"), tr("&Females")};
    for (int index = 0; index < 3; ++index) {
        auto* item = new QRadioButton(sexCaptions[index], rg_sex);
        sexItems_->addButton(item, index);
        sexRow->addWidget(item);
    }
    sexItems_->button(0)->setChecked(true);
    TabToCheckedButtonOnly(*sexItems_);

    btn_Clear = Named(new QPushButton(tr("Clea&r all"), this), "btn_Clear");
    btn_OK = Named(new QPushButton(tr("&OK"), this), "btn_OK");
    btn_Cancel = Named(new QPushButton(tr("C&ancel"), this), "btn_Cancel");
    // Enter in a field applies the filter; "Clear all" and "Cancel" are pressed by Enter only
    // when they have the focus (EnterPressesFocusedButton).
    btn_Clear->setAutoDefault(false);
    btn_Cancel->setAutoDefault(false);
    btn_OK->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(cb_id, 0, 0);
    grid->addWidget(ed_id, 0, 1, 1, 3);
    grid->addWidget(cb_name, 1, 0);
    grid->addWidget(ed_name, 1, 1, 1, 3);
    grid->addWidget(rg_sex, 1, 4, 2, 1);
    grid->addWidget(cb_mname, 2, 0);
    grid->addWidget(ed_mname, 2, 1, 1, 3);
    grid->addWidget(cb_surname, 3, 0);
    grid->addWidget(ed_surname, 3, 1, 1, 3);
    grid->addWidget(cb_date, 4, 0);
    grid->addWidget(dtp_from, 4, 1);
    grid->addWidget(lab_to, 4, 2);
    grid->addWidget(dtp_to, 4, 3);
    grid->addWidget(cb_contact, 5, 0);
    grid->addWidget(ed_contact, 5, 1, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_Clear);
    buttons->addStretch();
    buttons->addWidget(btn_OK);
    buttons->addWidget(btn_Cancel);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(grid);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);

    const QList<QWidget*> order = {cb_id,      ed_id,    cb_name,  ed_name,    cb_mname,
                                   ed_mname,   cb_surname, ed_surname, cb_date, dtp_from,
                                   dtp_to,     cb_contact, ed_contact, sexItems_->button(0),
                                   sexItems_->button(1), sexItems_->button(2), btn_Clear,
                                   btn_OK,     btn_Cancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void TForm_Filter::FormCreate()
{
    PaintWindowColour(*this);
    // Until the first loading, the pickers show the range a new search window starts with.
    const FilterCriteria initial = InitialFilterCriteria(clock_);
    const QSignalBlocker quietFrom(dtp_from);
    const QSignalBlocker quietTo(dtp_to);
    dtp_from->setDate(initial.DateFrom);
    dtp_to->setDate(initial.DateTo);
}

void TForm_Filter::LoadCriteria(const FilterCriteria& criteria)
{
    // Dates set here are not the user's choice: the date rule must not react to them.
    const QSignalBlocker quietFrom(dtp_from);
    const QSignalBlocker quietTo(dtp_to);

    cb_id->setChecked(criteria.IdEnabled);
    LoadText(ed_id, criteria.IdText);
    cb_name->setChecked(criteria.NameEnabled);
    LoadText(ed_name, criteria.NameText);
    cb_mname->setChecked(criteria.MiddleNameEnabled);
    LoadText(ed_mname, criteria.MiddleNameText);
    cb_surname->setChecked(criteria.SurnameEnabled);
    LoadText(ed_surname, criteria.SurnameText);
    cb_date->setChecked(criteria.DateEnabled);
    dtp_from->setDate(criteria.DateFrom);
    if (QAbstractButton* sex = sexItems_->button(criteria.SexChoice))
        sex->setChecked(true);
    dtp_to->setDate(criteria.DateTo);
    cb_contact->setChecked(criteria.ContactEnabled);
    LoadText(ed_contact, criteria.ContactText);
}

void TForm_Filter::StoreCriteria(FilterCriteria& criteria) const
{
    criteria.IdEnabled = cb_id->isChecked();
    criteria.IdText = ed_id->text();
    criteria.NameEnabled = cb_name->isChecked();
    criteria.NameText = ed_name->text();
    criteria.MiddleNameEnabled = cb_mname->isChecked();
    criteria.MiddleNameText = ed_mname->text();
    criteria.SurnameEnabled = cb_surname->isChecked();
    criteria.SurnameText = ed_surname->text();
    criteria.DateEnabled = cb_date->isChecked();
    criteria.DateFrom = dtp_from->date();
    criteria.DateTo = dtp_to->date();
    criteria.SexChoice = sexItems_->checkedId();
    criteria.ContactEnabled = cb_contact->isChecked();
    criteria.ContactText = ed_contact->text();
}

void TForm_Filter::ed_idChange()
{
    FollowText(cb_id, ed_id);
}

void TForm_Filter::ed_nameChange()
{
    FollowText(cb_name, ed_name);
}

void TForm_Filter::ed_mnameChange()
{
    FollowText(cb_mname, ed_mname);
}

void TForm_Filter::ed_surnameChange()
{
    FollowText(cb_surname, ed_surname);
}

void TForm_Filter::ed_contactChange()
{
    FollowText(cb_contact, ed_contact);
}

void TForm_Filter::dtp_Change()
{
    cb_date->setChecked(DateRangeInOrder(dtp_from->date(), dtp_to->date()));
}

void TForm_Filter::btn_ClearClick()
{
    for (QCheckBox* box : {cb_id, cb_name, cb_mname, cb_surname, cb_date, cb_contact})
        box->setChecked(false);
    sexItems_->button(0)->setChecked(true);
}

void TForm_Filter::btn_OKClick()
{
    if (refuseIncompleteDate())
        return;
    if (!FilterDatesAcceptable(cb_date->isChecked(), dtp_from->date(), dtp_to->date())) {
        messages_.warning(tr("\"From\" date is after \"To\" date!"));
        dtp_from->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

bool TForm_Filter::refuseIncompleteDate()
{
    // Both dates are kept in the criteria whether or not the date test is on.
    const std::pair<DateField*, QString> fields[] = {{dtp_from, tr("From")}, {dtp_to, tr("To")}};
    for (const auto& [field, caption] : fields) {
        if (field->date().isValid())
            continue;
        messages_.warning(DateField::notADateWarning(caption));
        field->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

}  // namespace orvanel
