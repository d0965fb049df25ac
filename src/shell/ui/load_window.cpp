#include "shell/ui/load_window.h"

#include "widgets/window_look.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace orvanel {

namespace {

// A load shorter than this shows nothing: a window that flashes up and away only distracts.
constexpr qint64 kShowAfterMs = 1000;
// How often the window takes its events while it is shown. Each turn costs the load next to
// nothing, and 20 a second keep the bar moving and the close box answering
// (docs/performance.md has the start of 100k persons with and without it).
constexpr qint64 kTurnEveryMs = 50;

}  // namespace

LoadWindow::LoadWindow(const QString& dataPath, Stopwatch& stopwatch) : stopwatch_(stopwatch)
{
    PrepareProgramWindow(*this, "Form_Loading", tr("Opening the register"));
    setAccessibleName(windowTitle());
    PaintWindowColour(*this);

    //: %1 is the path of the data file being read.
    auto* lab_file = Named(new QLabel(tr("Reading %1").arg(QDir::toNativeSeparators(
                                          QFileInfo(dataPath).absoluteFilePath())),
                                      this),
                           "lab_file");
    lab_file->setWordWrap(true);
    bar_read = Named(new QProgressBar(this), "bar_read");
    // In percent, so that a screen reader reads the bar's value as the share read.
    bar_read->setRange(0, 100);
    bar_read->setAccessibleName(tr("Read so far"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lab_file);
    layout->addWidget(bar_read);
    setFixedWidth(420);
}

bool LoadWindow::goOn(qint64 done, qint64 total) noexcept
{
    if (stopAsked_)
        return false;
    const qint64 now = stopwatch_.elapsedMs();
    if (now < kShowAfterMs || now - lastShownMs_ < kTurnEveryMs)
        return true;
    lastShownMs_ = now;
    if (!isVisible())
        show();
    bar_read->setValue(total > 0 ? static_cast<int>(done * 100 / total) : 0);
    QCoreApplication::processEvents();
    return !stopAsked_;
}

void LoadWindow::closeEvent(QCloseEvent* event)
{
    stopAsked_ = true;
    event->accept();
}

void LoadWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace orvanel
