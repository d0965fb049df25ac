// Every window used from the keyboard, by a screen reader, under a dark theme and a large font.

#include "family/ui/family_window.h"
#include "relations/ui/relationship_dialog.h"
#include "search/ui/filter_dialog.h"
#include "search/ui/search_window.h"
#include "shell/main_window_fixture.h"
#include "widgets/confirm_dialog.h"
#include "widgets/pictures.h"
#include "shell/ui/program_identity.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeView>
#include <cmath>

namespace orvanel::testing {
namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& colour)
{
    auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
           + 0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a widget is drawn on: its own fill, or that of the nearest ancestor that fills.
QColor Background(const QWidget& widget)
{
    const QWidget* w = &widget;
    while (!w->isWindow() && !w->autoFillBackground())
        w = w->parentWidget();
    return w->palette().color(w->backgroundRole());
}

QPalette DarkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}

// Sets the application's palette or font for one test and puts the old one back afterwards.
struct AppPalette {
    explicit AppPalette(const QPalette& palette) { QApplication::setPalette(palette); }
    ~AppPalette() { QApplication::setPalette(saved); }
    QPalette saved = QApplication::palette();
};
struct AppFont {
    explicit AppFont(const QFont& font) { QApplication::setFont(font); }
    ~AppFont() { QApplication::setFont(saved); }
    QFont saved = QApplication::font();
};

class DesktopAccess : public MainWindowTest {
protected:
    void startOnSmallRegister()
    {
        writeDataFile(SmallRegister());
        start();
    }

    QList<QWidget*> windows()
    {
        return {form.get(),           &form->personDialog(),  &form->relationshipDialog(),
                &form->searchWindow(),  &form->confirmDialog(), &form->filterDialog(),
                &form->familyWindow()};
    }

    // The three sortable lists.
    QList<QTreeView*> lists()
    {
        return {Find<QTreeView>(form->searchWindow(), "lv_All"),
                Find<QTreeView>(form->relationshipDialog(), "lv_Person2"),
                Find<QTreeView>(form->personDialog(), "lv_Relatives")};
    }

    // Opens the person dialog for a new person and lets `act` work in it, then cancels it.
    void inNewPerson(const std::function<void(QDialog&)>& act)
    {
        ModalAnswer answer([&](QDialog& shown) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
            act(shown);
            if (shown.isVisible())
                Find<QPushButton>(shown, "btn_Cancel")->click();
        });
        Find<QPushButton>(*form, "btn_NewPerson")->click();
        EXPECT_TRUE(answer.answered());
    }

    void inSearch(const std::function<void(QDialog&)>& act)
    {
        ModalAnswer answer([&](QDialog& shown) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
            act(shown);
            if (shown.isVisible())
                Find<QPushButton>(shown, "btn_Close")->click();
        });
        Find<QPushButton>(*form, "btn_Find")->click();
        EXPECT_TRUE(answer.answered());
    }

    void checkCaptionsReadable(const char* theme)
    {
        for (QWidget* window : windows()) {
            QList<QWidget*> captions;
            for (auto* w : window->findChildren<QLabel*>())
                captions << w;
            for (auto* w : window->findChildren<QCheckBox*>())
                captions << w;
            for (auto* w : window->findChildren<QRadioButton*>())
                captions << w;
            for (auto* w : window->findChildren<QGroupBox*>())
                captions << w;
            for (QWidget* caption : captions) {
                const QColor text = caption->palette().color(caption->foregroundRole());
                EXPECT_GE(Contrast(text, Background(*caption)), 4.5)
                    << theme << " " << window->objectName().toStdString() << " "
                    << caption->objectName().toStdString() << " "
                    << caption->metaObject()->className();
            }
        }
    }

    void checkColumnsShowWhole(const char* font)
    {
        for (QTreeView* list : lists()) {
            QHeaderView* header = list->header();
            const int margin =
                header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            const int cellMargin =
                list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
            for (int column = 0; column < header->count(); ++column) {
                const QString title =
                    list->model()->headerData(column, Qt::Horizontal).toString();
                // The title with a margin each side and the sort arrow beside it.
                const int titleNeeds = header->fontMetrics().horizontalAdvance(title) + 2 * margin
                                       + header->fontMetrics().height() / 2;
                EXPECT_GE(header->sectionSize(column), titleNeeds)
                    << font << " " << list->objectName().toStdString() << " " << column;
            }
            const int idNeeds = list->fontMetrics().horizontalAdvance(QStringLiteral("OR0001-3"))
                                + 2 * cellMargin;
            const int idColumn = list->objectName() == QLatin1String("lv_Relatives") ? 1 : 0;
            EXPECT_GE(header->sectionSize(idColumn), idNeeds) << font;
        }
        QTreeView* all = lists().first();
        EXPECT_GE(all->header()->sectionSize(5),
                  all->fontMetrics().horizontalAdvance(QStringLiteral("1950/12/31")))
            << font;
        // The widths given in pixels are the least a column gets.
        const int given[] = {60, 100, 0, 100, 30, 80};
        for (int column = 0; column < 6; ++column)
            EXPECT_GE(all->header()->sectionSize(column), given[column]) << font;
    }
};

TEST_F(DesktopAccess, EveryCaptionIsReadableUnderALightAndADarkTheme)
{
    {
        AppPalette light(QApplication::style()->standardPalette());
        startOnSmallRegister();
        checkCaptionsReadable("light");
        form.reset();
    }
    {
        AppPalette dark(DarkPalette());
        startOnSmallRegister();
        checkCaptionsReadable("dark");
        // The identifier field keeps its own face, readable too.
        auto* id = Find<QLineEdit>(form->personDialog(), "ed_id");
        const QPalette face = id->palette();
        EXPECT_GE(Contrast(face.color(QPalette::Text), face.color(QPalette::Base)), 4.5);
        // Buttons keep the desktop's colours: some styles paint a dark theme's button face
        // whatever the palette says, and the window's dark text on it could not be read.
        const auto buttons = form->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
        for (auto* button : buttons) {
            EXPECT_EQ(button->palette().color(QPalette::ButtonText),
                      QApplication::palette(button).color(QPalette::ButtonText))
                << button->objectName().toStdString();
        }
    }
}

TEST_F(DesktopAccess, ColumnsShowIdentifiersDatesAndTitlesWholeAtTheDefaultAndALargeFont)
{
    startOnSmallRegister();
    checkColumnsShowWhole("default");
    form.reset();

    QFont large = QApplication::font();
    large.setPointSize(14);
    AppFont bigger(large);
    startOnSmallRegister();
    checkColumnsShowWhole("14 pt");

    // A column dragged to nothing keeps enough width to be found and dragged back.
    for (QTreeView* list : lists()) {
        for (int column = 0; column < list->header()->count(); ++column) {
            list->header()->resizeSection(column, 0);
            EXPECT_GE(list->header()->sectionSize(column), 8)
                << list->objectName().toStdString() << " " << column;
        }
    }
}

TEST_F(DesktopAccess, ScreenReadersFindEveryControlByNameAndPassOverDecoration)
{
    startOnSmallRegister();
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->role(), QAccessible::Window);
    EXPECT_EQ(main->text(QAccessible::Name), QStringLiteral("Orvanel"));

    for (QWidget* window : windows()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            // Only what takes the focus by itself; the parts inside a control go with it.
            if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy()
                || control->parentWidget()->inherits("QAbstractSpinBox")
                || control->parentWidget()->inherits("QComboBox"))
                continue;
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(access, nullptr);
            EXPECT_FALSE(access->text(QAccessible::Name).isEmpty())
                << window->objectName().toStdString() << " "
                << control->objectName().toStdString() << " " << control->metaObject()->className();
        }
    }

    // The pictures are not among their window's controls at all: a screen reader walking the
    // window meets the buttons only.
    QList<QLabel*> pictures;
    for (const char* name : {"Image1", "Image2", "Image3"})
        pictures << Find<QLabel>(*form, name);
    pictures << Find<QLabel>(form->confirmDialog(), "Image1");
    for (QLabel* picture : pictures) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(picture);
        EXPECT_TRUE(access->state().invisible);
        EXPECT_TRUE(access->text(QAccessible::Name).isEmpty());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(picture->window());
        EXPECT_EQ(window->indexOfChild(access), -1);
        for (int i = 0; i < window->childCount(); ++i)
            EXPECT_NE(window->child(i)->object(), picture) << i;
    }
    EXPECT_EQ(main->childCount(), 3);

    // The export button is named by its caption and described by what it exports; date fields
    // describe the form a date is typed in.
    QAccessibleInterface* exporting = QAccessible::queryAccessibleInterface(
        Find<QPushButton>(form->searchWindow(), "btn_Export"));
    EXPECT_EQ(exporting->text(QAccessible::Name), QStringLiteral("Export..."));
    EXPECT_TRUE(
        exporting->text(QAccessible::Description).contains(QStringLiteral("listed persons")));
    for (QWidget* date : {static_cast<QWidget*>(Find<QLineEdit>(form->personDialog(), "dt_Birth")),
                          static_cast<QWidget*>(Find<QLineEdit>(form->filterDialog(), "dtp_from")),
                          static_cast<QWidget*>(Find<QLineEdit>(form->filterDialog(), "dtp_to"))}) {
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(date)
                        ->text(QAccessible::Description)
                        .contains(QStringLiteral("yyyy/m/d")))
            << date->objectName().toStdString();
    }

    // The lines of the lower box are passed over while empty and read once they say something.
    inNewPerson([](QDialog& person) {
        Find<QLineEdit>(person, "ed_name")->setText(QStringLiteral("Eva"));
        Find<QTabWidget>(person, "pgc_Persona")->setCurrentIndex(2);
        ModalAnswer answer([](QDialog& relationship) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&relationship));
            for (const char* name : {"lab_Person22", "lab_KindInverse"}) {
                QAccessibleInterface* line =
                    QAccessible::queryAccessibleInterface(Find<QLabel>(relationship, name));
                EXPECT_TRUE(line->state().invisible) << name;
                EXPECT_TRUE(line->text(QAccessible::Name).isEmpty()) << name;
            }
            QAccessibleInterface* edited = QAccessible::queryAccessibleInterface(
                Find<QLabel>(relationship, "lab_Person21"));
            EXPECT_FALSE(edited->state().invisible);
            EXPECT_TRUE(edited->text(QAccessible::Name).contains(QStringLiteral("Eva")));
            Find<QPushButton>(relationship, "btn_Cancel")->click();
        });
        Find<QPushButton>(person, "btn_NewRelationship")->click();
        EXPECT_TRUE(answer.answered());
    });
}

TEST_F(DesktopAccess, HeadersShowTheSortColumnAndDirectionAndTheKeyboardSorts)
{
    startOnSmallRegister();
    inSearch([](QDialog& shown) {
        auto* list = Find<QTreeView>(shown, "lv_All");
        QHeaderView* header = list->header();
        EXPECT_TRUE(header->isSortIndicatorShown());
        EXPECT_EQ(header->sortIndicatorSection(), 0);
        EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 4, header->height() / 2));
        EXPECT_EQ(header->sortIndicatorSection(), 3);
        EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

        // Ctrl+1 with the focus in the list sorts by the first column; again reverses it.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_1, Qt::ControlModifier);
        EXPECT_EQ(header->sortIndicatorSection(), 0);
        EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QTest::keyClick(list, Qt::Key_1, Qt::ControlModifier);
        EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
        EXPECT_EQ(list->model()->index(0, 0).data().toString(), Id(2));
    });
    // Shown again, the list and its arrow keep the order.
    inSearch([](QDialog& shown) {
        auto* list = Find<QTreeView>(shown, "lv_All");
        EXPECT_EQ(list->header()->sortIndicatorSection(), 0);
        EXPECT_EQ(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        EXPECT_EQ(list->model()->index(0, 0).data().toString(), Id(2));
    });

    // The relatives list stands in document order when opened: no arrow until a title is used.
    auto* relatives = Find<QTreeView>(form->personDialog(), "lv_Relatives");
    inNewPerson([&](QDialog& person) {
        Find<QTabWidget>(person, "pgc_Persona")->setCurrentIndex(2);
        EXPECT_EQ(relatives->header()->sortIndicatorSection(), -1);
        relatives->setFocus();
        QTest::keyClick(relatives, Qt::Key_3, Qt::ControlModifier);
        EXPECT_EQ(relatives->header()->sortIndicatorSection(), 2);
    });
    inNewPerson([&](QDialog&) { EXPECT_EQ(relatives->header()->sortIndicatorSection(), -1); });
}

TEST_F(DesktopAccess, KeyboardAndScreenReaderReachWhatTheMouseReaches)
{
    startOnSmallRegister();

    // Enter presses the main window's focused button.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* find = Find<QPushButton>(*form, "btn_Find");
    find->setFocus();
    {
        ModalAnswer search([](QDialog& shown) { Find<QPushButton>(shown, "btn_Close")->click(); });
        QTest::keyClick(find, Qt::Key_Return);
        EXPECT_TRUE(search.answered());
    }

    // In the search list, the first Down after Tab chooses the first row, and Enter edits it.
    // There, a relatives row selected by a screen reader (the row selected, nothing clicked)
    // enables Edit and Delete.
    inSearch([](QDialog& shown) {
        auto* list = Find<QTreeView>(shown, "lv_All");
        Find<QPushButton>(shown, "btn_Export")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(list->selectionModel()->selectedRows().first().row(), 0);

        ModalAnswer edit([](QDialog& person) {
            EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Id(1));
            Find<QTabWidget>(person, "pgc_Persona")->setCurrentIndex(2);
            auto* relatives = Find<QTreeView>(person, "lv_Relatives");
            ASSERT_EQ(relatives->model()->rowCount(), 1);
            EXPECT_FALSE(Find<QPushButton>(person, "btn_EditRelationship")->isEnabled());
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(relatives);
            ASSERT_NE(table->tableInterface(), nullptr);
            table->tableInterface()->selectRow(0);
            EXPECT_TRUE(Find<QPushButton>(person, "btn_EditRelationship")->isEnabled());
            EXPECT_TRUE(Find<QPushButton>(person, "btn_DeleteRelationship")->isEnabled());
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_TRUE(edit.answered());
    });

    // In the person dialog Tab from Surname goes to the checked sex, whichever it is.
    inNewPerson([](QDialog& person) {
        Find<QRadioButton>(person, "rg_sex_Female")->setChecked(true);
        Find<QLineEdit>(person, "ed_surname")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Find<QRadioButton>(person, "rg_sex_Female"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("dt_Birth"));
    });

    // The relationship dialog starts at Kind every time it is opened.
    inNewPerson([&](QDialog& person) {
        Find<QTabWidget>(person, "pgc_Persona")->setCurrentIndex(2);
        for (int opening = 0; opening < 2; ++opening) {
            ModalAnswer answer([&](QDialog& shown) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
                EXPECT_EQ(shown.focusWidget(), Find<QComboBox>(shown, "cb_Kind1")) << opening;
                Find<QTreeView>(shown, "lv_Person2")->setFocus();
                Find<QPushButton>(shown, "btn_Cancel")->click();
            });
            Find<QPushButton>(person, "btn_NewRelationship")->click();
            EXPECT_TRUE(answer.answered());
        }
    });
}

TEST_F(DesktopAccess, WindowsShowTheDesktopEntrysIconAndTheProgramNamesItsEntry)
{
    const QString packaging =
        QFileInfo(QStringLiteral(ORVANEL_SAMPLE_REGISTER)).absolutePath() + "/../packaging/";
    QFile shipped(packaging + QStringLiteral("orvanel.svg"));
    QFile embedded(QStringLiteral(":/orvanel/orvanel.svg"));
    ProgramIcon();  // makes the embedded pictures available
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    ASSERT_TRUE(embedded.open(QIODevice::ReadOnly));
    EXPECT_EQ(embedded.readAll(), shipped.readAll());

    const QImage drawn = ProgramIcon().pixmap(64).toImage();
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn, QIcon(shipped.fileName()).pixmap(64).toImage());

    startOnSmallRegister();
    for (QWidget* window : windows())
        EXPECT_EQ(window->windowIcon().pixmap(64).toImage(), drawn)
            << window->objectName().toStdString();

    IdentifyProgram();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QLatin1String(kDesktopEntryName));
    EXPECT_TRUE(QFile::exists(packaging + QLatin1String(kDesktopEntryName) + ".desktop"));
}

}  // namespace
}  // namespace orvanel::testing
