#include "persons/ui/relatives_tab.h"

#include "persons/ui/relative_item.h"
#include "relations/relationship_choices.h"
#include "relations/relatives.h"
#include "relations/ui/relationship_dialog.h"
#include "widgets/confirm_dialog.h"
#include "widgets/event_guard.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace orvanel {

RelativesTab::RelativesTab(const Controls& controls, bool& relativesChanged, Messages& messages,
                           TForm_Relationship& relationshipDialog, TForm_MB& confirmDialog,
                           QObject* parent)
    : QObject(parent),
      controls_(controls),
      RelativesChanged(relativesChanged),
      messages_(messages),
      relationshipDialog_(relationshipDialog),
      confirmDialog_(confirmDialog)
{
    connect(controls_.btn_NewRelationship, &QPushButton::clicked, this,
            &RelativesTab::btn_NewRelationshipClick);
    connect(controls_.btn_EditRelationship, &QPushButton::clicked, this,
            &RelativesTab::btn_EditRelationshipClick);
    connect(controls_.btn_DeleteRelationship, &QPushButton::clicked, this,
            &RelativesTab::btn_DeleteRelationshipClick);
    listArea_ = controls_.lv_Relatives->viewport();
    listArea_->installEventFilter(this);
}

bool RelativesTab::eventFilter(QObject* watched, QEvent* event)
{
    // Compared by address only: the list may be part way through its destruction here.
    if (event->type() == QEvent::MouseButtonDblClick && watched == listArea_) {
        btn_EditRelationshipClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RelativesTab::PrepareRelationshipDialog()
{
    const QString editedId = controls_.ed_id->text();
    relationshipDialog_.Prepare(EditedPersonLine(editedId, controls_.ed_name->text(),
                                                  controls_.ed_mname->text(),
                                                  controls_.ed_surname->text()),
                                 editedId);
}

void RelativesTab::btn_NewRelationshipClick()
{
    Guarded(messages_, [this] {
        PrepareRelationshipDialog();
        relationshipDialog_.ResetChoice();
        if (relationshipDialog_.exec() != QDialog::Accepted)
            return;
        // Added at the end: the list is sorted only when a column title is clicked.
        auto* item = new QTreeWidgetItem;
        ShowRelative(*item, relationshipDialog_.ChosenRelative());
        controls_.lv_Relatives->addTopLevelItem(item);
        RelativesChanged = true;
    });
}

void RelativesTab::btn_EditRelationshipClick()
{
    QTreeWidgetItem* row = controls_.lv_Relatives->currentItem();
    if (!row)
        return;
    Guarded(messages_, [this, row] {
        PrepareRelationshipDialog();
        const RelativeRow shown = RelativeOf(*row);
        relationshipDialog_.PresetChoice(shown.kind, shown.otherId);
        if (relationshipDialog_.exec() != QDialog::Accepted)
            return;
        ShowRelative(*row, relationshipDialog_.ChosenRelative());
        RelativesChanged = true;
    });
}

void RelativesTab::btn_DeleteRelationshipClick()
{
    QTreeWidget& list = *controls_.lv_Relatives;
    if (!list.currentItem())
        return;
    if (!confirmDialog_.confirm(tr("Confirm"),
                                 tr("Are you absolutely sure that you want to delete this item?")))
        return;
    // The selected row goes; when the current row has lost its selection, nothing is removed.
    const QList<QTreeWidgetItem*> selected = list.selectedItems();
    if (!selected.isEmpty()) {
        QTreeWidgetItem* removed = selected.first();
        const bool wasCurrent = removed == list.currentItem();
        delete removed;
        // The list would make a neighbour current without selecting it, and a later Delete
        // would then ask and remove nothing: after a removal no row is chosen.
        if (wasCurrent)
            list.setCurrentItem(nullptr);
    }
    RelativesChanged = true;
}

}  // namespace orvanel
