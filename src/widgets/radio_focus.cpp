#include "widgets/radio_focus.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace orvanel {

namespace {

void OnlyCheckedTakesTab(QButtonGroup& group)
{
    const QList<QAbstractButton*> buttons = group.buttons();
    QAbstractButton* entry = group.checkedButton();
    if (!entry && !buttons.isEmpty())
        entry = buttons.first();
    for (QAbstractButton* button : buttons)
        button->setFocusPolicy(button == entry ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

void TabToCheckedButtonOnly(QButtonGroup& group)
{
    OnlyCheckedTakesTab(group);
    QObject::connect(&group, &QButtonGroup::buttonToggled, &group,
                     [&group] { OnlyCheckedTakesTab(group); });
}

}  // namespace orvanel
