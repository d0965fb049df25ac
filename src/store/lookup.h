#pragma once

#include "store/register.h"

namespace orvanel {

// First person whose ID equals `id` exactly, deleted persons included; the empty reference if
// none.
PersonRef FindPerson(Register& reg, const QString& id);

// The identifier of the first sequence number above `start` that no Person element uses, its
// check digit weighed in the register's code page.
QString NextFreeId(Register& reg, long long start);
// The sequence number of that identifier, for a caller that gives many in a row and goes on
// from the last one instead of walking the numbers already given again.
long long NextFreeNumber(Register& reg, long long start);

// Deletes every Rel element whose ID1 or ID2 equals `id`, keeping the relationship count in
// step. Does not mark the register modified: callers do once their whole change is made.
void RemoveRelations(Register& reg, const QString& id);

}  // namespace orvanel
