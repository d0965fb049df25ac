#pragma once

#include "store/clock.h"
#include "store/register.h"

#include <QDate>
#include <QString>

namespace orvanel::faults {

// The day every fault run saves on, so that a complete save always writes the same bytes.
QDate faultEditDay();

// Changes a loaded register as a user would before closing: a new person with a relationship
// to the first person, and an edited comment of that first person.
void applyUserEdits(Register& reg, const Clock& clock);

// True when the register holds every change applyUserEdits made.
bool userEditsPresent(Register& reg);

}  // namespace orvanel::faults
