#pragma once

#include "relations/relationship_choices.h"
#include "relations/relatives.h"
#include "list_state/sorter_list.h"
#include "store/register.h"
#include "widgets/escape_key.h"
#include "widgets/row_list_model.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace orvanel {


// The dialog in which a kind and a second person are chosen for a relationship of the person
// being edited, showing the relationship in both directions before it is confirmed. It changes
// nothing in the register: the person dialog reads the choice after OK. OK can be pressed only
// while both a kind and a person are chosen.
class TForm_Relationship : public QDialog {
    Q_OBJECT

public:
    TForm_Relationship(Register& reg, SorterList& sorters, QWidget* parent = nullptr);

    // Shows the edited person's line in both groups and offers every active person but the
    // edited one, in the order of the list's sorter.
    void Prepare(const QString& editedPersonLine, const QString& editedId);
    // No kind and no person chosen, and nothing shown for them: the state Add opens in.
    void ResetChoice();
    // Chooses the kind and the person of an existing row, each found without regard to letter
    // case; what is not found stays unchosen.
    void PresetChoice(const QString& kind, const QString& otherId);

    // The chosen kind word, empty while none is chosen.
    QString ChosenKind() const;
    // The relationship as chosen: the kind and the chosen person's four texts. Meaningful after
    // the dialog ended with OK, which it can only do with both chosen.
    RelativeRow ChosenRelative() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void FormCreate();
    void cb_Kind1Change();
    void lv_Person2Change();
    void enableOk();
    bool kindChosen() const;
    bool personChosen() const;
    RelativeRow personAt(int row) const;

    Register& reg_;
    SorterList& sorters_;
    TlvPieskatitajs* sorter_ = nullptr;

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lab_Person11 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cb_Kind1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QTreeView* lv_Person2 = nullptr;
    RowListModelOf<PersonChoice>* persons_ = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* lab_Person22 = nullptr;
    QLabel* lab_KindInverse = nullptr;
    QLabel* lab_Person21 = nullptr;
    QPushButton* btn_Ok = nullptr;
    QPushButton* btn_Cancel = nullptr;
    // Neither button is the cancel button: only a click on OK or Cancel, or the close box, ends
    // the dialog.
    EscapeIgnored escapeIgnored_{*this};
};

}  // namespace orvanel
