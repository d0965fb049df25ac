#include "persons/new_person_id.h"

#include "store/errors.h"
#include "store/lookup.h"
#include "store/person_id.h"

#include <QCoreApplication>

namespace orvanel {

NewPersonId NextNewPersonId(Register& reg, long long after)
{
    // NextFreeNumber's search, keeping the identifier it finds: formatting each twice cost an
    // import of 100k persons 4% of its adding (docs/performance.md).
    long long number = after + 1;
    QString id = FormatId(reg.idPrefix, number, reg.idCodePage);
    while (FindPerson(reg, id))
        id = FormatId(reg.idPrefix, ++number, reg.idCodePage);
    if (!IdReadsBack(id, reg.idCodePage))
        throw Error(QCoreApplication::translate(
                        "orvanel::NewPersonAction",
                        "No person can be added: the identifier %1 made from the register's "
                        "Prefix could not be read back.")
                        .arg(id));
    return {std::move(id), number};
}

}  // namespace orvanel
