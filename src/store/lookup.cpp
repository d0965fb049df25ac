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
        QString candidate = FormatId(reg.idPrefix, n);
        if (!FindPerson(reg, candidate))
            return candidate;
    }
}

void RemoveRelations(Register& reg, const QString& id)
{
    // Last to first, so that deleting a node leaves the indices still to visit in place.
    for (int i = reg.doc.rootCount() - 1; i >= 0; --i) {
        Element node = reg.doc.rootChild(i);
        if (!node.hasLocalName("Rel"))
            continue;
        if (node.attributeEquals("ID1", id) || node.attributeEquals("ID2", id)) {
            reg.doc.removeRootChild(i);
            --reg.relCounter;
        }
    }
}

bool IsBlank(const QString& text)
{
    for (QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

}  // namespace orvanel
