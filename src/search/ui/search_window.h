#pragma once

#include "search/filter_criteria.h"
#include "export/person_export.h"
#include "import/ui/import_file_dialog.h"
#include "search/person_rows.h"
#include "list_state/sorter_list.h"
#include "store/clock.h"
#include "widgets/messages.h"
#include "store/register.h"
#include "widgets/row_list_model.h"

#include <QDialog>
#include <QPersistentModelIndex>
#include <memory>

class QLabel;
class QPushButton;
class QTreeView;

namespace orvanel {

class TForm_Family;
class TForm_Filter;
class TForm_MB;
class TForm_Person;

// The window that lists the active persons to find, edit, add and delete them. Every showing
// lists all of them; the filter narrows the list only when it is applied from this window. The
// rows are plain copies of the records' texts, rebuilt from the register whenever they could be
// out of date, and the list keeps itself in the order of its sorter.
class TForm_Search : public QDialog {
    Q_OBJECT

public:
    // `personDialog` is the dialog that Add and Edit open, `confirmDialog` asks before Delete and
    // `filterDialog` edits the filter; `familyWindow` shows the selected person's family. The
    // last three are only kept here, so they may be constructed after this window.
    TForm_Search(Register& reg, Messages& messages, const Clock& clock, SorterList& sorters,
                 TForm_Person& personDialog, TForm_MB& confirmDialog, TForm_Filter& filterDialog,
                 TForm_Family& familyWindow, QWidget* parent = nullptr);
    ~TForm_Search() override;

    // Where Export asks for its file; the toolkit's save dialog unless replaced. The chooser
    // must outlive this window or be replaced again.
    void useFileChooser(ExportFileChooser& chooser) { fileChooser_ = &chooser; }

    // Where Import asks for its file; the toolkit's open dialog unless replaced. The chooser
    // must outlive this window or be replaced again.
    void useImportFileChooser(ImportFileChooser& chooser) { importChooser_ = &chooser; }

    // The criteria the filter dialog edits; they stay for the whole run.
    const FilterCriteria& criteria() const { return FilterCriteria_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void FormActivate();

    void ListActivePersons();
    void ListFilteredPersons();
    template <class Build>
    void rebuildList(Build build);

    void RefreshPersonRow(const QPersistentModelIndex& row, PersonRef person);
    // The ID of the person a row shows.
    QString idOfRow(int row) const;
    void lv_AllChange();
    void btn_EditClick();
    void btn_DeleteClick();
    void btn_AddClick();
    void btn_FilterClick();
    void btn_ExportClick();
    void btn_ImportClick();
    void btn_FamilyClick();
    // Opens a person of the Family window in the person dialog and writes it as Edit does; true
    // when the dialog ended with OK.
    bool editFromFamily(const QString& id);
    QPersistentModelIndex selectedRow() const;
    // Puts the focus back into the list, on `row` without selecting it, or on the first row when
    // `row` is not one of the list's.
    void focusListAt(int row);
    // The status line after the list was built anew.
    void showListedCount();

    Register& reg_;
    Messages& messages_;
    const Clock& clock_;
    SorterList& sorters_;
    TForm_Person& personDialog_;
    TForm_MB& confirmDialog_;
    TForm_Filter& filterDialog_;
    TForm_Family& familyWindow_;
    TlvPieskatitajs* sorter_ = nullptr;
    FilterCriteria FilterCriteria_;
    std::unique_ptr<ExportFileChooser> ownFileChooser_;
    ExportFileChooser* fileChooser_ = nullptr;
    std::unique_ptr<ImportFileChooser> ownImportChooser_;
    ImportFileChooser* importChooser_ = nullptr;

    RowListModelOf<PersonRow>* rows_ = nullptr;
    QPushButton* btn_Filter = nullptr;
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_Import = nullptr;
    QTreeView* lv_All = nullptr;
    QPushButton* btn_Add = nullptr;
    QPushButton* btn_Edit = nullptr;
    QPushButton* btn_Delete = nullptr;
    QPushButton* btn_Family = nullptr;
    QPushButton* btn_Close = nullptr;
    // What the last action did, for screen readers above all.
    QLabel* lab_Status = nullptr;
};

}  // namespace orvanel
