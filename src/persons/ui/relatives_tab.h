#pragma once

#include "widgets/messages.h"

#include <QObject>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace orvanel {

class TForm_MB;
class TForm_Relationship;

// The actions of the person dialog's "Relatives" tab: Add, Edit (also a double click anywhere
// on the list) and Delete change only the pending rows of the list and raise the dialog's
// "relatives changed" flag; the dialog's OK writes the rows. Add and Edit go through the
// relationship dialog, Delete asks for confirmation first.
class RelativesTab : public QObject {
    Q_OBJECT

public:
    // The person dialog's controls that the tab works with.
    struct Controls {
        QTreeWidget* lv_Relatives = nullptr;
        QPushButton* btn_NewRelationship = nullptr;
        QPushButton* btn_EditRelationship = nullptr;
        QPushButton* btn_DeleteRelationship = nullptr;
        QLineEdit* ed_id = nullptr;
        QLineEdit* ed_name = nullptr;
        QLineEdit* ed_mname = nullptr;
        QLineEdit* ed_surname = nullptr;
    };

    // Connects the three buttons and the list's double click. `relativesChanged` is the person
    // dialog's flag, which outlives this object.
    RelativesTab(const Controls& controls, bool& relativesChanged, Messages& messages,
                 TForm_Relationship& relationshipDialog, TForm_MB& confirmDialog,
                 QObject* parent);

    void btn_NewRelationshipClick();
    void btn_EditRelationshipClick();
    void btn_DeleteRelationshipClick();

    // Fills the relationship dialog for the person as the dialog's fields show it now, unsaved
    // edits included; that person is left out of the persons offered.
    void PrepareRelationshipDialog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Controls controls_;
    QObject* listArea_ = nullptr;  // the part of the list that takes the mouse
    bool& RelativesChanged;
    Messages& messages_;
    TForm_Relationship& relationshipDialog_;
    TForm_MB& confirmDialog_;
};

}  // namespace orvanel
