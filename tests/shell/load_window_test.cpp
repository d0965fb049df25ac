// The window of a slow load: shown only when the load is slow, and closing it ends the program
// without a word and without touching the register's folder. The load's time is stepped by hand.
#include "main_window_fixture.h"

#include "shell/ui/load_window.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <functional>

namespace orvanel::testing {
namespace {

// Each reading is `step` ms later than the one before; `onRead` runs at each, as the load goes.
struct SteppedStopwatch final : Stopwatch {
    qint64 elapsedMs() override
    {
        now += step;
        if (onRead)
            onRead();
        return now;
    }
    qint64 step = 0;
    qint64 now = 0;
    std::function<void()> onRead;
};

QWidget* ShownLoadWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form_Loading") && window->isVisible())
            return window;
    }
    return nullptr;
}

class LoadWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        // Enough persons that the file is read in many pieces (a report every 64 KiB).
        RegisterXml xml;
        for (int n = 1; n <= 2000; ++n)
            xml.person(Id(n), QStringLiteral("Anna"), QString(), QStringLiteral("Ozola"));
        writeDataFile(xml.bytes());
        stopwatch.onRead = [this] {
            if (QWidget* window = ShownLoadWindow()) {
                seen = true;
                label = Find<QLabel>(*window, "lab_file")->text();
                const QProgressBar* bar = Find<QProgressBar>(*window, "bar_read");
                EXPECT_FALSE(window->accessibleName().isEmpty());
                EXPECT_FALSE(bar->accessibleName().isEmpty());
                EXPECT_LE(lastValue, bar->value());
                lastValue = bar->value();
                if (closeIt)
                    closeIt(*window);
            }
        };
    }

    void create() { form = std::make_unique<TForm1>(folder.path(), messages, clock, &stopwatch); }

    void expectEndedWithoutAWord()
    {
        EXPECT_TRUE(form->loadStopped());
        EXPECT_TRUE(messages.errors.isEmpty());
        EXPECT_EQ(form->reg().personCounter(), 0);
        EXPECT_EQ(ShownLoadWindow(), nullptr);
        // Shown even so, the main window closes at once and asks nothing.
        form->show();
        EXPECT_TRUE(closedInTime());
        EXPECT_TRUE(messages.questions.isEmpty());
        EXPECT_EQ(folder.read(QString::fromLatin1(kData)), original);
        form.reset();
        EXPECT_EQ(filesInFolder(), QStringList{QString::fromLatin1(kData)});
    }

    SteppedStopwatch stopwatch;
    std::function<void(QWidget&)> closeIt;
    bool seen = false;
    QString label;
    int lastValue = 0;
};

TEST_F(LoadWindowTest, AQuickLoadShowsNoWindow)
{
    stopwatch.step = 10;
    create();
    EXPECT_FALSE(seen);
    EXPECT_FALSE(form->loadStopped());
    EXPECT_EQ(form->reg().personCounter(), 2000);
}

TEST_F(LoadWindowTest, ASlowLoadShowsTheFileAndHowMuchIsReadThenMakesWayForTheMainWindow)
{
    stopwatch.step = 300;
    create();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(label.contains(QDir::toNativeSeparators(folder.file(QString::fromLatin1(kData)))))
        << label.toStdString();
    EXPECT_GT(lastValue, 50);
    EXPECT_EQ(ShownLoadWindow(), nullptr);
    EXPECT_FALSE(form->loadStopped());
    EXPECT_EQ(form->reg().personCounter(), 2000);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(LoadWindowTest, EscapeEndsTheProgramWithoutWritingOrAsking)
{
    stopwatch.step = 300;
    closeIt = [](QWidget& window) { QTest::keyClick(&window, Qt::Key_Escape); };
    create();
    ASSERT_TRUE(seen);
    expectEndedWithoutAWord();
}

TEST_F(LoadWindowTest, TheCloseBoxEndsTheProgramWithoutWritingOrAsking)
{
    stopwatch.step = 300;
    closeIt = [](QWidget& window) { window.close(); };
    create();
    ASSERT_TRUE(seen);
    expectEndedWithoutAWord();
}

}  // namespace
}  // namespace orvanel::testing
