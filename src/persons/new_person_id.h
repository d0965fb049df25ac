#pragma once

#include "store/register.h"

#include <QString>

namespace orvanel {

// The identifier a new person is stored under, and its sequence number.
struct NewPersonId {
    QString id;
    long long number = 0;
};

// The first free identifier above sequence number `after` (NextFreeId). Throws Error when it
// would not read back as it is written: a person stored under an identifier that loading
// refuses would lock the user out of the whole register at the next start.
NewPersonId NextNewPersonId(Register& reg, long long after);

}  // namespace orvanel
