#pragma once

#include <QByteArray>

namespace orvanel {

// The files the program writes before putting them in place. Their names are ones no person
// would choose: a leading dot, the program's name, a marker word and a random part
// (".orvanel-unfinished-k3Xq9ZbT0aLm2Rw7"). Only a name of exactly that form is ever cleaned up:
// a file the user made, whatever its name, is never touched.

// A fresh name of that form.
QByteArray NewTemporaryName();

// True for a name of exactly that form.
bool IsTemporaryName(const QByteArray& name);

// Marks the open temporary `fd` as in use for as long as it stays open, so that another running
// copy of the program never takes it for a leftover. Best effort: on a file system without
// locks the file is merely never cleaned up by anyone else.
void HoldTemporary(int fd);

// Removes from the folder open as `folderFd` the temporaries that an earlier, interrupted write
// left: regular files with a temporary name, last changed before this run began and open in no
// running copy. Never links or folders. Best effort: a file that cannot be removed stays, and
// the write goes on.
void RemoveLeftoverTemporaries(int folderFd);

}  // namespace orvanel
