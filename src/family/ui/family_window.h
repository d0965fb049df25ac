#pragma once

#include "family/family_history.h"
#include "family/family_tree.h"
#include "family/ui/picture_file.h"
#include "store/clock.h"
#include "store/register.h"
#include "widgets/messages.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace orvanel {

class FamilyPicture;

// The Family window: the picture of one person's relatives as the register records them,
// walked by mouse and keyboard, saved as PNG, SVG or PDF and printed. It reads the register and
// never changes it; a person is opened for editing only through the opener its caller gives.
class TForm_Family : public QDialog {
    Q_OBJECT

public:
    // Opens the person with this ID in the person dialog; true when that changed the register,
    // so that the picture is read anew.
    using PersonOpener = std::function<bool(const QString& id)>;

    TForm_Family(Register& reg, Messages& messages, const Clock& clock, QWidget* parent = nullptr);
    ~TForm_Family() override;

    // Where Save Picture asks for its file; the toolkit's save dialog unless replaced. The
    // chooser must outlive this window or be replaced again.
    void useFileChooser(PictureFileChooser& chooser) { fileChooser_ = &chooser; }

    // Shows the family of `id` modally and returns once the window is closed. Without an opener
    // (the caller is the person dialog itself) F2 and a double click only say why they cannot
    // open the person.
    void showFamily(const QString& id, PersonOpener opener);

private:
    void buildControls();
    // Reads and draws the family of `id` anew; the keyboard's box goes to `focusId` where it
    // stands in the picture, else to the chosen person.
    void showPerson(const QString& id, const QString& focusId = QString());
    void centreOn(int box);
    void openPerson(int box);
    void goBack();
    void goForward();
    void btn_SavePictureClick();
    void btn_PrintClick();
    void scrollToBox(int box);
    void showWalkButtons();
    QString focusedId() const;
    // What the status line says once the picture centred on another person.
    QString centredStatus() const;

    Register& reg_;
    Messages& messages_;
    const Clock& clock_;
    PersonOpener opener_;
    FamilyHistory history_;
    std::unique_ptr<PictureFileChooser> ownFileChooser_;
    PictureFileChooser* fileChooser_ = nullptr;

    QLabel* lab_Generations = nullptr;
    QSpinBox* sb_Generations = nullptr;
    QPushButton* btn_Back = nullptr;
    QPushButton* btn_Forward = nullptr;
    QScrollArea* sa_Picture = nullptr;
    FamilyPicture* pic_Family = nullptr;
    QLabel* lab_Summary = nullptr;
    QPushButton* btn_SavePicture = nullptr;
    QPushButton* btn_Print = nullptr;
    QPushButton* btn_Close = nullptr;
    QLabel* lab_Status = nullptr;
};

}  // namespace orvanel
