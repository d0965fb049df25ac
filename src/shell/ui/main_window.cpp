#include "shell/ui/main_window.h"

#include "family/ui/family_window.h"
#include "persons/ui/person_dialog.h"
#include "relations/ui/relationship_dialog.h"
#include "search/ui/filter_dialog.h"
#include "search/ui/search_window.h"
#include "shell/ui/load_window.h"
#include "widgets/accessibility.h"
#include "widgets/confirm_dialog.h"
#include "widgets/enter_key.h"
#include "widgets/event_guard.h"
#include "persons/ui/new_person_action.h"
#include "widgets/pictures.h"
#include "widgets/window_look.h"
#include "store/load.h"
#include "store/save.h"
#include "store/save_target.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace orvanel {

// The windows are members, constructed in the order of their declaration and destroyed in the
// reverse order. A window may be handed one that is declared after it: it only keeps the
// reference until the user opens it. The main window is their parent so that they open over it;
// as members they are destroyed before the main window would delete its children.
struct TForm1::Windows {
    Windows(TForm1& main, Register& reg, Messages& messages, const Clock& clock,
            SorterList& sorters)
        : Form_Person(reg, messages, clock, sorters, Form_Relationship, Form_MB, Form_Family,
                      &main),
          Form_Relationship(reg, sorters, &main),
          Form_Search(reg, messages, clock, sorters, Form_Person, Form_MB, Form_Filter,
                      Form_Family, &main),
          Form_MB(&main),
          Form_Filter(messages, clock, &main),
          Form_Family(reg, messages, clock, &main)
    {
    }

    TForm_Person Form_Person;
    TForm_Relationship Form_Relationship;
    TForm_Search Form_Search;
    TForm_MB Form_MB;
    TForm_Filter Form_Filter;
    TForm_Family Form_Family;
};

TForm1::TForm1(const QString& folder, Messages& messages, const Clock& clock,
               Stopwatch* loadTime)
    : messages_(messages), clock_(clock)
{
    PrepareProgramWindow(*this, "Form1", tr("Orvanel"));
    AnnounceAsWindow(*this);
    setFixedSize(614, 243);
    buildControls();

    // The register is in place before any other window exists: their creation relies on it.
    FormCreate(folder, loadTime);
    createWindows();
}

TForm1::~TForm1() = default;

TForm_Person& TForm1::personDialog() { return windows_->Form_Person; }
TForm_Relationship& TForm1::relationshipDialog() { return windows_->Form_Relationship; }
TForm_Search& TForm1::searchWindow() { return windows_->Form_Search; }
TForm_MB& TForm1::confirmDialog() { return windows_->Form_MB; }
TForm_Filter& TForm1::filterDialog() { return windows_->Form_Filter; }
TForm_Family& TForm1::familyWindow() { return windows_->Form_Family; }

void TForm1::buildControls()
{
    // Decoration only: a family tree, a family and an address card.
    Image1 = new QLabel(this);
    Image1->setGeometry(8, 8, 200, 227);
    Image1->setPixmap(FamilyTreePicture());
    Image2 = new QLabel(this);
    Image2->setGeometry(216, 8, 200, 110);
    Image2->setPixmap(FamilyPicture());
    Image3 = new QLabel(this);
    Image3->setGeometry(216, 126, 200, 109);
    Image3->setPixmap(AddressCardPicture());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image3->setObjectName(QStringLiteral("Image3"));
    for (QLabel* picture : {Image1, Image2, Image3})
        HideFromScreenReaders(*picture);

    QFont large(QStringLiteral("Verdana"));
    large.setPixelSize(19);
    btn_NewPerson = new QPushButton(tr("&New Person"), this);
    btn_NewPerson->setObjectName(QStringLiteral("btn_NewPerson"));
    btn_Find = new QPushButton(tr("&Find"), this);
    btn_Find->setObjectName(QStringLiteral("btn_Find"));
    btn_Close = new QPushButton(tr("&Close"), this);
    btn_Close->setObjectName(QStringLiteral("btn_Close"));
    int top = 20;
    for (QPushButton* button : {btn_NewPerson, btn_Find, btn_Close}) {
        button->setFont(large);
        button->setGeometry(432, top, 168, 58);
        top += 70;
    }
    EnterPressesFocusedButton(*this);
    setTabOrder(btn_NewPerson, btn_Find);
    setTabOrder(btn_Find, btn_Close);

    connect(btn_NewPerson, &QPushButton::clicked, this, &TForm1::btn_NewPersonClick);
    connect(btn_Find, &QPushButton::clicked, this, &TForm1::btn_FindClick);
    connect(btn_Close, &QPushButton::clicked, this, &QWidget::close);
}

void TForm1::FormCreate(const QString& folder, Stopwatch* loadTime)
{
    PaintWindowColour(*this);
    reg_.folder = folder;
    SystemStopwatch systemTime;
    // Gone before this window is first shown: it shows only the load.
    LoadWindow loading(reg_.dataPath(), loadTime ? *loadTime : systemTime);
    // The load leaves loadFailed set when it refuses or is stopped; the window only tells the
    // user why it was refused, and closes once it is shown.
    const LoadReport report = OpenRegister(reg_, clock_, &loading);
    loadStopped_ = report.stopped;
    if (report.refusal)
        messages_.error(*report.refusal);
}

void TForm1::createWindows()
{
    windows_ = std::make_unique<Windows>(*this, reg_, messages_, clock_, SorterList_);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Not every window system activates a newly shown window (a bare X server does not), so the
    // first showing counts as the first activation too.
    QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
}

void TForm1::FormActivate()
{
    if (reg_.loadFailed() && isVisible())
        close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormClose()
{
    // After a refused load there is nothing that may be saved: the register is empty, and
    // writing it would replace the user's file.
    if (!reg_.modified() || reg_.loadFailed())
        return true;
    if (!messages_.question(tr("Confirm"), tr("Do you want to save changes?")))
        return true;
    // Another program's changes are overwritten only when the user says so; otherwise the
    // program keeps running with the edits, and closing asks again.
    if (DataFileChangedSinceLoad(reg_) &&
        !messages_.question(tr("Confirm"),
                            tr("zok.xml was changed by another program since Orvanel opened it. "
                               "Save anyway? Its version will be kept in zok.bak.")))
        return false;
    // A failed save keeps the program running with the unsaved register; closing asks again.
    return Guarded(messages_, [this] { SaveRegister(reg_, clock_); });
}

void TForm1::btn_NewPersonClick()
{
    Guarded(messages_, [this] { AddNewPerson(reg_, windows_->Form_Person, clock_); });
}

void TForm1::btn_FindClick()
{
    Guarded(messages_, [this] { windows_->Form_Search.exec(); });
}

}  // namespace orvanel
