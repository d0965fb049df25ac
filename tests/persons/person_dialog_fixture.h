#pragma once

// The person dialog on a register loaded from a scratch folder, opened the way its openers open
// it, with the message boxes answered by the test.

#include "persons/person_record.h"
#include "persons/register_builder.h"
#include "persons/ui/person_dialog.h"
#include "shell/sorter_list.h"
#include "store/lookup.h"
#include "store/save.h"
#include "support/fixed_clock.h"
#include "support/modal_answer.h"

#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace orvanel::testing {

// The twenty children of a person record, in the order they are stored.
inline const QStringList& PersonChildren()
{
    static const QStringList names = {
        "OptionalID", "Name",   "MiddleName", "Surname", "Sex",     "DateOfBirth", "StreetAddress",
        "City",       "State",  "ZipCode",    "Country", "Phone1",  "Phone2",      "Fax",
        "Mobile",     "EMail",  "Comment",    "Status",  "DateCreated", "DateModified"};
    return names;
}

// A Person element with every child: the text of each is its own name unless `values` gives
// another, and the child named `missing` is left out.
inline QByteArray PersonXml(const QString& id, const QHash<QString, QString>& values,
                            const QString& missing = QString())
{
    QHash<QString, QString> texts = values;
    texts.insert(QStringLiteral("Status"), values.value(QStringLiteral("Status"),
                                                        QStringLiteral("Active")));
    texts.insert(QStringLiteral("DateOfBirth"), values.value(QStringLiteral("DateOfBirth"),
                                                             QStringLiteral("1960/5/17")));
    texts.insert(QStringLiteral("Sex"), values.value(QStringLiteral("Sex"), QStringLiteral("M")));
    QByteArray xml = " <Person ID=\"" + Escaped(id) + "\">\n";
    for (const QString& child : PersonChildren()) {
        if (child == missing)
            continue;
        const QByteArray name = child.toUtf8();
        xml += "  <" + name + ">" + Escaped(texts.value(child, child)) + "</" + name + ">\n";
    }
    return xml + " </Person>\n";
}

class PersonDialogTest : public ::testing::Test {
protected:
    void load(const RegisterXml& xml)
    {
        folder.write(QString::fromLatin1(kDataFileName), xml.bytes());
        reg.folder = folder.path();
        LoadRegister(reg, messages, clock);
        ASSERT_FALSE(reg.loadFailed) << messages.errors.join(QLatin1Char('\n')).toStdString();
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
        LoadRegister(again, messages, clock);
        ASSERT_FALSE(again.loadFailed);
    }

    static void Cancel(QDialog& shown) { Find<QPushButton>(shown, "btn_Cancel")->click(); }
    static void Ok(QDialog& shown) { Find<QPushButton>(shown, "btn_Ok")->click(); }
    static QString Text(QDialog& shown, const char* edit)
    {
        return Find<QLineEdit>(shown, edit)->text();
    }

    TempFolder folder;
    RecordingMessages messages;
    FixedClock clock{QDate(2026, 12, 6)};
    Register reg;
    SorterList sorters;
    TForm_Person dialog{reg, messages, clock, sorters};
};

}  // namespace orvanel::testing
