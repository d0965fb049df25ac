#pragma once

#include "store/markup_scan.h"

#include <optional>

namespace orvanel {

// The byte form a register written in this encoding has, when it can be written and read back
// with the same content; nullopt when it cannot. Whether a register in this encoding can be written and read back with the same content: the
// written declaration must be one the loader recognises, every character must come back as it
// was, and (for encodings that keep markup in ASCII bytes) no character may be written with the
// bytes of a markup character, since the loader looks at the markup before parsing. Checked by
// writing and reading probe documents; UTF-7, EBCDIC and the four-byte forms fail it.
std::optional<ByteForm> FormWrittenIn(const char* encoding);

}  // namespace orvanel
