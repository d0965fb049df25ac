#pragma once

#include "shell/sorter_list.h"
#include "store/clock.h"
#include "store/messages.h"
#include "store/register.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace orvanel {

class TForm_Filter;
class TForm_MB;
class TForm_Person;
class TForm_Relationship;
class TForm_Search;

// The program's main window. It owns the register for the whole run: it loads the data file
// while it is created, then creates every other window once, and on closing offers to save.
// A refused load closes the window as soon as it is first shown, which ends the program.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // `folder` holds the data file; messages and today's date come from the caller.
    TForm1(const QString& folder, Messages& messages, const Clock& clock);
    ~TForm1() override;

    Register& reg() { return reg_; }
    TForm_Person& personDialog() { return *Form_Person; }
    TForm_Relationship& relationshipDialog() { return *Form_Relationship; }
    TForm_Search& searchWindow() { return *Form_Search; }
    TForm_MB& confirmDialog() { return *Form_MB; }
    TForm_Filter& filterDialog() { return *Form_Filter; }
    const SorterList& sorters() const { return *SorterList_; }

    void btn_NewPersonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void FormCreate(const QString& folder);
    void createWindows();
    void FormActivate();
    bool FormClose();
    void btn_FindClick();

    Messages& messages_;
    const Clock& clock_;
    Register reg_;
    std::unique_ptr<SorterList> SorterList_;

    // Declared after the register and the sorters, so they go before them.
    std::unique_ptr<TForm_Person> Form_Person;
    std::unique_ptr<TForm_Relationship> Form_Relationship;
    std::unique_ptr<TForm_Search> Form_Search;
    std::unique_ptr<TForm_MB> Form_MB;
    std::unique_ptr<TForm_Filter> Form_Filter;

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QPushButton* btn_NewPerson = nullptr;
    QPushButton* btn_Find = nullptr;
    QPushButton* btn_Close = nullptr;
};

}  // namespace orvanel
