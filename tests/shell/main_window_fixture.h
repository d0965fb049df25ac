#pragma once

// A scratch working folder with a data file, and the main window started on it, as the program
// starts it but with the message boxes answered by the test and today's date fixed.

#include "persons/ui/person_dialog.h"
#include "shell/ui/main_window.h"
#include "support/loaded_register.h"
#include "support/modal_answer.h"
#include "support/recording_messages.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace orvanel::testing {

class MainWindowTest : public ::testing::Test {
protected:
    static constexpr const char* kData = "zok.xml";
    static constexpr const char* kBackup = "zok.bak";

    // Two persons, one relationship between them.
    static QByteArray SmallRegister()
    {
        return RegisterXml()
            .person(Id(1), QStringLiteral("Anna"), QString(), QStringLiteral("Ozola"))
            .person(Id(2), QStringLiteral("Peteris"), QString(), QStringLiteral("Ozols"))
            .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
            .bytes();
    }

    void writeDataFile(const QByteArray& bytes)
    {
        folder.write(QString::fromLatin1(kData), bytes);
        original = bytes;
    }

    // Creates the main window, which loads the data file, and shows it.
    TForm1& start()
    {
        form = std::make_unique<TForm1>(folder.path(), messages, clock);
        form->show();
        QCoreApplication::processEvents();
        return *form;
    }

    QStringList filesInFolder() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    // "New Person", with the dialog filled with a name and a surname and confirmed.
    void addPerson(const QString& name, const QString& surname)
    {
        ModalAnswer answer([&](QDialog& dialog) {
            Find<QLineEdit>(dialog, "ed_name")->setText(name);
            Find<QLineEdit>(dialog, "ed_surname")->setText(surname);
            Find<QPushButton>(dialog, "btn_Ok")->click();
        });
        Find<QPushButton>(*form, "btn_NewPerson")->click();
    }

    // The Rel elements of the register shown, as "ID1 ID2 Dir Inv" in document order.
    QStringList rels() { return RelRecords(form->reg()); }

    bool closedInTime()
    {
        return WaitUntil([this] { return !form->isVisible(); });
    }

    TempFolder folder;
    RecordingMessages messages;
    FixedClock clock{kTestToday};
    QByteArray original;
    std::unique_ptr<TForm1> form;
};

}  // namespace orvanel::testing
