#include "search/ui/search_window.h"

#include "persons/person_record.h"
#include "persons/ui/person_dialog.h"
#include "family/ui/family_window.h"
#include "persons/person_deletion.h"
#include "widgets/list_column_sorting.h"
#include "search/person_rows.h"
#include "search/ui/export_file_dialog.h"
#include "search/ui/filter_dialog.h"
#include "import/ui/import_window.h"
#include "import/import_summary.h"
#include "widgets/row_list_model.h"
#include "widgets/column_widths.h"
#include "widgets/field_texts.h"
#include "widgets/accessibility.h"
#include "widgets/confirm_dialog.h"
#include "widgets/enter_key.h"
#include "widgets/event_guard.h"
#include "widgets/list_focus.h"
#include "persons/ui/new_person_action.h"
#include "widgets/sortable_header.h"
#include "widgets/window_look.h"
#include "store/lookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanel {

namespace {

// The list's titles: the ID, then the fields' columns as the field table names them.
QStringList PersonColumnTitles()
{
    QStringList titles{TForm_Search::tr("ID")};
    for (const PersonField field : kPersonRowFields)
        titles << FieldColumnTitle(field);
    return titles;
}

QString SampleOf(const SearchColumn& column)
{
    switch (column.sample) {
    case ColumnSample::Title:
        return QString();
    case ColumnSample::Text:
        return QString::fromUtf8(column.sampleText);
    case ColumnSample::Date:
        return WidestDateSample();
    }
    return QString();
}

// The list's columns: what each must show whole, and its widths at an ordinary dialog font.
std::vector<ColumnSizing> PersonColumns()
{
    std::vector<ColumnSizing> columns{{WidestIdentifierSample(), 60, 50, 100}};  // ID
    for (const PersonField field : kPersonRowFields) {
        const SearchColumn& column = InfoOf(field).column;
        columns.push_back({SampleOf(column), column.width, column.minimum, column.maximum});
    }
    return columns;
}

}  // namespace

TForm_Search::TForm_Search(Register& reg, Messages& messages, const Clock& clock,
                           SorterList& sorters, TForm_Person& personDialog,
                           TForm_MB& confirmDialog, TForm_Filter& filterDialog,
                           TForm_Family& familyWindow, QWidget* parent)
    : QDialog(parent),
      reg_(reg),
      messages_(messages),
      clock_(clock),
      sorters_(sorters),
      personDialog_(personDialog),
      confirmDialog_(confirmDialog),
      filterDialog_(filterDialog),
      familyWindow_(familyWindow),
      ownFileChooser_(std::make_unique<ExportFileDialog>(this)),
      fileChooser_(ownFileChooser_.get()),
      ownImportChooser_(std::make_unique<ImportFileDialog>(this)),
      importChooser_(ownImportChooser_.get())
{
    PrepareProgramWindow(*this, "Form_Search", tr("Search"));
    buildControls();
    EnterPressesFocusedButton(*this);

    connect(lv_All->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TForm_Search::lv_AllChange);
    ConnectSorting(*lv_All, sorters_, [this](int column) {
        lv_RelativesColumnClick(sorters_, *lv_All, column);
        ShowStatus(*lab_Status, SortStateText(*lv_All, sorters_));
    });
    lv_All->viewport()->installEventFilter(this);
    lv_All->installEventFilter(this);
    connect(btn_Filter, &QPushButton::clicked, this, &TForm_Search::btn_FilterClick);
    connect(btn_Export, &QPushButton::clicked, this, &TForm_Search::btn_ExportClick);
    connect(btn_Import, &QPushButton::clicked, this, &TForm_Search::btn_ImportClick);
    connect(btn_Add, &QPushButton::clicked, this, &TForm_Search::btn_AddClick);
    connect(btn_Edit, &QPushButton::clicked, this, &TForm_Search::btn_EditClick);
    connect(btn_Delete, &QPushButton::clicked, this, &TForm_Search::btn_DeleteClick);
    connect(btn_Family, &QPushButton::clicked, this, &TForm_Search::btn_FamilyClick);
    connect(btn_Close, &QPushButton::clicked, this, &QDialog::close);

    FormCreate();
}

TForm_Search::~TForm_Search() = default;

void TForm_Search::buildControls()
{
    btn_Filter = Named(new QPushButton(tr("&Filter..."), this), "btn_Filter");
    btn_Export = Named(new QPushButton(tr("E&xport..."), this), "btn_Export");
    // Named by its caption, so that a user of voice control can say what is shown.
    btn_Export->setAccessibleDescription(tr("Export the listed persons"));
    btn_Export->setToolTip(tr("Write the persons now listed to a vCard or CSV file"));

    btn_Import = Named(new QPushButton(tr("&Import..."), this), "btn_Import");
    btn_Import->setAccessibleDescription(tr("Add persons from a file of another program"));
    btn_Import->setToolTip(tr("Read persons from a GEDCOM, vCard or CSV file"));

    rows_ = new RowListModelOf<PersonRow>(
        PersonColumnTitles(),
        // The register, not the window: the list may still ask for a cell while the window is
        // being taken down, when it is no longer a TForm_Search.
        [&reg = reg_](const PersonRow& row, int column) { return PersonRowCell(reg, row, column); },
        [&reg = reg_](const PersonRow& row, int column, std::u16string& out) {
            AppendPersonRowCell(reg, row, column, out);
        },
        [&reg = reg_](const PersonRow& row, int column) {
            return PersonRowTextNumber(reg, row, column);
        },
        this);
    lv_All = Named(new QTreeView(this), "lv_All");
    ShowAsReportList(*lv_All, *rows_, GridLines::Shown);
    lv_All->header()->setStretchLastSection(false);
    lv_All->setMinimumSize(640, 380);
    lv_All->setAccessibleName(tr("Persons"));
    new ColumnFitter(*lv_All->header(), PersonColumns());

    btn_Add = Named(new QPushButton(tr("&Add"), this), "btn_Add");
    btn_Edit = Named(new QPushButton(tr("&Edit"), this), "btn_Edit");
    btn_Delete = Named(new QPushButton(tr("&Delete"), this), "btn_Delete");
    btn_Close = Named(new QPushButton(tr("&Close"), this), "btn_Close");
    // Beside the buttons that act on the selected person, after them.
    btn_Family = Named(new QPushButton(tr("Fa&mily..."), this), "btn_Family");
    btn_Family->setToolTip(tr("Show the selected person's family as a picture"));
    btn_Edit->setEnabled(false);
    btn_Delete->setEnabled(false);
    btn_Family->setEnabled(false);
    // Enter typed in the list must not press whichever button happens to come first.
    for (QPushButton* button :
         {btn_Filter, btn_Import, btn_Export, btn_Add, btn_Edit, btn_Delete, btn_Family,
          btn_Close})
        button->setAutoDefault(false);
    lab_Status = Named(new QLabel(this), "lab_Status");
    UseAsStatusLine(*lab_Status);

    auto* top = new QHBoxLayout;
    top->addWidget(btn_Filter);
    top->addStretch();
    top->addWidget(btn_Import);
    top->addWidget(btn_Export);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btn_Add);
    bottom->addWidget(btn_Edit);
    bottom->addWidget(btn_Delete);
    bottom->addWidget(btn_Family);
    bottom->addStretch();
    bottom->addWidget(btn_Close);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(lv_All);
    whole->addLayout(bottom);
    whole->addWidget(lab_Status);
    whole->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(btn_Filter, btn_Import);
    setTabOrder(btn_Import, btn_Export);
    setTabOrder(btn_Export, lv_All);
    setTabOrder(lv_All, btn_Add);
    setTabOrder(btn_Add, btn_Edit);
    setTabOrder(btn_Edit, btn_Delete);
    setTabOrder(btn_Delete, btn_Family);
    setTabOrder(btn_Family, btn_Close);
}

void TForm_Search::FormCreate()
{
    FilterCriteria_ = InitialFilterCriteria(clock_);
    PaintWindowColour(*this);
    sorter_ = &sorters_.add(lv_All, rows_->columnCount());
    ShowSortState(*lv_All, sorters_);
}

void TForm_Search::showEvent(QShowEvent* event)
{
    // Only a new showing lists afresh; returning from a dialog opened here does not.
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

void TForm_Search::FormActivate()
{
    try {
        ListActivePersons();
    } catch (const std::exception& e) {
        // Reported once the window stands on the screen, so the box appears over it.
        const Error* error = dynamic_cast<const Error*>(&e);
        const QString text = error ? error->message() : QString::fromLocal8Bit(e.what());
        QMetaObject::invokeMethod(
            this, [this, text] { messages_.error(text); }, Qt::QueuedConnection);
    }
}

bool TForm_Search::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == lv_All->viewport()) {
        btn_EditClick();
        return true;
    }
    // Enter in the list edits the selected person, as a double click does.
    if (event->type() == QEvent::KeyPress && watched == lv_All) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btn_EditClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

template <class Build>
void TForm_Search::rebuildList(Build build)
{
    // The old rows go first, and the new ones fill their storage: a register's two full lists
    // are never held at once.
    std::vector<PersonRow> rows = rows_->takeRows();
    try {
        build(rows);
    } catch (...) {
        // The rows of the records before the bad one stay, in document order.
        rows_->setRows(std::move(rows));
        lv_AllChange();
        throw;
    }
    // Sorted once, after every row is in.
    rows_->setRows(std::move(rows), *sorter_);
    ChooseNoRow(*lv_All);
    btn_Edit->setEnabled(false);
    lv_AllChange();
    showListedCount();
}

void TForm_Search::showListedCount()
{
    // Counts stand after a colon, so that no language needs plural forms of the text.
    ShowStatus(*lab_Status, tr("Persons listed: %1").arg(rows_->rowCount()));
}

void TForm_Search::focusListAt(int row)
{
    if (row < 0 || row >= rows_->rowCount())
        row = 0;
    // Current, not selected: Edit and Delete wait until the user chooses the row, while a
    // screen reader reads the row the focus is on.
    if (row < rows_->rowCount()) {
        lv_All->selectionModel()->setCurrentIndex(rows_->index(row, 0),
                                                  QItemSelectionModel::NoUpdate);
        lv_All->scrollTo(rows_->index(row, 0));
    }
    lv_All->setFocus(Qt::OtherFocusReason);
}

void TForm_Search::ListActivePersons()
{
    rebuildList([this](std::vector<PersonRow>& rows) { orvanel::ListActivePersons(reg_, rows); });
}

void TForm_Search::ListFilteredPersons()
{
    rebuildList([this](std::vector<PersonRow>& rows) {
        orvanel::ListFilteredPersons(reg_, FilterCriteria_, clock_, rows);
    });
}

QPersistentModelIndex TForm_Search::selectedRow() const
{
    const QModelIndexList selected = lv_All->selectionModel()->selectedRows();
    return selected.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(selected.first());
}

void TForm_Search::lv_AllChange()
{
    const bool rowSelected = lv_All->selectionModel()->hasSelection();
    btn_Edit->setEnabled(rowSelected);
    btn_Delete->setEnabled(rowSelected);
    btn_Family->setEnabled(rowSelected);
}

void TForm_Search::btn_EditClick()
{
    const QPersistentModelIndex row = selectedRow();
    if (!row.isValid())
        return;
    const QString id = idOfRow(row.row());
    personDialog_.PersonID = id;
    personDialog_.NewPerson = false;
    const bool accepted = personDialog_.exec() == QDialog::Accepted;
    // Back on the edited person's row, which stays selected.
    lv_All->setFocus(Qt::OtherFocusReason);
    if (!accepted)
        return;
    Guarded(messages_, [&] {
        const PersonRef person = FindPerson(reg_, id);
        UpdatePerson(reg_, personDialog_.record(), person, clock_);
        RefreshPersonRow(row, person);
    });
}

void TForm_Search::RefreshPersonRow(const QPersistentModelIndex& row, PersonRef person)
{
    // The row keeps its place, even when the column the list is sorted by has changed, and
    // shows the texts just written.
    if (row.isValid())
        rows_->setRow(row.row(), PersonRow{person});
}

QString TForm_Search::idOfRow(int row) const
{
    return PersonRowId(reg_, rows_->row(row));
}

void TForm_Search::btn_DeleteClick()
{
    const QPersistentModelIndex row = selectedRow();
    if (!row.isValid())
        return;
    if (!confirmDialog_.confirm(tr("Confirm"),
                                 tr("Are you absolutely sure that you want to delete this item?")))
        return;
    const QString id = idOfRow(row.row());
    const int at = row.row();
    const bool deleted = Guarded(messages_, [&] {
        DeletePerson(reg_, id, clock_);
        // Without this the list would make the next row current and selected, and a second
        // Delete would name a person the user never chose.
        lv_All->selectionModel()->clear();
        if (row.isValid())
            rows_->removeRowAt(row.row());
    });
    lv_AllChange();
    if (!deleted)
        return;
    const int listed = rows_->rowCount();
    // Both at once: an identifier holding "%2" stays as it is.
    ShowStatus(*lab_Status,
               tr("Person %1 deleted. Persons listed: %2").arg(id, QString::number(listed)));
    // Focus stays in the list, on the row that took the deleted one's place (the last row when
    // the deleted one was last), so that the next key does not leave the window.
    focusListAt(std::min(at, listed - 1));
}

void TForm_Search::btn_AddClick()
{
    const int before = reg_.personCounter();
    Guarded(messages_, [this] { AddNewPerson(reg_, personDialog_, clock_); });
    // Listed afresh whatever the person dialog ended with, and without the filter.
    Guarded(messages_, [this] { ListActivePersons(); });
    // On the new person's row, found by the identifier the dialog showed.
    int added = -1;
    if (reg_.personCounter() != before) {
        const QString id = personDialog_.PersonID;
        for (int row = 0; row < rows_->rowCount() && added < 0; ++row) {
            if (idOfRow(row) == id)
                added = row;
        }
    }
    focusListAt(added);
}

void TForm_Search::btn_FilterClick()
{
    filterDialog_.LoadCriteria(FilterCriteria_);
    if (filterDialog_.exec() != QDialog::Accepted) {
        lv_All->setFocus(Qt::OtherFocusReason);
        return;
    }
    filterDialog_.StoreCriteria(FilterCriteria_);
    Guarded(messages_, [this] { ListFilteredPersons(); });
    focusListAt(0);
}

void TForm_Search::btn_ExportClick()
{
    const QString suggested = QDir(reg_.folder).absoluteFilePath(QStringLiteral("persons.vcf"));
    const std::optional<ExportChoice> choice = fileChooser_->chooseExportFile(suggested);
    // Whatever comes of it, the focus goes back to the list, on the row it was on.
    focusListAt(lv_All->currentIndex().isValid() ? lv_All->currentIndex().row() : 0);
    if (!choice)
        return;
    const ExportTarget target = ExportTargetOf(*choice);
    if (IsRegisterFile(reg_, target.path)) {
        messages_.warning(tr("The register \"%1\" and its backup \"%2\" cannot be replaced by an "
                             "export. Choose another file.")
                              .arg(QLatin1String(kDataFileName), QLatin1String(kBackupFileName)));
        return;
    }
    // The persons as listed now: chosen by the filter, in the list's order.
    QStringList ids;
    ids.reserve(rows_->rowCount());
    for (int row = 0; row < rows_->rowCount(); ++row)
        ids << idOfRow(row);
    ExportReport report;
    if (!Guarded(messages_, [&] { report = ExportPersons(reg_, ids, target, clock_.today()); }))
        return;
    ShowStatus(*lab_Status, tr("Persons exported to %1: %2")
                                .arg(QFileInfo(target.path).fileName(),
                                     QString::number(ids.size())));
    // A GEDCOM file links persons only within itself: the user hears what stayed behind.
    if (const QString leftOut = ExportReportText(report); !leftOut.isEmpty())
        messages_.information(leftOut);
}

void TForm_Search::btn_ImportClick()
{
    const std::optional<QString> path =
        importChooser_->chooseImportFile(QDir(reg_.folder).absolutePath());
    std::optional<ImportResult> result;
    if (path) {
        // Made for this import only: the preview of a large file holds its whole batch, and a
        // window kept between imports would hold it on.
        ImportWindow preview(reg_, clock_, this);
        Guarded(messages_, [&] { result = preview.importFile(*path); });
    }
    if (!result) {
        // Nothing changed: the list stays as it was, and so does the focus.
        focusListAt(lv_All->currentIndex().isValid() ? lv_All->currentIndex().row() : 0);
        return;
    }
    // Listed afresh without the filter, as after Add, so that every new person shows.
    Guarded(messages_, [this] { ListActivePersons(); });
    //: %1 is a count of persons ("12 persons"), %2 of relationships.
    ShowStatus(*lab_Status, AddedText(result->persons, result->relationships));
    // On the first new person's row.
    int added = -1;
    const auto first = std::find_if(result->ids.cbegin(), result->ids.cend(),
                                    [](const QString& id) { return !id.isEmpty(); });
    for (int row = 0; first != result->ids.cend() && row < rows_->rowCount() && added < 0; ++row) {
        if (idOfRow(row) == *first)
            added = row;
    }
    focusListAt(added);
}

void TForm_Search::btn_FamilyClick()
{
    const QPersistentModelIndex row = selectedRow();
    if (!row.isValid())
        return;
    familyWindow_.showFamily(idOfRow(row.row()),
                             [this](const QString& id) { return editFromFamily(id); });
    lv_All->setFocus(Qt::OtherFocusReason);
}

bool TForm_Search::editFromFamily(const QString& id)
{
    personDialog_.PersonID = id;
    personDialog_.NewPerson = false;
    if (personDialog_.exec() != QDialog::Accepted)
        return false;
    Guarded(messages_, [&] {
        const PersonRef person = FindPerson(reg_, id);
        UpdatePerson(reg_, personDialog_.record(), person, clock_);
        // The person's row, when listed, shows the texts just written.
        for (int at = 0; at < rows_->rowCount(); ++at) {
            if (idOfRow(at) == id)
                RefreshPersonRow(QPersistentModelIndex(rows_->index(at, 0)), person);
        }
    });
    // The dialog's OK may have rewritten the relationships even when the fields failed.
    return true;
}

}  // namespace orvanel
