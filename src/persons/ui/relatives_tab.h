#pragma once

#include "relations/relatives.h"
#include "list_state/sorter_list.h"
#include "widgets/messages.h"
#include "widgets/row_list_model.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <vector>

class QPushButton;
class QTreeView;

namespace orvanel {

class TForm_MB;
class TForm_Relationship;

// The person dialog's "Relatives" tab: the person's relationships as pending rows, with Add,
// Edit (also a double click anywhere on the list) and Delete. They change only the rows and
// report it through relativesChanged(); the dialog's OK writes the rows. Add and Edit go through
// the relationship dialog, Delete asks for confirmation first.
class RelativesTab : public QWidget {
    Q_OBJECT

public:
    // The person being edited as the dialog's fields show it now, unsaved edits included.
    struct EditedPerson {
        QString id;
        QString name;
        QString middleName;
        QString surname;
    };
    using EditedPersonSource = std::function<EditedPerson()>;

    // The list sorts through its sorter in `sorters` (see registerSorter). `editedPerson` is
    // asked each time the relationship dialog is prepared.
    RelativesTab(SorterList& sorters, Messages& messages, TForm_Relationship& relationshipDialog,
                 TForm_MB& confirmDialog, EditedPersonSource editedPerson,
                 QWidget* parent = nullptr);
    ~RelativesTab() override;

    // Creates the list's sorter and appends it to the sorters.
    void registerSorter();

    // Shows `rows` in the order given, with no row current and no sort arrow: they stand in no
    // sorted order until a column title is clicked.
    void setRows(std::vector<RelativeRow> rows);
    // The rows in the order shown.
    std::vector<RelativeRow> rows() const;

    bool hasCurrentRow() const;
    // Edit and Delete, which work on the current row.
    void enableRowActions(bool enabled);
    void enableAdd(bool enabled);
    // "Family...", which shows the family as the register holds it.
    void enableFamily(bool enabled);

    // The tab's controls in their tab order.
    QList<QWidget*> focusChain() const;

    void btn_NewRelationshipClick();
    void btn_EditRelationshipClick();
    void btn_DeleteRelationshipClick();

    // Fills the relationship dialog for the edited person; that person is left out of the
    // persons offered.
    void PrepareRelationshipDialog();

signals:
    // A confirmed Add, Edit or Delete changed the rows.
    void relativesChanged();
    // The list's current row changed (or there no longer is one).
    void currentRowChanged();
    // "Family..." was clicked.
    void familyRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SorterList& sorters_;
    Messages& messages_;
    TForm_Relationship& relationshipDialog_;
    TForm_MB& confirmDialog_;
    EditedPersonSource editedPerson_;

    RowListModelOf<RelativeRow>* rows_ = nullptr;
    QPushButton* btn_NewRelationship = nullptr;
    QPushButton* btn_EditRelationship = nullptr;
    QPushButton* btn_DeleteRelationship = nullptr;
    QPushButton* btn_Family = nullptr;
    QTreeView* lv_Relatives = nullptr;
    QObject* listArea_ = nullptr;  // the part of the list that takes the mouse
};

}  // namespace orvanel
