#pragma once

// The main window on a register of three generations around Karlis, with the Family window
// reached through the search window's "Family...", and a file chooser the tests answer.

#include "family/ui/family_picture.h"
#include "family/ui/family_window.h"
#include "search/ui_search_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

namespace orvanel::testing {

class ChosenPicture final : public PictureFileChooser {
public:
    std::optional<PictureChoice> choosePictureFile(const QString& suggestedPath) override
    {
        suggested << suggestedPath;
        return answer;
    }
    std::optional<PictureChoice> answer;
    QStringList suggested;
};

class FamilyWindowTest : public SearchWindowTest {
protected:
    // Karlis (3) has a father and a mother (1, 2), a sister (4), a twin brother whose record is
    // deleted (8), a daughter and a child of unknown sex (5, 6), and a granddaughter (7).
    static QByteArray Karlis()
    {
        auto person = [](int n, const char* name, const char* sex, const char* born,
                         const char* status = "Active") {
            return PersonXml(Id(n))
                .set(QStringLiteral("Name"), QString::fromUtf8(name))
                .set(QStringLiteral("Surname"), QStringLiteral("Ozols"))
                .set(QStringLiteral("Sex"), QString::fromUtf8(sex))
                .set(QStringLiteral("DateOfBirth"), QString::fromUtf8(born))
                .set(QStringLiteral("Status"), QString::fromUtf8(status));
        };
        const QString parent = QStringLiteral("parent");
        const QString child = QStringLiteral("child");
        return RegisterXml()
            .person(person(1, "Janis", "M", "1920/1/1"))
            .person(person(2, "Anna", "F", "1922/2/2"))
            .person(person(3, "Karlis", "M", "1950/3/3"))
            .person(person(4, "Liga", "F", "1952/4/4"))
            .person(person(5, "Ilze", "F", "1975/5/5"))
            .person(person(6, "Peteris", "", "1978/6/6"))
            .person(person(7, "Maija", "F", "2000/7/7"))
            .person(person(8, "Juris", "M", "1950/3/3", "Deleted"))
            .rel(Id(1), Id(3), parent, child)
            .rel(Id(3), Id(2), child, parent)
            .rel(Id(3), Id(4), QStringLiteral("sibling"), QStringLiteral("sibling"))
            .rel(Id(8), Id(3), QStringLiteral("twin"), QStringLiteral("twin"))
            .rel(Id(3), Id(5), parent, child)
            .rel(Id(6), Id(3), child, parent)
            .rel(Id(5), Id(7), parent, child)
            .bytes();
    }

    void SetUp() override
    {
        startWith(Karlis());
        form->familyWindow().useFileChooser(chooser);
    }

    // Selects the row of `id` in the search window, clicks "Family..." and lets `act` work in the
    // Family window, which is closed afterwards unless `act` closed it.
    void inFamilyOf(const QString& id, const std::function<void(QDialog&)>& act)
    {
        inSearch([&](QDialog& search) {
            QTreeView& list = List(search);
            for (int row = 0; row < list.model()->rowCount(); ++row) {
                if (list.model()->index(row, 0).data().toString() == id)
                    list.setCurrentIndex(list.model()->index(row, 0));
            }
            answering(search, "btn_Family", [&](QDialog& family) {
                act(family);
                if (family.isVisible())
                    Find<QPushButton>(family, "btn_Close")->click();
            });
        });
    }

    static FamilyPicture& Picture(QDialog& family)
    {
        return *Find<FamilyPicture>(family, "pic_Family");
    }
    static QString Summary(QDialog& family) { return Find<QLabel>(family, "lab_Summary")->text(); }
    static QString Status(QDialog& family) { return Find<QLabel>(family, "lab_Status")->text(); }
    static QString ChosenId(QDialog& family)
    {
        const Family& shown = Picture(family).family();
        return shown.persons[static_cast<size_t>(shown.chosen)].id;
    }
    static QString FocusId(QDialog& family)
    {
        const FamilyPicture& picture = Picture(family);
        return picture.family().persons[static_cast<size_t>(picture.focusBox())].id;
    }
    static bool Shows(QDialog& family, const QString& id)
    {
        for (const FamilyPerson& person : Picture(family).family().persons) {
            if (person.id == id)
                return true;
        }
        return false;
    }
    // What a screen reader is told of the picture's boxes, by ID.
    static QString AccessibleNameOf(QDialog& family, const QString& id)
    {
        FamilyPicture& picture = Picture(family);
        QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&picture);
        for (int i = 0; i < whole->childCount(); ++i) {
            const FamilyPerson& person = picture.family().persons[static_cast<size_t>(i)];
            if (person.id == id)
                return whole->child(i)->text(QAccessible::Name);
        }
        return {};
    }
    static void Key(QDialog& family, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&Picture(family), static_cast<Qt::Key>(key), modifiers);
    }

    ChosenPicture chooser;
};

}  // namespace orvanel::testing
