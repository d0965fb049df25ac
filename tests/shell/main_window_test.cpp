#include "main_window_fixture.h"

#include "relations/ui/relationship_dialog.h"
#include "search/ui/filter_dialog.h"
#include "search/ui/search_window.h"
#include "widgets/confirm_dialog.h"
#include "store/file_date.h"
#include "widgets/qt_messages.h"
#include "store/folder_lock.h"
#include "store/load.h"
#include "support/register_records.h"

#include <QFileInfo>
#include <QAbstractButton>
#include <QLabel>

namespace orvanel::testing {
namespace {

// The root's saved DateModified, read back from the file.
QString SavedDate(const QByteArray& bytes)
{
    const int at = bytes.indexOf("DateModified=\"") + 14;
    return QString::fromUtf8(bytes.mid(at, bytes.indexOf('"', at) - at));
}

TEST_F(MainWindowTest, MissingDataFileIsReportedBeforeAnyWindowAndEndsTheProgram)
{
    form = std::make_unique<TForm1>(folder.path(), messages, clock);
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("File \"zok.xml\" not found!")});
    EXPECT_FALSE(form->isVisible());

    form->show();
    EXPECT_TRUE(closedInTime());
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_TRUE(filesInFolder().isEmpty());
}

TEST_F(MainWindowTest, RefusedFileEndsTheProgramWithoutOfferingToSave)
{
    // The old-form identifier is converted before the count is found wrong: had the load kept
    // it, the register would count as changed, and a save would write counts the file lacks.
    writeDataFile(RegisterXml()
                      .person(QStringLiteral("AB0001"), QStringLiteral("Anna"), QString(),
                              QStringLiteral("Ozola"))
                      .raw(" <Person ID=\"AB0002-3\"/>\n", 0, 0)
                      .bytes());
    start();
    EXPECT_EQ(messages.errors, QStringList{QStringLiteral("Invalid data file content!")});
    EXPECT_TRUE(closedInTime());
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
    EXPECT_FALSE(folder.exists(QString::fromLatin1(kBackup)));
}

TEST_F(MainWindowTest, ClosingWithoutChangeAsksNothingAndWritesNothing)
{
    writeDataFile(SmallRegister());
    const QDateTime written = QFileInfo(folder.file(QString::fromLatin1(kData))).lastModified();
    start();
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_TRUE(form->isVisible());

    Find<QPushButton>(*form, "btn_Close")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(filesInFolder(), QStringList{QString::fromLatin1(kData)});
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
    EXPECT_EQ(QFileInfo(folder.file(QString::fromLatin1(kData))).lastModified(), written);
}

TEST_F(MainWindowTest, ConvertedIdentifierAsksAndNoLeavesBothFilesUntouched)
{
    writeDataFile(RegisterXml()
                      .person(QStringLiteral("AB0001"), QStringLiteral("Anna"), QString(),
                              QStringLiteral("Ozola"))
                      .bytes());
    folder.write(QString::fromLatin1(kBackup), "an older backup");
    start();
    ASSERT_TRUE(form->reg().modified());

    messages.answerNext(false);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.questions,
              QStringList{QStringLiteral("Confirm: Do you want to save changes?")});
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), QByteArray("an older backup"));
}

TEST_F(MainWindowTest, YesSavesTheRegisterAfterBackingUpTheFileAsItWas)
{
    writeDataFile(SmallRegister());
    start();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));
    ASSERT_TRUE(form->reg().modified());

    messages.answerNext(true);
    Find<QPushButton>(*form, "btn_Close")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), original);

    const QByteArray saved = folder.read(QString::fromLatin1(kData));
    EXPECT_EQ(SavedDate(saved), QStringLiteral("2026/12/6"));
    Register reloaded;
    reloaded.folder = folder.path();
    ASSERT_TRUE(Accepted(LoadDataFile(reloaded, clock)));
    EXPECT_EQ(reloaded.personCounter(), 3);
    EXPECT_EQ(reloaded.relCounter(), 1);
    ASSERT_TRUE(reloaded.findPerson(Id(3)));
    EXPECT_EQ(StoredPerson(reloaded, Id(3)).text(PersonField::Name), QStringLiteral("Ilze"));
}

TEST_F(MainWindowTest, NoEndsTheProgramWithBothFilesUntouched)
{
    writeDataFile(SmallRegister());
    start();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));

    messages.answerNext(false);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
    EXPECT_FALSE(folder.exists(QString::fromLatin1(kBackup)));
}

TEST_F(MainWindowTest, FailedSaveKeepsTheProgramRunningAndClosingAsksAgain)
{
    writeDataFile(SmallRegister());
    start();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));
    // The backup cannot be made where a folder stands in its place.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QString::fromLatin1(kBackup)));

    messages.answerNext(true);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.first().contains(QLatin1String(kBackup)))
        << messages.errors.first().toStdString();
    EXPECT_TRUE(form->reg().modified());
    EXPECT_EQ(form->reg().personCounter(), 3);
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);

    messages.answerNext(false);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.questions.size(), 2);
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
}

TEST_F(MainWindowTest, WindowsAreCreatedOnceInTheirOrderAfterTheRegisterIsLoaded)
{
    writeDataFile(SmallRegister());
    start();
    QStringList dialogs;
    for (const QDialog* dialog : form->findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        dialogs << dialog->objectName();
    // The Family window came later than the others and is created after them.
    EXPECT_EQ(dialogs, (QStringList{"Form_Person", "Form_Relationship", "Form_Search", "Form_MB",
                                    "Form_Filter", "dlg_Family"}));

    // Each sortable list registered its sorter as its window was created.
    const SorterList& sorters = form->sorters();
    ASSERT_EQ(sorters.count(), 3);
    EXPECT_EQ(sorters.at(0).ListView(), form->personDialog().findChild<QWidget*>("lv_Relatives"));
    EXPECT_EQ(sorters.at(1).ListView(), form->relationshipDialog().findChild<QWidget*>("lv_Person2"));
    EXPECT_EQ(sorters.at(2).ListView(), form->searchWindow().findChild<QWidget*>("lv_All"));
    EXPECT_EQ(sorters.at(0).ColumnCount(), 5);
    EXPECT_EQ(sorters.at(2).ColumnCount(), 7);
}

TEST_F(MainWindowTest, MainWindowLooksAsItShould)
{
    writeDataFile(SmallRegister());
    start();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Orvanel"));
    EXPECT_EQ(form->size(), QSize(614, 243));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form->windowIcon().isNull());

    const QColor window(230, 235, 240);
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             form.get(), &form->personDialog(), &form->relationshipDialog(),
             &form->searchWindow(), &form->filterDialog()})
        EXPECT_EQ(w->palette().color(QPalette::Window), window) << w->objectName().toStdString();
    EXPECT_NE(form->confirmDialog().palette().color(QPalette::Window), window);

    const char* names[] = {"btn_NewPerson", "btn_Find", "btn_Close"};
    const char* captions[] = {"New Person", "Find", "Close"};
    for (int i = 0; i < 3; ++i) {
        const QPushButton* button = Find<QPushButton>(*form, names[i]);
        EXPECT_EQ(Shown(button->text()), QLatin1String(captions[i]));
        EXPECT_EQ(button->font().pixelSize(), 19);
    }
    int pictures = 0;
    for (const QLabel* label : form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        pictures += label->pixmap().isNull() ? 0 : 1;
    EXPECT_EQ(pictures, 3);

    // The buttons are reached in the order New Person, Find, Close.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get(), kPatienceMs));
    Find<QPushButton>(*form, "btn_NewPerson")->setFocus();
    QTest::keyClick(form.get(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("btn_Find"));
    QTest::keyClick(form.get(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("btn_Close"));
    form->close();
}

TEST_F(MainWindowTest, FindShowsTheSearchWindowModally)
{
    writeDataFile(SmallRegister());
    start();
    ModalAnswer answer([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("Form_Search"));
        dialog.reject();
    });
    Find<QPushButton>(*form, "btn_Find")->click();
    EXPECT_TRUE(answer.answered());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(MainWindowTest, FileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo)
{
    writeDataFile(SmallRegister());
    start();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));
    const QByteArray theirs =
        RegisterXml()
            .person(Id(1), QStringLiteral("Anna"), QString(), QStringLiteral("Berzina"))
            .bytes();
    folder.write(QString::fromLatin1(kData), theirs);
    const QString changed = QStringLiteral(
        "Confirm: zok.xml was changed by another program since Orvanel opened it. Save anyway? "
        "Its version will be kept in zok.bak.");

    // No: nothing is written and the program goes on with the edits.
    messages.answerNext(true);
    messages.answerNext(false);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(messages.questions,
              (QStringList{QStringLiteral("Confirm: Do you want to save changes?"), changed}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->reg().modified());
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), theirs);
    EXPECT_FALSE(folder.exists(QString::fromLatin1(kBackup)));

    // Closing asks again; Yes twice saves, and the other program's version is the backup.
    messages.answerNext(true);
    messages.answerNext(true);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.questions.size(), 4);
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), theirs);
    EXPECT_TRUE(folder.read(QString::fromLatin1(kData)).contains("Ilze"));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(MainWindowTest, UnchangedFileIsSavedWithoutTheSecondQuestion)
{
    writeDataFile(SmallRegister());
    start();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));
    folder.write(QString::fromLatin1(kData), original);  // touched, but the same bytes
    messages.answerNext(true);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(messages.questions.size(), 1);
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), original);
}

TEST_F(MainWindowTest, SecondWindowOnTheSameFolderSaysTheRegisterIsOpenAndEndsWithoutWriting)
{
    writeDataFile(SmallRegister());
    start();
    addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));

    RecordingMessages secondMessages;
    auto second = std::make_unique<TForm1>(folder.path(), secondMessages, clock);
    EXPECT_EQ(secondMessages.errors, QStringList{QString::fromLatin1(kRegisterAlreadyOpen)});
    second->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !second->isVisible(); }, 2000));
    EXPECT_TRUE(secondMessages.questions.isEmpty());
    second.reset();
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
    EXPECT_EQ(filesInFolder(), QStringList{QString::fromLatin1(kData)});

    // The first window keeps its lock and saves as usual; once it is gone the folder is free.
    messages.answerNext(true);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(folder.read(QString::fromLatin1(kData)).contains("Ilze"));
    form.reset();
    RecordingMessages thirdMessages;
    TForm1 third(folder.path(), thirdMessages, clock);
    EXPECT_TRUE(thirdMessages.errors.isEmpty());
    EXPECT_FALSE(third.reg().loadFailed());
}

// The save question as the program shows it, in a real message box.
class SaveQuestionBoxTest : public MainWindowTest {
protected:
    void startWithRealBoxes()
    {
        writeDataFile(SmallRegister());
        form = std::make_unique<TForm1>(folder.path(), boxes, clock);
        form->show();
        QCoreApplication::processEvents();
        addPerson(QStringLiteral("Ilze"), QStringLiteral("Kalna"));
    }

    // Escape, sent as a user would to the box's focused button and to the box itself, does not
    // answer: the box is still open afterwards.
    static void pressEscape(QDialog& box)
    {
        EXPECT_EQ(box.objectName(), QStringLiteral("QuestionBox"));
        EXPECT_TRUE(box.findChild<QAbstractButton*>(QStringLiteral("btn_Yes")) != nullptr);
        QWidget* focused = box.focusWidget() ? box.focusWidget() : &box;
        QTest::keyClick(focused, Qt::Key_Escape);
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_TRUE(box.isVisible()) << "Escape answered the save question";
    }

    QtMessages boxes;
};

TEST_F(SaveQuestionBoxTest, EscapeDoesNotAnswerAndYesThenSaves)
{
    startWithRealBoxes();
    ModalAnswer answer([](QDialog& box) {
        pressEscape(box);
        Find<QAbstractButton>(box, "btn_Yes")->click();
    });
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(folder.read(QString::fromLatin1(kBackup)), original);
    EXPECT_TRUE(folder.read(QString::fromLatin1(kData)).contains("Ilze"));
}

TEST_F(SaveQuestionBoxTest, ClosingTheBoxByItsCloseButtonStillMeansNo)
{
    startWithRealBoxes();
    ModalAnswer answer([](QDialog& box) {
        pressEscape(box);
        box.close();
    });
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(answer.answered());
    EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
    EXPECT_FALSE(folder.exists(QString::fromLatin1(kBackup)));
}

}  // namespace
}  // namespace orvanel::testing
