#pragma once

#include "store/document.h"
#include "store/kept_record.h"
#include "store/kept_register.h"
#include "store/kept_save.h"
#include "store/new_record_bytes.h"
#include "store/person_value.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace orvanel {

// The changes made to a kept register's records since its file was read, held until a save
// writes them: each changed record open alone in its file's context, the records of the file
// removed, and the records added after the last one as the bytes a save writes, all by their
// number in the kept register's table. It holds nothing of the kept register: each call is handed
// the one the edits were begun on.
class KeptEdits {
public:
    // Writes the identifiers the load converted into their records, as they now read.
    explicit KeptEdits(const KeptRegister& kept);

    // The record, to be changed: a record is opened once and kept open until the save.
    Element change(const KeptRegister& kept, int record);
    // The Person record as it now reads.
    PersonValue readPerson(const KeptRegister& kept, int record) const;
    // New records after the last one, which the table numbers `record`: a Person as
    // WritePersonRecord writes it and a Rel as WriteRelRecord does.
    void addPerson(int record, const PersonValue& value);
    void addRel(int record, const QString& id1, const QString& id2, const QString& dir,
                const QString& inv);
    // Takes the record out: a record of the file is left out of the save, an added one dropped.
    void remove(int record);

    // What a save writes anew; the root's attributes are the caller's.
    KeptChanges changes() const;

private:
    bool isAdded(int record) const { return record >= firstAdded_; }
    QByteArray& addedBytes(int record) { return added_[static_cast<size_t>(record - firstAdded_)]; }
    const QByteArray& addedBytes(int record) const
    {
        return added_[static_cast<size_t>(record - firstAdded_)];
    }
    void placeAdded(int record, QByteArray bytes);

    std::map<int, std::unique_ptr<KeptRecord>> opened_;  // by record
    std::set<int> removed_;                              // records of the file
    NewRecordBytes writer_;
    int firstAdded_ = 0;  // the number of the first record added
    // The bytes of each record added, by its number less firstAdded_; empty for one since
    // opened or removed.
    std::vector<QByteArray> added_;
};

}  // namespace orvanel
