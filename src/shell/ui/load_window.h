#pragma once

#include "store/load_progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QProgressBar;

namespace orvanel {

// The time a load has run, as the window that shows a slow load reads it; tests step it by hand.
class Stopwatch {
public:
    virtual ~Stopwatch() = default;
    // Milliseconds since the stopwatch was made.
    virtual qint64 elapsedMs() = 0;
};

class SystemStopwatch final : public Stopwatch {
public:
    SystemStopwatch() { timer_.start(); }
    qint64 elapsedMs() override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

// A small window that shows a slow load of the register: the data file's path and how much of it
// is read. A quick load never shows it. Closing it (its close box, Escape) stops the load. It is
// none of the program's lasting windows: it lives only while the main window loads.
class LoadWindow final : public QWidget, public LoadProgress {
    Q_OBJECT

public:
    // `dataPath` is the file being loaded; `stopwatch` runs from the load's start.
    LoadWindow(const QString& dataPath, Stopwatch& stopwatch);

    bool goOn(qint64 done, qint64 total) noexcept override;
    // The user closed the window: the program is to end without the register.
    bool stopAsked() const { return stopAsked_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Stopwatch& stopwatch_;
    QProgressBar* bar_read = nullptr;
    qint64 lastShownMs_ = 0;
    bool stopAsked_ = false;
};

}  // namespace orvanel
