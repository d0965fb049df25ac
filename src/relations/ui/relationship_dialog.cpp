#include "relations/ui/relationship_dialog.h"

#include "relations/relationship_choices.h"
#include "relations/relationship_kind.h"
#include "widgets/list_column_sorting.h"
#include "widgets/row_list_model.h"
#include "widgets/accessibility.h"
#include "widgets/column_widths.h"
#include "widgets/field_texts.h"
#include "widgets/enter_key.h"
#include "widgets/list_focus.h"
#include "widgets/sortable_header.h"
#include "widgets/window_look.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeView>
#include <QVBoxLayout>

namespace orvanel {

namespace {

bool SameIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

}  // namespace

TForm_Relationship::TForm_Relationship(Register& reg, SorterList& sorters, QWidget* parent)
    : QDialog(parent), reg_(reg), sorters_(sorters)
{
    PrepareProgramWindow(*this, "Form_Relationship", tr("Relationship"));
    buildControls();
    EnterPressesFocusedButton(*this);

    connect(cb_Kind1, &QComboBox::currentIndexChanged, this, &TForm_Relationship::cb_Kind1Change);
    connect(lv_Person2->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TForm_Relationship::lv_Person2Change);
    ConnectSorting(*lv_Person2, sorters_,
                   [this](int column) { lv_RelativesColumnClick(sorters_, *lv_Person2, column); });
    MakeSelectedRowCurrent(*lv_Person2);
    connect(btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TForm_Relationship::buildControls()
{
    GroupBox1 = Named(new QGroupBox(tr("Direct Relationship"), this), "GroupBox1");
    Label1 = Named(new QLabel(tr("Person1"), GroupBox1), "Label1");
    lab_Person11 = Named(new QLabel(GroupBox1), "lab_Person11");
    Label5 = Named(new QLabel(tr("&Kind"), GroupBox1), "Label5");
    // "is", the kind, "of": one sentence, so a language may order its words its own way.
    const KindSentence sentence = KindSentenceAround();
    Label2 = Named(new QLabel(sentence.before, GroupBox1), "Label2");
    cb_Kind1 = Named(new QComboBox(GroupBox1), "cb_Kind1");
    // The caption is shown; the stored word goes with it, since only that may reach the file.
    const QStringList kinds = RelationshipKinds();
    for (const QString& kind : kinds)
        cb_Kind1->addItem(KindCaption(kind), kind);
    // Every kind in view at once, however many there are: the list never scrolls.
    cb_Kind1->setMaxVisibleItems(static_cast<int>(kinds.size()));
    cb_Kind1->setCurrentIndex(-1);
    Label5->setBuddy(cb_Kind1);
    Label3 = Named(new QLabel(sentence.after, GroupBox1), "Label3");
    Label4 = Named(new QLabel(tr("&Person2"), GroupBox1), "Label4");

    // A list of every active person: on a large register, rows as plain values fill it in a
    // fraction of the time that an item per row would take.
    QStringList titles{tr("ID")};
    for (const PersonField field : kPersonChoiceFields)
        titles << FieldColumnTitle(field);
    persons_ = new RowListModelOf<PersonChoice>(
        titles,
        // The register, not the dialog: the list may still ask for a cell while the dialog is
        // being taken down, when it is no longer a TForm_Relationship.
        [&reg = reg_](const PersonChoice& choice, int column) {
            return PersonChoiceCell(reg, choice, column);
        },
        [&reg = reg_](const PersonChoice& choice, int column, std::u16string& out) {
            AppendPersonChoiceCell(reg, choice, column, out);
        },
        [&reg = reg_](const PersonChoice& choice, int column) {
            return PersonChoiceTextNumber(reg, choice, column);
        },
        this);
    lv_Person2 = Named(new QTreeView(GroupBox1), "lv_Person2");
    ShowAsReportList(*lv_Person2, *persons_, GridLines::Shown);
    lv_Person2->setMinimumSize(440, 220);
    lv_Person2->setAccessibleName(tr("Person2"));
    new ColumnFitter(*lv_Person2->header(),
                     {{WidestIdentifierSample()}, {}, {}, {}});
    Label4->setBuddy(lv_Person2);

    auto* direct = new QGridLayout(GroupBox1);
    direct->addWidget(Label1, 0, 0);
    direct->addWidget(lab_Person11, 0, 1, 1, 3);
    direct->addWidget(Label5, 1, 0);
    direct->addWidget(Label2, 1, 1);
    direct->addWidget(cb_Kind1, 1, 2);
    direct->addWidget(Label3, 1, 3);
    direct->addWidget(Label4, 2, 0, Qt::AlignTop);
    direct->addWidget(lv_Person2, 2, 1, 1, 3);
    direct->setColumnStretch(3, 1);

    GroupBox2 = Named(new QGroupBox(tr("Inverse Relationship"), this), "GroupBox2");
    lab_Person22 = Named(new QLabel(GroupBox2), "lab_Person22");
    lab_KindInverse = Named(new QLabel(GroupBox2), "lab_KindInverse");
    lab_Person21 = Named(new QLabel(GroupBox2), "lab_Person21");
    auto* inverse = new QVBoxLayout(GroupBox2);
    inverse->addWidget(lab_Person22);
    inverse->addWidget(lab_KindInverse);
    inverse->addWidget(lab_Person21);
    for (QLabel* line : {lab_Person11, lab_Person22, lab_KindInverse, lab_Person21})
        SilentWhileEmpty(*line);

    // Neither button is the dialog's default or cancel button: Enter and Esc typed in the kind or
    // the list decide nothing. Enter on a focused button presses it.
    btn_Ok = Named(new QPushButton(tr("&OK"), this), "btn_Ok");
    btn_Cancel = Named(new QPushButton(tr("&Cancel"), this), "btn_Cancel");
    for (QPushButton* button : {btn_Ok, btn_Cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QHBoxLayout* buttons = ButtonsAtRight({btn_Ok, btn_Cancel});

    auto* whole = new QVBoxLayout(this);
    whole->addWidget(GroupBox1);
    whole->addWidget(GroupBox2);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);

    // The kind comes first, so that opening the dialog does not put the focus into the list,
    // which would make its first row current and so choose a person the user never chose.
    setTabOrder(cb_Kind1, lv_Person2);
    setTabOrder(lv_Person2, btn_Ok);
    setTabOrder(btn_Ok, btn_Cancel);
}

void TForm_Relationship::FormCreate()
{
    PaintWindowColour(*this);
    sorter_ = &sorters_.add(lv_Person2, persons_->columnCount());
    ShowSortState(*lv_Person2, sorters_);
    cb_Kind1Change();
}

void TForm_Relationship::showEvent(QShowEvent* event)
{
    // Every showing starts at the kind, not where the focus was when the dialog last closed.
    if (!event->spontaneous())
        cb_Kind1->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void TForm_Relationship::Prepare(const QString& editedPersonLine, const QString& editedId)
{
    lab_Person11->setText(editedPersonLine);
    lab_Person21->setText(lab_Person11->text());

    // The old rows go first, and the new ones fill their storage: a register's two full lists
    // are never held at once. They are sorted as the list is filled, so that it is filled once,
    // already in order.
    persons_->setRows(RelationshipCandidates(reg_, editedId, persons_->takeRows()), *sorter_);
    enableOk();
}

void TForm_Relationship::ResetChoice()
{
    cb_Kind1->setCurrentIndex(-1);
    lv_Person2->setCurrentIndex(QModelIndex());
    lab_Person22->clear();
    lab_KindInverse->clear();
    enableOk();
}

void TForm_Relationship::PresetChoice(const QString& kind, const QString& otherId)
{
    // Nothing of an earlier showing may stand in the inverse group when the person of the row
    // is no longer offered.
    lab_Person22->clear();

    int kindIndex = -1;
    for (int i = 0; i < cb_Kind1->count() && kindIndex < 0; ++i) {
        if (SameIgnoringCase(cb_Kind1->itemData(i).toString(), kind))
            kindIndex = i;
    }
    {
        // The kind's wording is brought up to date below, once the person is chosen as well.
        const QSignalBlocker quiet(cb_Kind1);
        cb_Kind1->setCurrentIndex(kindIndex);
    }

    QModelIndex person;
    for (int row = 0; row < persons_->rowCount() && !person.isValid(); ++row) {
        if (SameIgnoringCase(PersonChoiceCell(reg_, persons_->row(row), 0), otherId))
            person = persons_->index(row, 0);
    }
    lv_Person2->setCurrentIndex(person);
    if (person.isValid())
        lv_Person2->scrollTo(person);
    lv_Person2Change();
    cb_Kind1Change();
}

QString TForm_Relationship::ChosenKind() const
{
    return kindChosen() ? cb_Kind1->currentData().toString() : QString();
}

RelativeRow TForm_Relationship::ChosenRelative() const
{
    RelativeRow row =
        personChosen() ? personAt(lv_Person2->currentIndex().row()) : RelativeRow();
    row.kind = ChosenKind();
    return row;
}

RelativeRow TForm_Relationship::personAt(int row) const
{
    return RelativeOfChoice(reg_, persons_->row(row));
}

void TForm_Relationship::cb_Kind1Change()
{
    lab_KindInverse->setText(InverseWording(ChosenKind()));
    enableOk();
}

void TForm_Relationship::lv_Person2Change()
{
    if (personChosen()) {
        const RelativeRow person = personAt(lv_Person2->currentIndex().row());
        lab_Person22->setText(
            EditedPersonLine(person.otherId, person.name, person.middleName, person.surname));
    }
    enableOk();
}

void TForm_Relationship::enableOk()
{
    btn_Ok->setEnabled(kindChosen() && personChosen());
}

bool TForm_Relationship::kindChosen() const
{
    return cb_Kind1->currentIndex() >= 0;
}

bool TForm_Relationship::personChosen() const
{
    return lv_Person2->currentIndex().isValid();
}

}  // namespace orvanel
