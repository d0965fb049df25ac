#pragma once

// The main window on a small register, with the search window reached through "Find".

#include "export/person_export.h"
#include "search/ui_list_helpers.h"
#include "shell/main_window_fixture.h"
#include "support/register_xml.h"
#include "support/register_records.h"

#include <QTreeView>
#include <functional>
#include <optional>

namespace orvanel::testing {

// Answers Export's file question as the user would, and remembers where it started.
class ChosenFile final : public ExportFileChooser {
public:
    std::optional<ExportChoice> chooseExportFile(const QString& suggestedPath) override
    {
        suggested << suggestedPath;
        return answer;
    }
    std::optional<ExportChoice> answer;
    QStringList suggested;
};

class SearchWindowTest : public MainWindowTest {
protected:
    // Six persons in a document order unlike their ID order: 3 is deleted, and 5 is "active"
    // in lower case, so neither is listed. Four relationships, three of them naming 1 or 4.
    static QByteArray People()
    {
        auto person = [](int n, const char* name, const char* middle, const char* surname,
                         const char* sex, const char* birth, const char* status = "Active") {
            return PersonXml(Id(n))
                .set(QStringLiteral("Name"), QString::fromUtf8(name))
                .set(QStringLiteral("MiddleName"), QString::fromUtf8(middle))
                .set(QStringLiteral("Surname"), QString::fromUtf8(surname))
                .set(QStringLiteral("Sex"), QString::fromUtf8(sex))
                .set(QStringLiteral("DateOfBirth"), QString::fromUtf8(birth))
                .set(QStringLiteral("OptionalID"), QStringLiteral("opt-%1").arg(n))
                .set(QStringLiteral("ZipCode"), QStringLiteral("LV-10%1").arg(n))
                .set(QStringLiteral("Status"), QString::fromUtf8(status));
        };
        return RegisterXml()
            .person(person(4, "Zane", "", "Liepa", "F", "1950/10/1"))
            .person(person(1, "Anna", "Marie", "Ozola", "F", "1950/2/1"))
            .person(person(2, "Peteris", "J", "Ozols", "M", "1948/12/24"))
            .person(person(3, "Juris", "", "Berzs", "M", "1975/3/5", "Deleted"))
            .person(person(5, "Ilze", "", "Kalna", "F", "1950/3/5", "active"))
            .person(person(6, "Karlis", "", "Apse", "M", "2001/1/1"))
            .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
            .rel(Id(6), Id(1), QStringLiteral("sibling"), QStringLiteral("sibling"))
            .rel(Id(4), Id(6), QStringLiteral("twin"), QStringLiteral("twin"))
            .rel(Id(2), Id(4), QStringLiteral("parent"), QStringLiteral("child"))
            .bytes();
    }

    void startWith(const QByteArray& data)
    {
        writeDataFile(data);
        start();
    }

    // Shows the search window through "Find"; `act` works in it, and it is closed afterwards
    // unless `act` closed it.
    void inSearch(const std::function<void(QDialog&)>& act)
    {
        ModalAnswer answer([&](QDialog& shown) {
            act(shown);
            if (shown.isVisible())
                Find<QPushButton>(shown, "btn_Close")->click();
        });
        Find<QPushButton>(*form, "btn_Find")->click();
        EXPECT_TRUE(answer.answered());
    }

    // Clicks a button of `shown` that opens a modal dialog, and lets `act` answer that dialog.
    static void answering(QDialog& shown, const char* button,
                          const std::function<void(QDialog&)>& act)
    {
        ModalAnswer answer(act);
        Find<QPushButton>(shown, button)->click();
        EXPECT_TRUE(answer.answered()) << button;
    }

    static QTreeView& List(QDialog& shown) { return *Find<QTreeView>(shown, "lv_All"); }
    static bool Enabled(QDialog& shown, const char* button)
    {
        return Find<QPushButton>(shown, button)->isEnabled();
    }

    QString childText(const QString& id, const char* child)
    {
        return StoredPerson(form->reg(), id).text(*FieldOfElement(child));
    }
};

}  // namespace orvanel::testing
