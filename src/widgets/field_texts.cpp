#include "widgets/field_texts.h"

#include <QCoreApplication>

namespace orvanel {

QString FieldCaption(PersonField field)
{
    return QCoreApplication::translate("PersonField", InfoOf(field).caption);
}

QString FieldColumnTitle(PersonField field)
{
    return QCoreApplication::translate("PersonField", InfoOf(field).column.title);
}

}  // namespace orvanel
