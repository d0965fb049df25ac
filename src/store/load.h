#pragma once

#include "store/clock.h"
#include "store/id_conversion.h"
#include "store/load_progress.h"
#include "store/register.h"

#include <QString>
#include <optional>
#include <vector>

namespace orvanel {

// What a load did. The store shows nothing: whoever loads decides how the refusal reaches the
// user (the main window in an error box, the checking tool on its output).
struct LoadReport {
    std::vector<IdConversion> conversions;  // in document order; none when refused
    std::optional<QString> refusal;         // why the file was refused, as the user is told
    // The load's LoadProgress stopped it: nothing was refused, so there is nothing to tell.
    bool stopped = false;

    bool refused() const { return refusal.has_value(); }
};

// Reads the data file of `reg.folder` into `reg`, converting old identifiers and checking the
// stored counts. A refused load leaves the register empty, never half loaded, with loadFailed
// set; an accepted one clears loadFailed. A load that `progress` stops leaves the register just
// as empty, with loadFailed set so that nothing of it is ever saved, and no refusal.
LoadReport LoadRegister(Register& reg, const Clock& clock, LoadProgress* progress = nullptr);

// Opens the register of `reg.folder` for this run: takes the folder's lock into
// `reg.folderLock`, then loads as LoadRegister does. A folder another copy of the program holds
// is refused with kRegisterAlreadyOpen, in the same report as a refused file.
LoadReport OpenRegister(Register& reg, const Clock& clock, LoadProgress* progress = nullptr);

}  // namespace orvanel
