#pragma once

#include <QString>

namespace orvanel {

// The texts of failed file operations, one place for every reader and writer of the store:
// %1 is the file's name, %2 the system's own reason.
QString CannotOpenText();
QString CannotReadText();
QString CannotWriteText();

// The system's own words for an errno value, such as "Permission denied".
QString SystemErrorText(int error);

}  // namespace orvanel
