#pragma once

#include <QByteArray>

namespace orvanel {

// True for a name a durable write of `finalName` uses for its temporary file: the final name, a
// dot and six letters or digits ("zok.xml.a1B2c3").
bool IsTemporaryNameOf(const QByteArray& name, const QByteArray& finalName);

// Removes the temporary files of `finalName` that an interrupted write left in the folder open
// as `folderFd`. Only regular files are removed, never links or folders. Best effort: a file
// that cannot be removed stays, and the write goes on.
void RemoveLeftoverTemporaries(int folderFd, const QByteArray& finalName);

}  // namespace orvanel
