#pragma once

#include "store/clock.h"
#include "store/register.h"

#include <QString>

namespace orvanel {

// Deletes the person `id` the way the register keeps deleted persons: every relationship that
// names the person, on either side, is removed for good, while the Person element stays with
// Status "Deleted" and today's DateModified; the register is marked modified. The record and
// both children are looked up before anything changes, so a person that cannot be found, or a
// record lacking Status or DateModified, throws (NodeNotFound) and leaves the register as it was.
void DeletePerson(Register& reg, const QString& id, const Clock& clock);

}  // namespace orvanel
