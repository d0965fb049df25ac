#pragma once

#include <QString>

namespace orvanel {

// XML 1.0 cannot hold most control characters, unpaired surrogates, U+FFFE or U+FFFF: a file
// holding one could not be read again.

// Position of the first such character of `text`, or -1 when it can be stored as it is.
qsizetype FirstUnstorableCharacter(const QString& text);

// The text with every such character replaced by U+FFFD, so that a saved file always loads.
QString StorableText(const QString& text);

}  // namespace orvanel
