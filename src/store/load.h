#pragma once

#include "store/clock.h"
#include "widgets/messages.h"
#include "store/register.h"

#include <QString>
#include <vector>

namespace orvanel {

struct IdConversion {
    QString from;
    QString to;
};

struct LoadReport {
    std::vector<IdConversion> conversions;  // in document order
    QString refusal;                         // the message shown when the load was refused
};

// Reads the data file of `reg.folder` into `reg`, converting old identifiers and checking the
// stored counts. A refused load shows its message through `messages` and sets `loadFailed`;
// the register is then left empty, never half loaded.
LoadReport LoadRegister(Register& reg, Messages& messages, const Clock& clock);

}  // namespace orvanel
