#pragma once

#include "list_state/sorter_list.h"
#include "store/clock.h"
#include "widgets/messages.h"
#include "store/register.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace orvanel {

class TForm_Family;
class TForm_Filter;
class TForm_MB;
class TForm_Person;
class TForm_Relationship;
class TForm_Search;
class Stopwatch;

// The program's main window. It owns the register for the whole run: it loads the data file
// while it is created, then creates every other window once, and on closing offers to save.
// A refused load closes the window as soon as it is first shown, which ends the program.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // `folder` holds the data file; messages and today's date come from the caller. A slow load
    // is shown in a LoadWindow, by the time of `loadTime` (the system's when none is given).
    TForm1(const QString& folder, Messages& messages, const Clock& clock,
           Stopwatch* loadTime = nullptr);
    ~TForm1() override;

    Register& reg() { return reg_; }
    TForm_Person& personDialog();
    TForm_Relationship& relationshipDialog();
    TForm_Search& searchWindow();
    TForm_MB& confirmDialog();
    TForm_Filter& filterDialog();
    TForm_Family& familyWindow();
    const SorterList& sorters() const { return SorterList_; }
    // The user closed the window of a slow load: the register is empty, and the program ends
    // without showing this window, writing or asking anything.
    bool loadStopped() const { return loadStopped_; }

    void btn_NewPersonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void FormCreate(const QString& folder, Stopwatch* loadTime);
    void createWindows();
    void FormActivate();
    bool FormClose();
    void btn_FindClick();

    Messages& messages_;
    const Clock& clock_;
    Register reg_;
    SorterList SorterList_;
    bool loadStopped_ = false;

    // Every other window, created once after the register is loaded. Declared after the register
    // and the sorters, so the windows go before them.
    struct Windows;
    std::unique_ptr<Windows> windows_;

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QPushButton* btn_NewPerson = nullptr;
    QPushButton* btn_Find = nullptr;
    QPushButton* btn_Close = nullptr;
};

}  // namespace orvanel
