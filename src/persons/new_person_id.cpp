#include "persons/new_person_id.h"

#include "store/errors.h"
#include "store/lookup.h"
#include "store/person_id.h"

#include <QCoreApplication>

namespace orvanel {

NewPersonId NextNewPersonId(Register& reg, long long after)
{
    const long long number = NextFreeNumber(reg, after);
    QString id = FormatId(reg.idPrefix, number, reg.idCodePage);
    if (!IdReadsBack(id, reg.idCodePage))
        throw Error(QCoreApplication::translate(
                        "orvanel::NewPersonAction",
                        "No person can be added: the identifier %1 made from the register's "
                        "Prefix could not be read back.")
                        .arg(id));
    return {std::move(id), number};
}

}  // namespace orvanel
