// The person dialog's controls and their arrangement; its behaviour is in person_dialog.cpp.
#include "persons/ui/person_dialog.h"
#include "persons/ui/relatives_tab.h"
#include "widgets/date_field.h"
#include "widgets/line_edits.h"
#include "widgets/window_look.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvanel {

namespace {

QLineEdit* Edit(QWidget* page, const char* objectName)
{
    auto* edit = Named(new QLineEdit(page), objectName);
    edit->setMinimumWidth(160);
    KeepWholeText(*edit);
    return edit;
}

QPlainTextEdit* Memo(QWidget* page, const char* objectName)
{
    auto* memo = Named(new QPlainTextEdit(page), objectName);
    // Tab moves on to the next control, as in every other field; Enter still breaks the line.
    memo->setTabChangesFocus(true);
    return memo;
}

// Puts a caption above its control and makes it the control's buddy, so that its mnemonic
// reaches the control and screen readers announce the control by the caption.
void Captioned(QGridLayout* grid, int row, int column, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row + 1, column);
}

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

void TForm_Person::buildControls(TForm_Relationship& relationshipDialog,
                                 TForm_MB& confirmDialog)
{
    btn_Ok = Named(new QPushButton(tr("&OK"), this), "btn_Ok");
    btn_Cancel = Named(new QPushButton(tr("&Cancel"), this), "btn_Cancel");
    for (QPushButton* button : {btn_Ok, btn_Cancel}) {
        button->setAutoDefault(false);
        QFont larger = button->font();
        larger.setPixelSize(16);
        button->setFont(larger);
        button->setMinimumWidth(96);
    }

    pgc_Persona = Named(new QTabWidget(this), "pgc_Persona");
    ts_general = Named(new QWidget, "ts_general");
    ts_contact = Named(new QWidget, "ts_contact");
    ts_Relationships = new RelativesTab(sorters_, messages_, relationshipDialog, confirmDialog, [this] {
        return RelativesTab::EditedPerson{ed_id->text(), ed_name->text(), ed_mname->text(),
                                          ed_surname->text()};
    });
    ts_comment = Named(new QWidget, "ts_comment");
    pgc_Persona->addTab(ts_general, tr("&General"));
    pgc_Persona->addTab(ts_contact, tr("Con&tact"));
    pgc_Persona->addTab(ts_Relationships, tr("&Relatives"));
    pgc_Persona->addTab(ts_comment, tr("Co&mment"));

    arrangeGeneralTab();
    arrangeContactTab();
    arrangeCommentTab();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_Ok);
    buttons->addWidget(btn_Cancel);
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(pgc_Persona);
    whole->addLayout(buttons);
    // The dialog takes the size its controls need and keeps it.
    whole->setSizeConstraint(QLayout::SetFixedSize);

    orderTabs();
}

void TForm_Person::arrangeGeneralTab()
{
    QWidget* page = ts_general;
    ed_id = Edit(page, "ed_id");
    ed_id->setReadOnly(true);
    FlatOnButtonFace(ed_id);
    ed_optional_id = Edit(page, "ed_optional_id");
    FlatOnButtonFace(ed_optional_id);
    ed_name = Edit(page, "ed_name");
    ed_mname = Edit(page, "ed_mname");
    ed_surname = Edit(page, "ed_surname");

    rg_sex = Named(new QGroupBox(tr("Sex"), page), "rg_sex");
    sexMale_ = Named(new QRadioButton(tr("M&ale"), rg_sex), "rg_sex_Male");
    sexFemale_ = Named(new QRadioButton(tr("&Female"), rg_sex), "rg_sex_Female");
    sexItems_ = new QButtonGroup(rg_sex);
    sexItems_->addButton(sexMale_, 0);
    sexItems_->addButton(sexFemale_, 1);
    auto* sexRow = new QHBoxLayout(rg_sex);
    sexRow->addWidget(sexMale_);
    sexRow->addWidget(sexFemale_);
    sexRow->addStretch();

    dt_Birth = Named(new DateField(clock_, page), "dt_Birth");

    auto* grid = new QGridLayout(page);
    Captioned(grid, 0, 0, tr("ID"), ed_id);
    Captioned(grid, 0, 1, tr("Optional &ID"), ed_optional_id);
    Captioned(grid, 2, 0, tr("&Name"), ed_name);
    Captioned(grid, 2, 1, tr("Midd&le Name"), ed_mname);
    Captioned(grid, 2, 2, tr("&Surname"), ed_surname);
    grid->addWidget(rg_sex, 4, 0);
    grid->addWidget(dt_Birth, 5, 0);
    auto* birthCaption = new QLabel(tr("Date of &Birth"), page);
    birthCaption->setBuddy(dt_Birth);
    grid->addWidget(birthCaption, 6, 0);
    grid->setRowStretch(7, 1);
}

void TForm_Person::arrangeContactTab()
{
    QWidget* page = ts_contact;
    mem_streetaddress = Memo(page, "mem_streetaddress");
    mem_streetaddress->setFixedHeight(72);
    ed_city = Edit(page, "ed_city");
    ed_state = Edit(page, "ed_state");
    ed_zipcode = Edit(page, "ed_zipcode");
    ed_country = Edit(page, "ed_country");
    ed_phone1 = Edit(page, "ed_phone1");
    ed_phone2 = Edit(page, "ed_phone2");
    ed_fax = Edit(page, "ed_fax");
    ed_mobile = Edit(page, "ed_mobile");
    ed_email = Edit(page, "ed_email");

    // Two blocks side by side, each laid out on its own so that the memo's height does not
    // stretch the lines of the phone block.
    auto* address = new QGridLayout;
    Captioned(address, 0, 0, tr("Street &Address"), mem_streetaddress);
    Captioned(address, 2, 0, tr("C&ity"), ed_city);
    Captioned(address, 4, 0, tr("Co&unty/Province"), ed_state);
    Captioned(address, 6, 0, tr("&Post Code"), ed_zipcode);
    Captioned(address, 8, 0, tr("Cou&ntry"), ed_country);
    address->setRowStretch(10, 1);
    auto* phones = new QGridLayout;
    Captioned(phones, 0, 0, tr("Phone &1"), ed_phone1);
    Captioned(phones, 2, 0, tr("Phone &2"), ed_phone2);
    Captioned(phones, 4, 0, tr("Fa&x"), ed_fax);
    Captioned(phones, 6, 0, tr("Mo&bile phone"), ed_mobile);
    Captioned(phones, 8, 0, tr("&E-mail"), ed_email);
    phones->setRowStretch(10, 1);
    auto* blocks = new QHBoxLayout(page);
    blocks->addLayout(address);
    blocks->addSpacing(24);
    blocks->addLayout(phones);
}

void TForm_Person::arrangeCommentTab()
{
    memo_comment = Memo(ts_comment, "memo_comment");
    memo_comment->setAccessibleName(tr("Comment"));
    auto* whole = new QVBoxLayout(ts_comment);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(memo_comment);
}

void TForm_Person::orderTabs()
{
    // The page control takes its place as a whole, its tab bar first and then the controls of
    // the pages, which were created after it. It is never the first of a pair: its last focus
    // child would be taken for it.
    QWidget::setTabOrder(btn_Ok, btn_Cancel);
    QWidget::setTabOrder(btn_Cancel, pgc_Persona);
    QList<QWidget*> pages = {
        ed_id,          ed_name,           ed_mname,            ed_surname,
        sexMale_,       sexFemale_,        dt_Birth,            ed_optional_id,
        mem_streetaddress, ed_city,        ed_state,            ed_zipcode,
        ed_country,     ed_phone1,         ed_phone2,           ed_fax,
        ed_mobile,      ed_email,
    };
    pages << ts_Relationships->focusChain() << memo_comment;
    for (qsizetype i = 1; i < pages.size(); ++i)
        QWidget::setTabOrder(pages.at(i - 1), pages.at(i));
}

}  // namespace orvanel
