#include "import/ui/import_window.h"

#include "import/import_file.h"
#include "import/import_plan.h"
#include "import/import_summary.h"
#include "import/ui/import_choice_model.h"
#include "widgets/accessibility.h"
#include "widgets/column_widths.h"
#include "widgets/enter_key.h"
#include "widgets/window_look.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace orvanel {

namespace {

// A reading shorter than this shows no window of its own: the preview then opens at once.
constexpr qint64 kShowAfterMs = 500;
// How often the window takes its events while a file is read: 20 a second keep the bar moving
// and Cancel answering, as the load window does.
constexpr qint64 kTurnEveryMs = 50;

}  // namespace

ImportWindow::ImportWindow(Register& reg, const Clock& clock, QWidget* parent)
    : QDialog(parent), reg_(reg), clock_(clock)
{
    PrepareProgramWindow(*this, "dlg_Import", tr("Import"));
    buildControls();
    PaintWindowColour(*this);
    EnterPressesFocusedButton(*this);
    setWindowModality(Qt::ApplicationModal);

    connect(btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(btn_Cancel, &QPushButton::clicked, this, &ImportWindow::reject);
    connect(btn_SelectAll, &QPushButton::clicked, this, [this] { model_->chooseAll(true); });
    connect(btn_SelectNone, &QPushButton::clicked, this, [this] { model_->chooseAll(false); });
    connect(model_, &ImportChoiceModel::choiceChanged, this, &ImportWindow::showChosenCount);
    lv_Import->installEventFilter(this);
}

ImportWindow::~ImportWindow() = default;

void ImportWindow::buildControls()
{
    lbl_File = Named(new QLabel(this), "lbl_File");
    lbl_File->setWordWrap(true);
    bar_Read = Named(new QProgressBar(this), "bar_Read");
    // In percent, so that a screen reader reads the bar's value as the share read.
    bar_Read->setRange(0, 100);
    bar_Read->setAccessibleName(tr("Read so far"));

    model_ = new ImportChoiceModel(this);
    lv_Import = Named(new QTreeView(this), "lv_Import");
    lv_Import->setModel(model_);
    lv_Import->setRootIsDecorated(false);
    lv_Import->setItemsExpandable(false);
    lv_Import->setUniformRowHeights(true);  // a hundred thousand rows lay out at once
    lv_Import->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv_Import->setSelectionMode(QAbstractItemView::SingleSelection);
    lv_Import->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv_Import->setAllColumnsShowFocus(true);
    lv_Import->setMinimumSize(560, 320);
    //: The list of the persons found in the file, each with a check box.
    lv_Import->setAccessibleName(tr("Persons found"));
    lv_Import->setAccessibleDescription(
        tr("Space chooses or leaves out the person; Enter imports the chosen persons"));
    new ColumnFitter(*lv_Import->header(), {{QString(), 140, 60, 260},
                                            {QString(), 140, 60, 260},
                                            {WidestDateSample(), 90, 0, 140},
                                            {WidestIdentifierSample(), 0, 0, 0}});

    lbl_Summary = Named(new QLabel(this), "lbl_Summary");
    lbl_Summary->setWordWrap(true);
    lbl_Summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lbl_Summary->setFocusPolicy(Qt::TabFocus);  // so that a screen reader's user can reach it
    lbl_Summary->setAccessibleName(tr("Summary"));
    lbl_Chosen = Named(new QLabel(this), "lbl_Chosen");
    UseAsStatusLine(*lbl_Chosen);

    btn_SelectAll = Named(new QPushButton(tr("Choose &all"), this), "btn_SelectAll");
    btn_SelectNone = Named(new QPushButton(tr("Choose &none"), this), "btn_SelectNone");
    btn_Ok = Named(new QPushButton(tr("&OK"), this), "btn_Ok");
    btn_Cancel = Named(new QPushButton(tr("&Cancel"), this), "btn_Cancel");
    btn_Ok->setAccessibleDescription(tr("Import the chosen persons"));
    // Enter imports wherever the focus is, but on another button, which it presses.
    for (QPushButton* button : {btn_SelectAll, btn_SelectNone, btn_Ok, btn_Cancel})
        button->setAutoDefault(false);
    btn_Ok->setDefault(true);

    auto* choosing = new QHBoxLayout;
    choosing->addWidget(btn_SelectAll);
    choosing->addWidget(btn_SelectNone);
    choosing->addStretch();
    choosing->addWidget(lbl_Chosen);
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(lbl_File);
    whole->addWidget(bar_Read);
    whole->addWidget(lv_Import);
    whole->addLayout(choosing);
    whole->addWidget(lbl_Summary);
    whole->addLayout(ButtonsAtRight({btn_Ok, btn_Cancel}));

    setTabOrder(lv_Import, btn_SelectAll);
    setTabOrder(btn_SelectAll, btn_SelectNone);
    setTabOrder(btn_SelectNone, lbl_Summary);
    setTabOrder(lbl_Summary, btn_Ok);
    setTabOrder(btn_Ok, btn_Cancel);
}

void ImportWindow::showReading(bool reading)
{
    reading_ = reading;
    bar_Read->setVisible(reading);
    for (QWidget* control :
         std::initializer_list<QWidget*>{lv_Import, btn_SelectAll, btn_SelectNone, btn_Ok})
        control->setEnabled(!reading);
}

void ImportWindow::showChosenCount()
{
    //: %1 is how many persons are chosen, %2 how many the file holds.
    ShowStatus(*lbl_Chosen, tr("Chosen: %1 of %2")
                                .arg(QString::number(model_->chosenCount()),
                                     QString::number(model_->rowCount())));
}

std::optional<ImportResult> ImportWindow::importFile(const QString& path)
{
    // The file's name fits the line; its whole path is one hover or one screen-reader query away.
    const QFileInfo file(path);
    //: %1 is the name of the file being imported.
    lbl_File->setText(tr("Persons in %1").arg(file.fileName()));
    lbl_File->setToolTip(QDir::toNativeSeparators(file.absoluteFilePath()));
    lbl_File->setAccessibleDescription(lbl_File->toolTip());
    model_->setPlan({});
    lbl_Summary->clear();
    bar_Read->setValue(0);
    stopAsked_ = false;
    lastTurnMs_ = -1;
    showReading(true);
    readingTime_.start();

    ImportBatch batch;
    try {
        batch = ReadImport(path, this);
    } catch (const ImportStopped&) {
        showReading(false);
        hide();
        return std::nullopt;
    } catch (...) {
        showReading(false);
        hide();
        throw;
    }
    showReading(false);

    model_->setPlan(PlanImport(reg_, batch, clock_.today()));
    lbl_Summary->setText(ImportSummary(batch));
    if (model_->rowCount() > 0)
        lv_Import->setCurrentIndex(model_->index(0, 0));
    lv_Import->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ApplyImport(reg_, batch, model_->chosen(), clock_);
}

bool ImportWindow::goOn(qint64 done, qint64 total)
{
    if (stopAsked_)
        return false;
    const qint64 now = readingTime_.elapsed();
    if (now < kShowAfterMs || (lastTurnMs_ >= 0 && now - lastTurnMs_ < kTurnEveryMs))
        return true;
    lastTurnMs_ = now;
    if (!isVisible())
        show();
    bar_Read->setValue(total > 0 ? static_cast<int>(done * 100 / total) : 0);
    QCoreApplication::processEvents();
    return !stopAsked_;
}

void ImportWindow::reject()
{
    // During the reading, Cancel, Escape and the close box stop it; the reading then ends the
    // window.
    if (reading_) {
        stopAsked_ = true;
        return;
    }
    QDialog::reject();
}

bool ImportWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lv_Import && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Space flips the current row's check box whichever column the focus shows.
        if (key == Qt::Key_Space) {
            model_->toggle(lv_Import->currentIndex().row());
            return true;
        }
        // Enter in the list imports, as OK does.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btn_Ok->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvanel
