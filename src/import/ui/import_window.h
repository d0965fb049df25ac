#pragma once

#include "import/import_apply.h"
#include "import/import_batch.h"
#include "store/clock.h"
#include "store/register.h"

#include <QDialog>
#include <QElapsedTimer>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace orvanel {

class ImportChoiceModel;

// The import's preview: reads a file whole, with a progress bar that Cancel stops, then lists
// every person found with a check box, marks those that look like someone already in the
// register, and sums up what the file holds and what cannot be kept. Only OK changes the
// register: it adds the chosen persons and the relationships between them.
class ImportWindow final : public QDialog, public ImportProgress {
    Q_OBJECT

public:
    ImportWindow(Register& reg, const Clock& clock, QWidget* parent = nullptr);
    ~ImportWindow() override;

    // Reads `path`, shows what it holds and waits for OK or Cancel. Returns what OK added;
    // nothing when the user cancelled, during the reading or after it. Throws what reading
    // and adding throw (ImportRefused, IoError...); the register is then unchanged.
    std::optional<ImportResult> importFile(const QString& path);

    // Called by the reader: keeps the window answering while a large file is read.
    bool goOn(qint64 done, qint64 total) override;

    void reject() override;

private:
    void buildControls();
    // Reading: the progress bar and Cancel; afterwards the list, the summary and OK.
    void showReading(bool reading);
    void showChosenCount();
    bool eventFilter(QObject* watched, QEvent* event) override;

    Register& reg_;
    const Clock& clock_;
    ImportChoiceModel* model_ = nullptr;
    QElapsedTimer readingTime_;
    qint64 lastTurnMs_ = -1;
    bool reading_ = false;
    bool stopAsked_ = false;

    QLabel* lbl_File = nullptr;
    QProgressBar* bar_Read = nullptr;
    QTreeView* lv_Import = nullptr;
    QLabel* lbl_Summary = nullptr;
    QLabel* lbl_Chosen = nullptr;
    QPushButton* btn_SelectAll = nullptr;
    QPushButton* btn_SelectNone = nullptr;
    QPushButton* btn_Ok = nullptr;
    QPushButton* btn_Cancel = nullptr;
};

}  // namespace orvanel
