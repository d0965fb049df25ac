#pragma once

// Working the person dialog's "Relatives" tab from widget tests, through the real dialogs.

#include "search/ui_list_helpers.h"
#include "support/modal_answer.h"
#include "support/register_xml.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <functional>

namespace orvanel::testing {

inline QTreeView& RelativesList(QDialog& person)
{
    return *Find<QTreeView>(person, "lv_Relatives");
}

// Brings the "Relatives" tab to the front, as the user does before using it.
inline void ShowRelativesTab(QDialog& person)
{
    Find<QTabWidget>(person, "pgc_Persona")
        ->setCurrentWidget(Find<QWidget>(person, "ts_Relationships"));
}

inline QTreeView& PersonList(QDialog& relationship)
{
    return *Find<QTreeView>(relationship, "lv_Person2");
}

// The ID of the relationship dialog's current person row, empty while none is current.
inline QString CurrentPersonId(QDialog& relationship)
{
    const QModelIndex current = PersonList(relationship).currentIndex();
    return current.isValid() ? current.siblingAtColumn(0).data().toString() : QString();
}

// Clicks one of the tab's buttons, which opens a modal dialog that `act` answers.
inline void OnRelativesTab(QDialog& person, const char* button,
                           const std::function<void(QDialog&)>& act)
{
    ShowRelativesTab(person);
    ModalAnswer answer(act);
    Find<QPushButton>(person, button)->click();
    EXPECT_TRUE(answer.answered()) << button;
}

// In the relationship dialog: chooses the kind (the stored word, whatever the language shown)
// and clicks the row of the person `otherId`.
inline void Choose(QDialog& relationship, const QString& kind, const QString& otherId)
{
    auto* kinds = Find<QComboBox>(relationship, "cb_Kind1");
    kinds->setCurrentIndex(kinds->findData(kind));
    QTreeView* persons = Find<QTreeView>(relationship, "lv_Person2");
    ClickRow(*persons, RowOf(*persons, otherId));
}

// "Add" on the Relatives tab, confirming `kind` of `otherId` in the relationship dialog.
inline void AddRelative(QDialog& person, const QString& kind, const QString& otherId)
{
    OnRelativesTab(person, "btn_NewRelationship", [&](QDialog& relationship) {
        Choose(relationship, kind, otherId);
        Find<QPushButton>(relationship, "btn_Ok")->click();
    });
}

// "Delete" on the Relatives tab, answered with Yes or No.
inline void DeleteRelative(QDialog& person, bool yes)
{
    OnRelativesTab(person, "btn_DeleteRelationship", [yes](QDialog& confirm) {
        Find<QPushButton>(confirm, yes ? "btn_Yes" : "btn_No")->click();
    });
}

}  // namespace orvanel::testing
