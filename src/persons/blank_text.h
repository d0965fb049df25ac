#pragma once

#include <QString>

namespace orvanel {

// True for the empty text and for texts of space characters (code 32) only: a person's name or
// surname that is blank in this sense is refused by the person dialog. A tab or a no-break space
// is a character the user typed and counts as text.
bool IsBlank(const QString& text);

}  // namespace orvanel
