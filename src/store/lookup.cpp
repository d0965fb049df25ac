#include "store/lookup.h"

#include "store/person_id.h"

namespace orvanel {

Element FindPerson(Register& reg, const QString& id)
{
    return reg.doc.findPerson(id);
}

QString NextFreeId(Register& reg, long long start)
{
    for (long long n = start + 1;; ++n) {
        QString candidate = FormatId(reg.idPrefix, n, reg.idCodePage);
        if (!FindPerson(reg, candidate))
            return candidate;
    }
}

void RemoveRelations(Register& reg, const QString& id)
{
    reg.removeRelationsOf(id);
}

}  // namespace orvanel
