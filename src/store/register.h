#pragma once

#include "store/data_file.h"
#include "store/document.h"
#include "store/folder_lock.h"

#include <QString>

namespace orvanel {

// The register: the document and the state shared by every window. The main window owns the one
// instance and hands it to the others.
struct Register {
    Document doc;
    int personCounter = 0;   // Person elements of every status
    int relCounter = 0;      // Rel elements
    bool modified = false;   // the document differs from the file
    bool loadFailed = false; // the load was refused
    QString idPrefix;        // first two characters of the root's Prefix
    DataFileIdentity loadedFile;  // the data file as it was read at start
    FolderLock folderLock;        // keeps a second copy of the program off this folder

    // The folder holding the data file and its backup.
    QString folder = QStringLiteral(".");
    QString dataPath() const;
    QString backupPath() const;
};

inline constexpr const char* kDataFileName = "zok.xml";
inline constexpr const char* kBackupFileName = "zok.bak";

}  // namespace orvanel
