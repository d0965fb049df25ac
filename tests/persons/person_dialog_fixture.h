#pragma once

// The person dialog on a register loaded from a scratch folder, opened the way its openers open
// it, with the message boxes answered by the test.

#include "persons/person_record.h"
#include "family/ui/family_window.h"
#include "persons/ui/person_dialog.h"
#include "relations/ui/relationship_dialog.h"
#include "widgets/confirm_dialog.h"
#include "list_state/sorter_list.h"
#include "store/lookup.h"
#include "store/save.h"
#include "support/loaded_register.h"
#include "support/modal_answer.h"
#include "support/recording_messages.h"

#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace orvanel::testing {

// GIVEN a register loaded from a scratch folder (its folder, clock and register are the fixture's
// own) and the person dialog on it.
class PersonDialogTest : public ::testing::Test, protected LoadedRegister {
protected:
    void load(const RegisterXml& xml)
    {
        writeDataFile(xml.bytes());
        LoadedRegister::load();
        ASSERT_TRUE(Accepted(report));
    }

    // Shows the dialog for a stored person; `act` runs while it is open and must close it.
    int open(const QString& id, const std::function<void(QDialog&)>& act)
    {
        dialog.PersonID = id;
        dialog.NewPerson = false;
        ModalAnswer answer(act);
        return dialog.exec();
    }

    int openNew(const QString& id, const std::function<void(QDialog&)>& act)
    {
        dialog.PersonID = id;
        dialog.NewPerson = true;
        ModalAnswer answer(act);
        return dialog.exec();
    }

    // Stores the confirmed record of `id` as the dialog's openers do, saves, and loads the saved
    // file into `again`, so that the test reads what reached the disk.
    void storeSaveAndReload(const QString& id, Register& again)
    {
        UpdatePerson(reg, dialog.record(), FindPerson(reg, id), clock);
        SaveRegister(reg, clock);
        again.folder = folder.path();
        ASSERT_TRUE(Accepted(LoadDataFile(again, clock)));
    }

    static void Cancel(QDialog& shown) { Find<QPushButton>(shown, "btn_Cancel")->click(); }
    static void Ok(QDialog& shown) { Find<QPushButton>(shown, "btn_Ok")->click(); }
    static QString Text(QDialog& shown, const char* edit)
    {
        return Find<QLineEdit>(shown, edit)->text();
    }

    // The dialog's warnings.
    RecordingMessages messages;
    SorterList sorters;
    TForm_Relationship relationshipDialog{reg, sorters};
    TForm_MB confirmDialog;
    TForm_Family familyWindow{reg, messages, clock};
    TForm_Person dialog{reg, messages, clock, sorters, relationshipDialog, confirmDialog,
                        familyWindow};
};

}  // namespace orvanel::testing
