#pragma once

#include "store/register.h"

#include <QString>
#include <sys/types.h>

namespace orvanel {

// The file a save of the data file writes over: where the data file's name leads now.
struct SaveTarget {
    QString path;       // the data file itself, through any link the user made
    mode_t mode = 0600; // its permission bits, which the backup and the new file get too
};

// Where the data file's name leads now, when that is still the file that was loaded. Throws
// IoError naming the data file when it cannot be found, is no regular file, or the name now
// leads to another place than at start (a link put in its place while the program ran): a
// save must never write into a file the user did not open.
SaveTarget CurrentSaveTarget(const Register& reg);

// True when the data file now holds other bytes than it did when it was loaded (or last saved
// by this run): another program changed it meanwhile. A file that cannot be read counts as
// unchanged here; the save reports it.
bool DataFileChangedSinceLoad(const Register& reg);

}  // namespace orvanel
