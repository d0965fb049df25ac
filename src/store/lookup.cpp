#include "store/lookup.h"

#include "store/person_id.h"

namespace orvanel {

PersonRef FindPerson(Register& reg, const QString& id)
{
    return reg.findPerson(id);
}

QString NextFreeId(Register& reg, long long start)
{
    return FormatId(reg.idPrefix, NextFreeNumber(reg, start), reg.idCodePage);
}

long long NextFreeNumber(Register& reg, long long start)
{
    for (long long n = start + 1;; ++n) {
        if (!FindPerson(reg, FormatId(reg.idPrefix, n, reg.idCodePage)))
            return n;
    }
}

void RemoveRelations(Register& reg, const QString& id)
{
    reg.removeRelationsOf(id);
}

}  // namespace orvanel
