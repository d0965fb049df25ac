#pragma once

#include "store/document.h"
#include "store/kept_record.h"
#include "store/kept_register.h"
#include "store/kept_save.h"
#include "store/person_value.h"

#include <QString>
#include <map>
#include <memory>
#include <set>

namespace orvanel {

// The register's changes to a kept register, made as the register's operations make them on the
// document and held until a save writes them: each changed record open alone in its file's
// context, the records removed, and the records added after the last one. It holds nothing of the
// kept register: each call is handed the one the edits were begun on.
class KeptEdits {
public:
    explicit KeptEdits(const KeptRegister& kept);

    // The record of the table's person `person` written with the fields the value holds, as
    // Register::updatePerson writes them.
    void updatePerson(const KeptRegister& kept, int person, const PersonValue& value);
    // A new Person after the last record, as Register::addPerson writes it.
    void addPerson(const PersonValue& value);
    // A new Rel after the last record.
    void appendRelationship(const QString& id1, const QString& id2, const QString& dir,
                            const QString& inv);
    // Removes every relationship, of the file or added since, whose ID1 or ID2 is `id`; returns
    // how many went.
    int removeRelationsOf(const KeptRegister& kept, const QString& id);

    // What a save writes anew; the root's attributes are the caller's.
    KeptChanges changes() const;

private:
    // The record open alone, opened once and kept until the save.
    Element open(const KeptRegister& kept, int record);

    std::map<int, std::unique_ptr<KeptRecord>> opened_;  // by record
    std::set<int> removed_;                              // records of the file
    Document added_;  // an empty root in the file's context, holding the records added
    bool addedLong_ = false;
};

}  // namespace orvanel
