#pragma once

#include "store/code_page.h"
#include "store/data_file.h"
#include "store/document.h"
#include "store/folder_lock.h"
#include "store/person_cache.h"
#include "store/person_ref.h"
#include "store/person_value.h"
#include "store/relation_index.h"
#include "store/stored_relation.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace orvanel {

// The register: the document and the state shared by every window. The main window owns the one
// instance and hands it to the others. Persons and relationships are added, changed and removed
// only through the register, so that the counts written back to the file always match the
// document, and the cache of the persons' list fields and the index of the relationships by
// person always match the records.
class Register {
public:
    Register() = default;
    // The cache's and the index's handles point into this register's document, and the windows
    // hold references to
    // the register itself: neither may be carried over into another object.
    Register(const Register&) = delete;
    Register& operator=(const Register&) = delete;
    Register(Register&&) = delete;
    Register& operator=(Register&&) = delete;

    Document doc;
    QString idPrefix;        // first two characters of the root's Prefix
    // What the check digits of the register's identifiers are weighed in, found at loading from
    // the identifiers themselves (store/id_code_page.h); new identifiers are weighed in it too.
    CodePage idCodePage;
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

    // The list fields of every person, in document order, as the records hold them.
    const PersonCache& persons() const { return persons_; }
    // The first person in document order whose ID equals `id` exactly, deleted persons included;
    // the empty reference when there is none.
    PersonRef findPerson(const QString& id);
    // The person's ID and the text of the first child of each field's name; a child the record
    // lacks is left out of the value. Throws NodeNotFound("Person") for a reference that names
    // nobody here.
    PersonValue readPerson(PersonRef person) const;
    // Every relationship whose ID1 or ID2 equals `id` exactly, in document order, one naming the
    // person on both sides once: what a walk over the records finds, without the walk.
    std::vector<StoredRelation> relationsOf(const QString& id) const;
    // Hands every relationship to `visit`, in document order.
    void forEachRelation(const std::function<void(const StoredRelation&)>& visit);

    // Appends a Person element as the root's last child with the value's ID and a child for
    // every field, in the order of the field table, and counts it. A field the value does not
    // hold is written as an empty child.
    PersonRef addPerson(const PersonValue& value);
    // Replaces the texts of the fields the value holds, in table order, each child found by
    // name; the ID and the other fields stay. A missing required child throws NodeNotFound, the
    // values before it staying written. A field added after the twenty that the record lacks is
    // appended at the record's end, with the value's text or empty. A reference that names
    // nobody here throws NodeNotFound("Person").
    void updatePerson(PersonRef person, const PersonValue& value);
    // Marks the person `id` deleted: every relationship naming it is removed, its Status becomes
    // "Deleted" and its DateModified `dateModified`, and a field added after the twenty that the
    // record lacks is appended empty; the register is marked modified. The record and both
    // children are looked up first, so a person that cannot be found or lacks one of them throws
    // NodeNotFound and leaves the register as it was.
    void deletePerson(const QString& id, const QString& dateModified);
    // Appends a Rel element to the document with these IDs and kind words, and counts it. Its IDs
    // are written here and never changed afterwards, so the index can file it under them.
    void appendRelationship(const QString& id1, const QString& id2, const QString& dir,
                            const QString& inv);
    // Deletes every Rel element whose ID1 or ID2 equals `id`; returns how many went. Leaves
    // `modified` alone: callers mark it once their whole change is made.
    int removeRelationsOf(const QString& id);
    // The document now differs from the file.
    void markModified();
    // The document was just read or dropped: it holds these counts, persons and relationships and
    // matches its file.
    void resetCounts(int persons, int rels, PersonCache listed = {}, RelationIndex related = {});
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
    PersonCache persons_;
    RelationIndex relations_;
};

inline constexpr const char* kDataFileName = "zok.xml";
inline constexpr const char* kBackupFileName = "zok.bak";

}  // namespace orvanel
