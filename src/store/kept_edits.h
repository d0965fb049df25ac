#pragma once

#include "store/document.h"
#include "store/kept_record.h"
#include "store/kept_register.h"
#include "store/kept_save.h"

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace orvanel {

// The changes made to a kept register's records since its file was read, held until a save
// writes them: each changed record of the file open alone in its file's context, the records
// removed, and the records added after the last one, all by their number in the kept register's
// table. It holds nothing of the kept register: each call is handed the one the edits were begun
// on.
class KeptEdits {
public:
    // Writes the identifiers the load converted into their records, as they now read.
    explicit KeptEdits(const KeptRegister& kept);

    // The record, to be changed: a record of the file is opened once and kept until the save.
    Element change(const KeptRegister& kept, int record);
    // The record as it now reads, when it was changed or added; nullopt when the file's bytes
    // still say what it holds.
    std::optional<Element> changed(int record) const;
    // A new element `name` after the last record, which the table numbers `record`.
    Element add(int record, const char* name);
    // Takes the record out: a record of the file is left out of the save, an added one dropped.
    void remove(int record);

    // What a save writes anew; the root's attributes are the caller's.
    KeptChanges changes() const;

private:
    std::map<int, std::unique_ptr<KeptRecord>> opened_;  // by record
    std::set<int> removed_;                              // records of the file
    Document added_;  // an empty root in the file's context, holding the records added
    std::map<int, Element> addedRecords_;  // the elements in added_, by record
    bool addedLong_ = false;
};

}  // namespace orvanel
