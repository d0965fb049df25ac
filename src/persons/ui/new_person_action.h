#pragma once

#include "store/clock.h"
#include "store/register.h"

namespace orvanel {

class TForm_Person;

// The "New Person" action of the main window and of the search window's Add: the person dialog
// opens for a new person under the next free identifier, and only its OK appends the record
// (after any relationship records the dialog wrote) and counts it. Nothing is reserved before:
// a cancelled dialog leaves no trace. Returns true when a person was added.
bool AddNewPerson(Register& reg, TForm_Person& dialog, const Clock& clock);

}  // namespace orvanel
