#include "persons/ui/general_tab.h"

#include "persons/blank_text.h"
#include "widgets/date_field.h"
#include "widgets/radio_focus.h"
#include "widgets/window_look.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace orvanel {

namespace {

// The identifier fields are drawn flat on the button-face colour, apart from the other edits.
void FlatOnButtonFace(QLineEdit* edit)
{
    edit->setFrame(false);
    // From the dialog's own colours, not the desktop's: the dialog's text colour is forced dark,
    // which a dark theme's button face would swallow.
    QPalette palette = FixedColourPalette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    edit->setPalette(palette);
}

}  // namespace

GeneralTab::GeneralTab(const Clock& clock, QWidget* parent)
    : PersonFieldsTab(parent), clock_(clock)
{
    setObjectName(QStringLiteral("ts_general"));
    ed_id = FieldEdit(this, "ed_id");
    ed_id->setReadOnly(true);
    FlatOnButtonFace(ed_id);
    // Bound in the order of the record; the tab order is focusChain's.
    ed_optional_id = bind(FieldEdit(this, "ed_optional_id"), PersonField::OptionalID);
    FlatOnButtonFace(ed_optional_id);
    ed_name = bind(FieldEdit(this, "ed_name"), PersonField::Name);
    ed_mname = bind(FieldEdit(this, "ed_mname"), PersonField::MiddleName);
    ed_surname = bind(FieldEdit(this, "ed_surname"), PersonField::Surname);

    rg_sex = Named(new QGroupBox(tr("Sex"), this), "rg_sex");
    sexMale_ = Named(new QRadioButton(tr("M&ale"), rg_sex), "rg_sex_Male");
    sexFemale_ = Named(new QRadioButton(tr("&Female"), rg_sex), "rg_sex_Female");
    sexItems_ = new QButtonGroup(rg_sex);
    sexItems_->addButton(sexMale_, 0);
    sexItems_->addButton(sexFemale_, 1);
    auto* sexRow = new QHBoxLayout(rg_sex);
    sexRow->addWidget(sexMale_);
    sexRow->addWidget(sexFemale_);
    sexRow->addStretch();
    TabToCheckedButtonOnly(*sexItems_);

    dt_Birth = Named(new DateField(clock, this), "dt_Birth");
    connect(dt_Birth, &DateField::dateChanged, this, [this] { birthChanged_ = true; });

    auto* grid = new QGridLayout(this);
    Captioned(grid, 0, 0, tr("ID"), ed_id);
    Captioned(grid, 0, 1, tr("Optional &ID"), ed_optional_id);
    Captioned(grid, 2, 0, tr("&Name"), ed_name);
    Captioned(grid, 2, 1, tr("Midd&le Name"), ed_mname);
    Captioned(grid, 2, 2, tr("&Surname"), ed_surname);
    grid->addWidget(rg_sex, 4, 0);
    grid->addWidget(dt_Birth, 5, 0);
    auto* birthCaption = new QLabel(tr("Date of &Birth"), this);
    birthCaption->setBuddy(dt_Birth);
    grid->addWidget(birthCaption, 6, 0);
    grid->setRowStretch(7, 1);
}

void GeneralTab::showRecord(const PersonValue& value)
{
    PersonFieldsTab::showRecord(value);
    ed_id->setText(value.id);
    (SexChoiceOf(value.text(PersonField::Sex)) == 1 ? sexFemale_ : sexMale_)->setChecked(true);
    showBirth(BirthDateOf(value, clock_));
}

void GeneralTab::showBirth(QDate date)
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

void GeneralTab::readInto(PersonValue& value) const
{
    PersonFieldsTab::readInto(value);
    value.id = ed_id->text();
    if (const std::optional<QString> sex = SexTextOf(sexItems_->checkedId()))
        value.set(PersonField::Sex, *sex);
    else
        value.remove(PersonField::Sex);  // no choice: the stored sex stays
    value.set(PersonField::DateOfBirth,
              StoredBirthDate(birthChanged_ ? dt_Birth->date() : openedBirth_));
}

void GeneralTab::setEditable(bool editable)
{
    PersonFieldsTab::setEditable(editable);
    dt_Birth->setReadOnly(!editable);
    rg_sex->setEnabled(editable);
}

QWidget* GeneralTab::blankNameField() const
{
    if (IsBlank(ed_name->text()))
        return ed_name;
    return IsBlank(ed_surname->text()) ? ed_surname : nullptr;
}

QWidget* GeneralTab::incompleteDateField() const
{
    return dt_Birth->date().isValid() ? nullptr : dt_Birth;
}

QList<QWidget*> GeneralTab::focusChain() const
{
    return {ed_id, ed_name, ed_mname, ed_surname, sexMale_, sexFemale_, dt_Birth, ed_optional_id};
}

}  // namespace orvanel
