#include "persons/ui/relatives_tab.h"

#include "relations/relationship_choices.h"
#include "relations/relationship_kind.h"
#include "relations/ui/relationship_dialog.h"
#include "widgets/column_widths.h"
#include "widgets/field_texts.h"
#include "widgets/confirm_dialog.h"
#include "widgets/event_guard.h"
#include "widgets/list_column_sorting.h"
#include "widgets/list_focus.h"
#include "widgets/row_list_model.h"
#include "widgets/sortable_header.h"
#include "widgets/window_look.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace orvanel {

namespace {

enum RelativesColumn { KindColumn, OtherIdColumn, NameColumn, MiddleNameColumn, SurnameColumn };

// The kind column shows the kind in the user's language; the row keeps the stored word, which
// is what is written back.
QString RelativeCell(const RelativeRow& row, int column)
{
    switch (column) {
    case KindColumn:
        return KindCaption(row.kind);
    case OtherIdColumn:
        return row.otherId;
    case NameColumn:
        return row.name;
    case MiddleNameColumn:
        return row.middleName;
    case SurnameColumn:
        return row.surname;
    default:
        return {};
    }
}

// The kind column shows the kinds in the user's language, whose longest may be far wider than
// any English one.
QString WidestKindCaption(const QFontMetrics& font)
{
    QString widest;
    for (const QString& kind : RelationshipKinds()) {
        const QString caption = KindCaption(kind);
        if (font.horizontalAdvance(caption) > font.horizontalAdvance(widest))
            widest = caption;
    }
    return widest;
}

}  // namespace

RelativesTab::RelativesTab(SorterList& sorters, Messages& messages,
                           TForm_Relationship& relationshipDialog, TForm_MB& confirmDialog,
                           EditedPersonSource editedPerson, QWidget* parent)
    : QWidget(parent),
      sorters_(sorters),
      messages_(messages),
      relationshipDialog_(relationshipDialog),
      confirmDialog_(confirmDialog),
      editedPerson_(std::move(editedPerson))
{
    setObjectName(QStringLiteral("ts_Relationships"));
    btn_NewRelationship = Named(new QPushButton(tr("&Add"), this), "btn_NewRelationship");
    btn_EditRelationship = Named(new QPushButton(tr("&Edit"), this), "btn_EditRelationship");
    btn_DeleteRelationship = Named(new QPushButton(tr("&Delete"), this), "btn_DeleteRelationship");
    // Below the three that change the rows, apart from them: it changes nothing.
    btn_Family = Named(new QPushButton(tr("&Family..."), this), "btn_Family");
    btn_Family->setToolTip(
        tr("The person's family as the register holds it, without changes not yet saved with OK"));
    for (QPushButton* button :
         {btn_NewRelationship, btn_EditRelationship, btn_DeleteRelationship, btn_Family})
        button->setAutoDefault(false);

    rows_ = new RowListModelOf<RelativeRow>({tr("This person is ..."), tr("of ..."),
                                             FieldColumnTitle(PersonField::Name),
                                             FieldColumnTitle(PersonField::MiddleName),
                                             FieldColumnTitle(PersonField::Surname)},
                                            RelativeCell, this);
    lv_Relatives = Named(new QTreeView(this), "lv_Relatives");
    ShowAsReportList(*lv_Relatives, *rows_, GridLines::Hidden);
    lv_Relatives->setMinimumSize(480, 200);
    lv_Relatives->setAccessibleName(tr("Relatives"));
    new ColumnFitter(*lv_Relatives->header(), {{WidestKindCaption(lv_Relatives->fontMetrics())},
                                              {WidestIdentifierSample()}, {}, {}, {}});

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btn_NewRelationship);
    buttons->addWidget(btn_EditRelationship);
    buttons->addWidget(btn_DeleteRelationship);
    buttons->addSpacing(btn_Family->sizeHint().height() / 2);
    buttons->addWidget(btn_Family);
    buttons->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addWidget(lv_Relatives, 1);
    row->addLayout(buttons);

    connect(btn_NewRelationship, &QPushButton::clicked, this,
            &RelativesTab::btn_NewRelationshipClick);
    connect(btn_EditRelationship, &QPushButton::clicked, this,
            &RelativesTab::btn_EditRelationshipClick);
    connect(btn_DeleteRelationship, &QPushButton::clicked, this,
            &RelativesTab::btn_DeleteRelationshipClick);
    connect(btn_Family, &QPushButton::clicked, this, &RelativesTab::familyRequested);
    connect(lv_Relatives->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RelativesTab::currentRowChanged);
    ConnectSorting(*lv_Relatives, sorters_,
                   [this](int column) { lv_RelativesColumnClick(sorters_, *lv_Relatives, column); });
    MakeSelectedRowCurrent(*lv_Relatives);
    listArea_ = lv_Relatives->viewport();
    listArea_->installEventFilter(this);
}

RelativesTab::~RelativesTab() = default;

void RelativesTab::registerSorter()
{
    sorters_.add(lv_Relatives, rows_->columnCount());
    ShowSortState(*lv_Relatives, sorters_, false);
}

void RelativesTab::setRows(std::vector<RelativeRow> rows)
{
    rows_->setRows(std::move(rows));
    ChooseNoRow(*lv_Relatives);
    ShowSortState(*lv_Relatives, sorters_, false);
    emit currentRowChanged();
}

std::vector<RelativeRow> RelativesTab::rows() const
{
    return rows_->rows();
}

bool RelativesTab::hasCurrentRow() const
{
    return lv_Relatives->currentIndex().isValid();
}

void RelativesTab::enableRowActions(bool enabled)
{
    btn_EditRelationship->setEnabled(enabled);
    btn_DeleteRelationship->setEnabled(enabled);
}

void RelativesTab::enableAdd(bool enabled)
{
    btn_NewRelationship->setEnabled(enabled);
}

void RelativesTab::enableFamily(bool enabled)
{
    btn_Family->setEnabled(enabled);
}

QList<QWidget*> RelativesTab::focusChain() const
{
    return {btn_NewRelationship, btn_DeleteRelationship, btn_EditRelationship, lv_Relatives,
            btn_Family};
}

bool RelativesTab::eventFilter(QObject* watched, QEvent* event)
{
    // Compared by address only: the list may be part way through its destruction here.
    if (event->type() == QEvent::MouseButtonDblClick && watched == listArea_) {
        btn_EditRelationshipClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void RelativesTab::PrepareRelationshipDialog()
{
    const EditedPerson person = editedPerson_();
    relationshipDialog_.Prepare(
        EditedPersonLine(person.id, person.name, person.middleName, person.surname), person.id);
}

void RelativesTab::btn_NewRelationshipClick()
{
    Guarded(messages_, [this] {
        PrepareRelationshipDialog();
        relationshipDialog_.ResetChoice();
        if (relationshipDialog_.exec() != QDialog::Accepted)
            return;
        // Added at the end: the list is sorted only when a column title is clicked.
        rows_->appendRow(relationshipDialog_.ChosenRelative());
        emit relativesChanged();
    });
}

void RelativesTab::btn_EditRelationshipClick()
{
    const QPersistentModelIndex current = lv_Relatives->currentIndex();
    if (!current.isValid())
        return;
    Guarded(messages_, [this, current] {
        PrepareRelationshipDialog();
        const RelativeRow& shown = rows_->row(current.row());
        relationshipDialog_.PresetChoice(shown.kind, shown.otherId);
        if (relationshipDialog_.exec() != QDialog::Accepted || !current.isValid())
            return;
        rows_->setRow(current.row(), relationshipDialog_.ChosenRelative());
        emit relativesChanged();
    });
}

void RelativesTab::btn_DeleteRelationshipClick()
{
    if (!hasCurrentRow())
        return;
    if (!confirmDialog_.confirm(tr("Confirm"),
                                 tr("Are you absolutely sure that you want to delete this item?")))
        return;
    // The selected row goes; when the current row has lost its selection, nothing is removed.
    const QModelIndexList selected = lv_Relatives->selectionModel()->selectedRows();
    if (!selected.isEmpty()) {
        const int removed = selected.first().row();
        const bool wasCurrent = removed == lv_Relatives->currentIndex().row();
        rows_->removeRowAt(removed);
        // The list would make a neighbour current without selecting it, and a later Delete
        // would then ask and remove nothing: after a removal no row is chosen.
        if (wasCurrent)
            lv_Relatives->setCurrentIndex(QModelIndex());
    }
    emit relativesChanged();
}

}  // namespace orvanel
