#pragma once

#include "store/clock.h"
#include "store/register.h"

#include <QString>

namespace orvanel {

// Copies `source` onto `destination` byte for byte in blocks of 8192; throws IoError on the
// first file operation that fails. `destination` is replaced as a whole, never written through a
// link, and gets the permission bits of `source`.
void CopyToBackup(const QString& source, const QString& destination);

// Copies the data file to the backup, stamps the root with today's date and the two counters,
// and writes the document over the data file. Throws IoError; the data file is then unchanged,
// unless the message says the new file is in place but its folder could not be flushed.
// A data file that now leads elsewhere than at start is never written (see CurrentSaveTarget).
void SaveRegister(Register& reg, const Clock& clock);

}  // namespace orvanel
