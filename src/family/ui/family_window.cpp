#include "family/ui/family_window.h"

#include "export/person_export.h"
#include "family/family_words.h"
#include "family/ui/family_box_text.h"
#include "family/ui/family_picture.h"
#include "family/ui/picture_file_dialog.h"
#include "widgets/accessibility.h"
#include "widgets/enter_key.h"
#include "widgets/event_guard.h"
#include "widgets/window_look.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvanel {

namespace {

// The generations the picture starts with at each opening.
constexpr int kStartDepth = 2;

// A file name made of the ID, whatever characters the ID holds.
QString SuggestedName(const QString& id)
{
    QString safe = id;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
    return QStringLiteral("family-%1.png").arg(safe);
}

int PlaceOf(const Family& family, const QString& id)
{
    if (id.isEmpty())
        return -1;
    for (size_t i = 0; i < family.persons.size(); ++i) {
        if (family.persons[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

TForm_Family::TForm_Family(Register& reg, Messages& messages, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      reg_(reg),
      messages_(messages),
      clock_(clock),
      ownFileChooser_(std::make_unique<PictureFileDialog>(this)),
      fileChooser_(ownFileChooser_.get())
{
    PrepareProgramWindow(*this, "dlg_Family", tr("Family"));
    // Unlike the data windows, this one grows: a family may be larger than any screen. Its
    // colours are the desktop's, light or dark.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
    EnterPressesFocusedButton(*this);

    connect(sb_Generations, &QSpinBox::valueChanged, this, [this] {
        Guarded(messages_, [this] { showPerson(history_.current(), focusedId()); });
    });
    connect(pic_Family, &FamilyPicture::centreRequested, this, &TForm_Family::centreOn);
    connect(pic_Family, &FamilyPicture::openRequested, this, &TForm_Family::openPerson);
    connect(pic_Family, &FamilyPicture::focusMoved, this, &TForm_Family::scrollToBox);
    connect(btn_Back, &QPushButton::clicked, this, &TForm_Family::goBack);
    connect(btn_Forward, &QPushButton::clicked, this, &TForm_Family::goForward);
    connect(btn_SavePicture, &QPushButton::clicked, this, &TForm_Family::btn_SavePictureClick);
    connect(btn_Print, &QPushButton::clicked, this, &TForm_Family::btn_PrintClick);
    connect(btn_Close, &QPushButton::clicked, this, &QDialog::accept);

    const auto shortcut = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { goBack(); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { goForward(); });
    shortcut(QKeySequence::ZoomIn, [this] { pic_Family->zoomIn(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { pic_Family->zoomIn(); });
    shortcut(QKeySequence::ZoomOut, [this] { pic_Family->zoomOut(); });
}

TForm_Family::~TForm_Family() = default;

void TForm_Family::buildControls()
{
    lab_Generations = Named(new QLabel(tr("&Generations:"), this), "lab_Generations");
    sb_Generations = Named(new QSpinBox(this), "sb_Generations");
    sb_Generations->setRange(kMinFamilyDepth, kMaxFamilyDepth);
    sb_Generations->setValue(kStartDepth);
    sb_Generations->setAccessibleName(tr("Generations up and down"));
    lab_Generations->setBuddy(sb_Generations);
    btn_Back = Named(new QPushButton(tr("&Back"), this), "btn_Back");
    btn_Back->setToolTip(tr("The person centred before (Alt+Left)"));
    btn_Forward = Named(new QPushButton(tr("F&orward"), this), "btn_Forward");
    btn_Forward->setToolTip(tr("The person centred after (Alt+Right)"));

    pic_Family = Named(new FamilyPicture, "pic_Family");
    pic_Family->setAccessibleName(tr("Family picture"));
    pic_Family->setToolTip(tr("Arrow keys move between relatives, Enter centres on one, F2 opens "
                              "one, Ctrl and the mouse wheel zoom"));
    sa_Picture = Named(new QScrollArea(this), "sa_Picture");
    sa_Picture->setWidget(pic_Family);
    sa_Picture->setWidgetResizable(false);
    sa_Picture->setAlignment(Qt::AlignCenter);
    sa_Picture->setMinimumSize(640, 400);
    sa_Picture->setFocusPolicy(Qt::NoFocus);

    lab_Summary = Named(new QLabel(this), "lab_Summary");
    lab_Summary->setAccessibleName(tr("Summary"));
    lab_Summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    lab_Summary->setFocusPolicy(Qt::StrongFocus);

    btn_SavePicture = Named(new QPushButton(tr("&Save Picture..."), this), "btn_SavePicture");
    btn_SavePicture->setToolTip(tr("Save the picture as a PNG, SVG or PDF file"));
    btn_Print = Named(new QPushButton(tr("&Print..."), this), "btn_Print");
    btn_Close = Named(new QPushButton(tr("&Close"), this), "btn_Close");
    for (QPushButton* button : {btn_Back, btn_Forward, btn_SavePicture, btn_Print, btn_Close})
        button->setAutoDefault(false);
    lab_Status = Named(new QLabel(this), "lab_Status");
    UseAsStatusLine(*lab_Status);

    auto* top = new QHBoxLayout;
    top->addWidget(lab_Generations);
    top->addWidget(sb_Generations);
    top->addStretch();
    top->addWidget(btn_Back);
    top->addWidget(btn_Forward);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(btn_SavePicture);
    bottom->addWidget(btn_Print);
    bottom->addStretch();
    bottom->addWidget(btn_Close);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(sa_Picture, 1);
    whole->addWidget(lab_Summary);
    whole->addLayout(bottom);
    whole->addWidget(lab_Status);

    setTabOrder(sb_Generations, btn_Back);
    setTabOrder(btn_Back, btn_Forward);
    setTabOrder(btn_Forward, pic_Family);
    setTabOrder(pic_Family, lab_Summary);
    setTabOrder(lab_Summary, btn_SavePicture);
    setTabOrder(btn_SavePicture, btn_Print);
    setTabOrder(btn_Print, btn_Close);
    resize(960, 640);
}

void TForm_Family::showFamily(const QString& id, PersonOpener opener)
{
    opener_ = std::move(opener);
    history_.start(id);
    {
        // The spin box's own signal would read the family a second time.
        const QSignalBlocker quiet(sb_Generations);
        sb_Generations->setValue(kStartDepth);
    }
    pic_Family->setZoom(1);
    ShowStatus(*lab_Status, QString());
    if (!Guarded(messages_, [&] { showPerson(id); }))
        return;
    pic_Family->setFocus(Qt::OtherFocusReason);
    exec();
    opener_ = {};
}

void TForm_Family::showPerson(const QString& id, const QString& focusId)
{
    Family family = ReadFamily(reg_, id, sb_Generations->value(), clock_.today());
    const QString summary = SummaryText(CountFamily(family));
    const int focus = PlaceOf(family, focusId);
    pic_Family->showFamily(std::move(family), focus);
    const QString shown = summary.isEmpty() ? tr("No relatives are recorded.") : summary;
    lab_Summary->setText(shown);
    pic_Family->setAccessibleDescription(shown);
    showWalkButtons();
    // The chosen person in the middle of the view, and the keyboard's box in view.
    const QRect chosen = pic_Family->boxRect(pic_Family->family().chosen);
    sa_Picture->ensureVisible(chosen.center().x(), chosen.center().y(),
                              sa_Picture->viewport()->width() / 2,
                              sa_Picture->viewport()->height() / 2);
    scrollToBox(pic_Family->focusBox());
}

void TForm_Family::scrollToBox(int box)
{
    const QRect rect = pic_Family->boxRect(box);
    if (rect.isValid())
        sa_Picture->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 16,
                                  rect.height() / 2 + 16);
}

QString TForm_Family::focusedId() const
{
    const int box = pic_Family->focusBox();
    return box >= 0 ? pic_Family->family().persons[static_cast<size_t>(box)].id : QString();
}

QString TForm_Family::centredStatus() const
{
    const Family& family = pic_Family->family();
    if (family.persons.empty())
        return {};
    // Said after each step of the walk, so that a screen reader tells where the walk stands.
    //: %1 describes the person now in the middle, %2 is the summary of their family.
    return tr("Centred on %1. %2")
        .arg(FamilyBoxText::accessibleName(family.persons[static_cast<size_t>(family.chosen)]),
             lab_Summary->text());
}

void TForm_Family::showWalkButtons()
{
    btn_Back->setEnabled(history_.canGoBack());
    btn_Forward->setEnabled(history_.canGoForward());
}

void TForm_Family::centreOn(int box)
{
    const FamilyPerson& person = pic_Family->family().persons[static_cast<size_t>(box)];
    if (box == pic_Family->family().chosen)
        return;
    const QString id = person.id;
    history_.visit(id);
    Guarded(messages_, [&] { showPerson(id); });
    ShowStatus(*lab_Status, centredStatus());
}

void TForm_Family::goBack()
{
    if (!history_.canGoBack())
        return;
    // The keyboard goes back to the person the walk came from.
    const QString from = history_.current();
    Guarded(messages_, [&] { showPerson(history_.back(), from); });
    ShowStatus(*lab_Status, centredStatus());
}

void TForm_Family::goForward()
{
    if (!history_.canGoForward())
        return;
    const QString from = history_.current();
    Guarded(messages_, [&] { showPerson(history_.forward(), from); });
    ShowStatus(*lab_Status, centredStatus());
}

void TForm_Family::openPerson(int box)
{
    const FamilyPerson person = pic_Family->family().persons[static_cast<size_t>(box)];
    if (person.missing) {
        ShowStatus(*lab_Status, tr("No person's record has the ID %1.").arg(person.id));
        return;
    }
    if (person.deleted) {
        ShowStatus(*lab_Status, tr("%1 is deleted, and deleted persons are not opened.")
                                    .arg(person.id));
        return;
    }
    if (!opener_) {
        ShowStatus(*lab_Status, tr("This window was opened from the person dialog, which shows "
                                   "one person at a time."));
        return;
    }
    const bool changed = opener_(person.id);
    pic_Family->setFocus(Qt::OtherFocusReason);
    if (changed)
        Guarded(messages_, [&] { showPerson(history_.current(), person.id); });
}

void TForm_Family::btn_SavePictureClick()
{
    const QString chosenId = history_.current();
    const std::optional<PictureChoice> choice = fileChooser_->choosePictureFile(
        QDir(reg_.folder).absoluteFilePath(SuggestedName(chosenId)));
    pic_Family->setFocus(Qt::OtherFocusReason);
    if (!choice)
        return;
    const PictureTarget target = PictureTargetOf(*choice);
    if (IsRegisterFile(reg_, target.path)) {
        messages_.warning(tr("The register \"%1\" and its backup \"%2\" cannot be replaced by a "
                             "picture. Choose another file.")
                              .arg(QLatin1String(kDataFileName), QLatin1String(kBackupFileName)));
        return;
    }
    if (!Guarded(messages_, [&] {
            const QByteArray bytes =
                RenderPicture(pic_Family->drawing(PaperColours(), false), target.format);
            WritePictureFile(reg_, target.path, bytes);
        }))
        return;
    ShowStatus(*lab_Status, tr("Picture saved to %1").arg(QFileInfo(target.path).fileName()));
}

void TForm_Family::btn_PrintClick()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlg_Print"));
    const bool print = dialog.exec() == QDialog::Accepted;
    pic_Family->setFocus(Qt::OtherFocusReason);
    if (!print)
        return;
    if (Guarded(messages_, [&] { PrintPicture(pic_Family->drawing(PaperColours(), false), printer); }))
        ShowStatus(*lab_Status, tr("Picture sent to the printer."));
}

}  // namespace orvanel
