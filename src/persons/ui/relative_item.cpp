#include "persons/ui/relative_item.h"

#include "relations/relationship_kind.h"

#include <QTreeWidgetItem>

namespace orvanel {

namespace {

enum RelativesColumn { KindColumn, OtherIdColumn, NameColumn, MiddleNameColumn, SurnameColumn };
constexpr int kStoredKindRole = Qt::UserRole;

}  // namespace

void ShowRelative(QTreeWidgetItem& item, const RelativeRow& row)
{
    item.setText(KindColumn, KindCaption(row.kind));
    item.setData(KindColumn, kStoredKindRole, row.kind);
    item.setText(OtherIdColumn, row.otherId);
    item.setText(NameColumn, row.name);
    item.setText(MiddleNameColumn, row.middleName);
    item.setText(SurnameColumn, row.surname);
}

RelativeRow RelativeOf(const QTreeWidgetItem& item)
{
    return {item.data(KindColumn, kStoredKindRole).toString(), item.text(OtherIdColumn),
            item.text(NameColumn), item.text(MiddleNameColumn), item.text(SurnameColumn)};
}

}  // namespace orvanel
