#include "family_window_fixture.h"

#include "family/ui/family_colours.h"

#include <QAccessibleInterface>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QProcess>
#include <QTabWidget>

namespace orvanel {
namespace {

using namespace testing;

TEST_F(FamilyWindowTest, OpensOnTheSelectedPersonWithTheSummaryAndOnlyWithASelection)
{
    inSearch([&](QDialog& search) { EXPECT_FALSE(Enabled(search, "btn_Family")); });
    bool shown = false;
    inFamilyOf(Id(3), [&](QDialog& family) {
        shown = true;
        EXPECT_EQ(family.objectName(), QStringLiteral("dlg_Family"));
        EXPECT_EQ(ChosenId(family), Id(3));
        EXPECT_EQ(Summary(family),
                  QStringLiteral("2 parents, 1 twin, 1 sibling, 2 children, 1 grandchild"));
        EXPECT_EQ(Find<QLabel>(family, "lab_Summary")->accessibleName(), QStringLiteral("Summary"));
        EXPECT_EQ(Picture(family).accessibleDescription(), Summary(family));
        EXPECT_EQ(Find<QSpinBox>(family, "sb_Generations")->value(), 2);
        EXPECT_TRUE(Picture(family).hasFocus());
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(FamilyWindowTest, ArrowKeysAndEnterRecentreAndAltLeftAndRightRetraceTheWalk)
{
    inFamilyOf(Id(3), [&](QDialog& family) {
        const QString before = Summary(family);
        Key(family, Qt::Key_Up);
        const QString parent = FocusId(family);
        EXPECT_TRUE(parent == Id(1) || parent == Id(2)) << parent.toStdString();
        EXPECT_EQ(ChosenId(family), Id(3)) << "an arrow key only moves the focus";
        Key(family, Qt::Key_Return);
        EXPECT_EQ(ChosenId(family), parent);
        EXPECT_EQ(Summary(family), QStringLiteral("1 child, 2 grandchildren"));
        EXPECT_TRUE(Status(family).startsWith(QStringLiteral("Centred on "))) << Status(family).toStdString();

        Key(family, Qt::Key_Left, Qt::AltModifier);
        EXPECT_EQ(ChosenId(family), Id(3));
        EXPECT_EQ(FocusId(family), parent) << "back on the person the walk came from";
        EXPECT_EQ(Summary(family), before);
        Key(family, Qt::Key_Right, Qt::AltModifier);
        EXPECT_EQ(ChosenId(family), parent);

        // Down to a child of the parent, then along the row to Liga, who is beside Karlis.
        Key(family, Qt::Key_Left, Qt::AltModifier);
        Key(family, Qt::Key_Home);
        Key(family, Qt::Key_Down);
        EXPECT_TRUE(FocusId(family) == Id(5) || FocusId(family) == Id(6));
        Key(family, Qt::Key_Up);
        EXPECT_EQ(FocusId(family), Id(3));
        Key(family, Qt::Key_Right);
        EXPECT_TRUE(FocusId(family) == Id(4) || FocusId(family) == Id(8));

        Key(family, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_GT(Picture(family).zoom(), 1.0);
        Key(family, Qt::Key_Minus, Qt::ControlModifier);
        EXPECT_DOUBLE_EQ(Picture(family).zoom(), 1.0);
    });
}

TEST_F(FamilyWindowTest, AClickCentresOnAPersonAndADoubleClickOpensThem)
{
    inFamilyOf(Id(3), [&](QDialog& family) {
        FamilyPicture& picture = Picture(family);
        const auto boxOf = [&](const QString& id) {
            for (size_t i = 0; i < picture.family().persons.size(); ++i) {
                if (picture.family().persons[i].id == id)
                    return static_cast<int>(i);
            }
            return -1;
        };
        QTest::mouseClick(&picture, Qt::LeftButton, {}, picture.boxRect(boxOf(Id(5))).center());
        EXPECT_EQ(ChosenId(family), Id(5));
        ModalAnswer answer([&](QDialog& person) {
            EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), Id(7));
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
        const QPoint at = picture.boxRect(boxOf(Id(7))).center();
        QTest::mouseClick(&picture, Qt::LeftButton, {}, at);
        QTest::mouseDClick(&picture, Qt::LeftButton, {}, at);
        EXPECT_TRUE(answer.answered());
        EXPECT_EQ(ChosenId(family), Id(7));
    });
}

TEST_F(FamilyWindowTest, PrintOpensTheDesktopsPrintDialog)
{
    inFamilyOf(Id(3), [&](QDialog& family) {
        ModalAnswer answer([](QDialog& print) {
            EXPECT_EQ(print.objectName(), QStringLiteral("dlg_Print"));
            print.reject();
        });
        Find<QPushButton>(family, "btn_Print")->click();
        EXPECT_TRUE(answer.answered());
        EXPECT_TRUE(Status(family).isEmpty());
    });
}

TEST_F(FamilyWindowTest, GenerationsSpinBoxReadsTheFamilyAgain)
{
    inFamilyOf(Id(3), [&](QDialog& family) {
        QSpinBox* generations = Find<QSpinBox>(family, "sb_Generations");
        EXPECT_EQ(generations->minimum(), 1);
        EXPECT_EQ(generations->maximum(), 4);
        EXPECT_TRUE(Shows(family, Id(7)));
        generations->setValue(1);
        EXPECT_FALSE(Shows(family, Id(7)));
        EXPECT_EQ(Summary(family), QStringLiteral("2 parents, 1 twin, 1 sibling, 2 children"));
        generations->setValue(2);
        EXPECT_TRUE(Shows(family, Id(7)));
    });
}

TEST_F(FamilyWindowTest, EveryBoxIsAnAccessibleItemAndFocusFollowsTheArrowKeys)
{
    // The offscreen platform has no accessibility bridge, so the focus events themselves are
    // not seen here: the picture's focused item, which a reader asks for on such an event, is.
    inFamilyOf(Id(3), [&](QDialog& family) {
        QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&Picture(family));
        ASSERT_NE(whole, nullptr);
        EXPECT_EQ(whole->childCount(), 8);
        EXPECT_EQ(AccessibleNameOf(family, Id(2)),
                  QStringLiteral("Anna Ozols, born 1922, %1, mother of the chosen person").arg(Id(2)));
        EXPECT_EQ(AccessibleNameOf(family, Id(3)),
                  QStringLiteral("Karlis Ozols, born 1950, %1, the chosen person").arg(Id(3)));
        EXPECT_EQ(AccessibleNameOf(family, Id(8)),
                  QStringLiteral("Juris Ozols, born 1950, %1, twin brother of the chosen person, "
                                 "deleted")
                      .arg(Id(8)));
        EXPECT_EQ(AccessibleNameOf(family, Id(6)),
                  QStringLiteral("Peteris Ozols, born 1978, %1, child of the chosen person").arg(Id(6)));

        Key(family, Qt::Key_Down);
        EXPECT_TRUE(FocusId(family) == Id(5) || FocusId(family) == Id(6));
        QAccessibleInterface* focus = whole->focusChild();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus->state().focused);
        EXPECT_EQ(focus->text(QAccessible::Name), AccessibleNameOf(family, FocusId(family)));
    });
}

TEST_F(FamilyWindowTest, F2OpensThePersonDialogAndAnEditShowsInThePicture)
{
    QString parent;
    inFamilyOf(Id(3), [&](QDialog& family) {
        Key(family, Qt::Key_Up);
        parent = FocusId(family);
        ModalAnswer answer([&](QDialog& person) {
            EXPECT_EQ(person.objectName(), QStringLiteral("Form_Person"));
            EXPECT_EQ(Find<QLineEdit>(person, "ed_id")->text(), parent);
            // The Family window is open already: the dialog does not offer it again.
            EXPECT_FALSE(Find<QPushButton>(person, "btn_Family")->isEnabled());
            Find<QLineEdit>(person, "ed_name")->setText(QStringLiteral("Eduards"));
            Find<QPushButton>(person, "btn_Ok")->click();
        });
        Key(family, Qt::Key_F2);
        EXPECT_TRUE(answer.answered());
        EXPECT_TRUE(AccessibleNameOf(family, parent).startsWith(QStringLiteral("Eduards Ozols")));
        EXPECT_EQ(FocusId(family), parent);

        // A deleted person is not opened.
        NoModalDialog none;
        Key(family, Qt::Key_Home);
        for (int step = 0; step < 2 && FocusId(family) != Id(8); ++step)
            Key(family, Qt::Key_Right);
        ASSERT_EQ(FocusId(family), Id(8));
        Key(family, Qt::Key_F2);
        EXPECT_FALSE(none.dialogShown());
    });
    EXPECT_EQ(childText(parent, "Name"), QStringLiteral("Eduards"));
}

TEST_F(FamilyWindowTest, OpensFromTheRelativesTabButNotForAPersonNotYetStored)
{
    inSearch([&](QDialog& search) {
        List(search).setCurrentIndex(List(search).model()->index(0, 0));
        answering(search, "btn_Edit", [&](QDialog& person) {
            Find<QTabWidget>(person, "pgc_Persona")->setCurrentIndex(2);
            QPushButton* open = Find<QPushButton>(person, "btn_Family");
            EXPECT_TRUE(open->isEnabled());
            ModalAnswer answer([&](QDialog& family) {
                EXPECT_EQ(family.objectName(), QStringLiteral("dlg_Family"));
                // The person dialog is showing already: F2 says so and opens nothing.
                NoModalDialog none;
                Key(family, Qt::Key_F2);
                EXPECT_FALSE(none.dialogShown());
                EXPECT_FALSE(Status(family).isEmpty());
                Find<QPushButton>(family, "btn_Close")->click();
            });
            open->click();
            EXPECT_TRUE(answer.answered());
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
        answering(search, "btn_Add", [&](QDialog& person) {
            EXPECT_FALSE(Find<QPushButton>(person, "btn_Family")->isEnabled());
            Find<QPushButton>(person, "btn_Cancel")->click();
        });
    });
}

// The saved files open in tools that share no code with the program.
TEST_F(FamilyWindowTest, SavesPngSvgAndPdfThatOtherToolsOpen)
{
    TempFolder out;
    inFamilyOf(Id(3), [&](QDialog& family) {
        chooser.answer = PictureChoice{out.file(QStringLiteral("family.png")), PictureFormat::Svg};
        Find<QPushButton>(family, "btn_SavePicture")->click();
        // No extension: the filter's is added.
        chooser.answer = PictureChoice{out.file(QStringLiteral("family")), PictureFormat::Svg};
        Find<QPushButton>(family, "btn_SavePicture")->click();
        chooser.answer = PictureChoice{out.file(QStringLiteral("family.pdf")), PictureFormat::Png};
        Find<QPushButton>(family, "btn_SavePicture")->click();
        EXPECT_EQ(Status(family), QStringLiteral("Picture saved to family.pdf"));
    });
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    ASSERT_EQ(chooser.suggested.size(), 3);
    EXPECT_EQ(chooser.suggested.first(), folder.file(QStringLiteral("family-%1.png").arg(Id(3))));

    const QImage png(out.file(QStringLiteral("family.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_GT(png.width(), 3 * 160);

    QProcess svg;
    svg.start(QStringLiteral("rsvg-convert"),
              {QStringLiteral("-o"), out.file(QStringLiteral("from-svg.png")),
               out.file(QStringLiteral("family.svg"))});
    ASSERT_TRUE(svg.waitForFinished(60000));
    EXPECT_EQ(svg.exitCode(), 0) << svg.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(out.file(QStringLiteral("from-svg.png"))).isNull());

    QProcess pdf;
    pdf.start(QStringLiteral("pdftoppm"),
              {QStringLiteral("-png"), QStringLiteral("-singlefile"),
               out.file(QStringLiteral("family.pdf")), out.file(QStringLiteral("from-pdf"))});
    ASSERT_TRUE(pdf.waitForFinished(60000));
    EXPECT_EQ(pdf.exitCode(), 0) << pdf.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(out.file(QStringLiteral("from-pdf.png"))).isNull());
    // Vector: the names are text in the PDF, not pixels.
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {out.file(QStringLiteral("family.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    EXPECT_TRUE(text.readAllStandardOutput().contains("Karlis Ozols"));
}

TEST_F(FamilyWindowTest, RefusesToReplaceTheRegisterOrItsBackup)
{
    folder.write(QString::fromLatin1(kBackup), "backup");
    inFamilyOf(Id(3), [&](QDialog& family) {
        for (const char* name : {kData, kBackup}) {
            chooser.answer = PictureChoice{folder.file(QString::fromLatin1(name)), PictureFormat::Png};
            Find<QPushButton>(family, "btn_SavePicture")->click();
        }
        // A name without an extension that becomes the register's with the filter's.
        chooser.answer = PictureChoice{folder.file(QStringLiteral("zok")), PictureFormat::Png};
        Find<QPushButton>(family, "btn_SavePicture")->click();
    });
    EXPECT_EQ(messages.warnings.size(), 2);
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), QByteArray("backup"));
    EXPECT_TRUE(folder.exists(QStringLiteral("zok.png")));
}

TEST(FamilyColours, TextIsReadableOnLightDarkAndPoorThemes)
{
    QPalette light;
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::WindowText, QColor(20, 20, 20));
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    QPalette poor;
    poor.setColor(QPalette::Base, QColor(128, 128, 128));
    poor.setColor(QPalette::WindowText, QColor(140, 140, 140));
    for (const QPalette& palette : {light, dark, poor}) {
        const FamilyColours colours = ThemeColours(palette);
        EXPECT_GE(ContrastRatio(colours.text, colours.boxFill), kReadableContrast);
        EXPECT_GE(ContrastRatio(colours.mutedText, colours.boxFill), kReadableContrast);
        EXPECT_NE(colours.mutedText, colours.text) << "deleted persons are greyed";
    }
    EXPECT_EQ(ThemeColours(light).text, QColor(20, 20, 20));
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
}

}  // namespace
}  // namespace orvanel
