#pragma once

#include "store/data_file.h"
#include "store/document.h"
#include "store/folder_lock.h"

#include <QString>

namespace orvanel {

// The register: the document and the state shared by every window. The main window owns the one
// instance and hands it to the others. Persons and relationships are added and removed only
// through the register, so that the counts written back to the file always match the document.
class Register {
public:
    Document doc;
    QString idPrefix;        // first two characters of the root's Prefix
    DataFileIdentity loadedFile;  // the data file as it was read at start
    FolderLock folderLock;        // keeps a second copy of the program off this folder

    // The folder holding the data file and its backup.
    QString folder = QStringLiteral(".");
    QString dataPath() const;
    QString backupPath() const;

    int personCounter() const { return personCounter_; }
    int relCounter() const { return relCounter_; }
    bool modified() const { return modified_; }
    // The load was refused: the register is empty, nothing may be saved, and the main window
    // closes as soon as it is shown. Only loading (store/load.h) sets and clears it, through
    // startLoad and refuseLoad.
    bool loadFailed() const { return loadFailed_; }

    // Appends an empty Person element to the document and counts it.
    Element appendPerson();
    // Appends an empty Rel element to the document and counts it.
    Element appendRelationship();
    // Deletes every Rel element whose ID1 or ID2 equals `id`; returns how many went. Leaves
    // `modified` alone: callers mark it once their whole change is made.
    int removeRelationsOf(const QString& id);
    // The document now differs from the file.
    void markModified();
    // The document was just read or dropped: it holds these counts and matches its file.
    void resetCounts(int persons, int rels);
    // A load begins: nothing of an earlier file is kept, and loadFailed is cleared.
    void startLoad();
    // The load was refused: whatever was read is dropped, so that nothing half loaded can be
    // saved over the user's file, and loadFailed is set.
    void refuseLoad();

private:
    int personCounter_ = 0;  // Person elements of every status
    int relCounter_ = 0;     // Rel elements
    bool modified_ = false;  // the document differs from the file
    bool loadFailed_ = false;
};

inline constexpr const char* kDataFileName = "zok.xml";
inline constexpr const char* kBackupFileName = "zok.bak";

}  // namespace orvanel
