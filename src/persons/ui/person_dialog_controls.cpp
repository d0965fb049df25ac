// The person dialog's frame and the order of its tabs; the tabs arrange their own controls.
#include "persons/ui/person_dialog.h"
#include "persons/ui/person_dialog_frame.h"

#include "persons/ui/comment_tab.h"
#include "persons/ui/contact_tab.h"
#include "persons/ui/general_tab.h"
#include "persons/ui/relatives_tab.h"
#include "widgets/window_look.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanel {

void TForm_Person::buildControls(TForm_Relationship& relationshipDialog, TForm_MB& confirmDialog)
{
    frame_ = std::make_unique<Frame>();
    QPushButton*& btn_Ok = frame_->btn_Ok;
    QPushButton*& btn_Cancel = frame_->btn_Cancel;
    QTabWidget*& pgc_Persona = frame_->pgc_Persona;

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
    QWidget::setTabOrder(frame_->btn_Ok, frame_->btn_Cancel);
    QWidget::setTabOrder(frame_->btn_Cancel, frame_->pgc_Persona);
    const QList<QWidget*> pages = ts_general->focusChain() + ts_contact->focusChain()
                                  + ts_Relationships->focusChain() + ts_comment->focusChain();
    for (qsizetype i = 1; i < pages.size(); ++i)
        QWidget::setTabOrder(pages.at(i - 1), pages.at(i));
}

}  // namespace orvanel
