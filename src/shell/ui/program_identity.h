#pragma once

#include <QString>

namespace orvanel {

// The name of the desktop entry (without ".desktop") that starts the program.
inline constexpr const char* kDesktopEntryName = "org.orvanel.Orvanel";

// Names the running program and gives it its icon, so that desktop shells match its windows to
// its desktop entry and show the entry's picture for them.
void IdentifyProgram();

}  // namespace orvanel
