#pragma once

#include "store/code_page.h"
#include "store/data_file.h"
#include "store/folder_lock.h"
#include "store/kept_edits.h"
#include "store/kept_register.h"
#include "store/person_list.h"
#include "store/person_ref.h"
#include "store/person_value.h"
#include "store/stored_relation.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orvanel {

// The register: the records of the data file and the state shared by every window. The main
// window owns the one instance and hands it to the others. It keeps the file's bytes as they were
// read and a table of its records (store/kept_register.h), and the records changed, added and
// removed since (store/kept_edits.h); a save copies every untouched record's bytes. Persons and
// relationships are added, changed and removed only through the register, so that the counts
// written back to the file always match the records, and the table always holds what the records
// hold.
class Register {
public:
    Register() = default;
    // The list of persons refers to this register, and the windows hold references to it: it
    // may not be carried over into another object.
    Register(const Register&) = delete;
    Register& operator=(const Register&) = delete;
    Register(Register&&) = delete;
    Register& operator=(Register&&) = delete;

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

    // Every person, in file order, as the records hold them.
    const PersonList& persons() const { return persons_; }
    // The first person in file order whose ID equals `id` exactly, deleted persons included;
    // the empty reference when there is none.
    PersonRef findPerson(const QString& id) const;
    // The person's ID and the text of the first child of each field's name; a child the record
    // lacks is left out of the value. Throws NodeNotFound("Person") for a reference that names
    // nobody here.
    PersonValue readPerson(PersonRef person) const;
    // Every relationship whose ID1 or ID2 equals `id` exactly, in file order, one naming the
    // person on both sides once: what a walk over the records finds, without the walk.
    std::vector<StoredRelation> relationsOf(const QString& id) const;
    // Hands every relationship to `visit`, in file order.
    void forEachRelation(const std::function<void(const StoredRelation&)>& visit) const;

    // Appends a Person record after the last one with the value's ID and a child for
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
    // Appends a Rel record after the last one with these IDs and kind words, and counts it. Its
    // IDs are written here and never changed afterwards, so the table chains it under them.
    void appendRelationship(const QString& id1, const QString& id2, const QString& dir,
                            const QString& inv);
    // Removes every Rel record whose ID1 or ID2 equals `id`; returns how many went. Leaves
    // `modified` alone: callers mark it once their whole change is made.
    int removeRelationsOf(const QString& id);
    // The register now differs from the file.
    void markModified();
    // The register now holds this file as read, with its counts, and matches it; the
    // identifiers the load converted are written into their records.
    void adopt(KeptRegister kept);
    // A file was read into the register, so there is one to change and save.
    bool loaded() const { return edits_ != nullptr; }
    // The records as they were read, with the table of them as they are now.
    const KeptRegister& kept() const { return kept_; }
    // What a save writes anew of the file.
    KeptChanges changes() const;
    // A load begins: nothing of an earlier file is kept, and loadFailed is cleared.
    void startLoad();
    // The load was refused: whatever was read is dropped, so that nothing half loaded can be
    // saved over the user's file, and loadFailed is set.
    void refuseLoad();

private:
    // The person's record: the changed one, or one parsed from the file's bytes.
    PersonValue readRecord(int record) const;
    // Lists the person's fields in the table as its record now holds them.
    void listFields(int person, const Element& record);
    StoredRelation relationAt(int rel) const;
    KeptEdits& edits();

    int personCounter_ = 0;  // Person records of every status
    int relCounter_ = 0;     // Rel records
    bool modified_ = false;  // the records differ from the file
    bool loadFailed_ = false;
    KeptRegister kept_;
    std::unique_ptr<KeptEdits> edits_;  // none before a file is adopted
    PersonList persons_{*this};
};

inline constexpr const char* kDataFileName = "zok.xml";
inline constexpr const char* kBackupFileName = "zok.bak";

}  // namespace orvanel
