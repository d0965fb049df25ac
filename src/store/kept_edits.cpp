#include "store/kept_edits.h"

#include "store/record_names.h"

#include <stdexcept>

namespace orvanel {

KeptEdits::KeptEdits(const KeptRegister& kept)
    : writer_(kept), firstAdded_(kept.table.fileRecordCount())
{
    // Identifiers the load converted to their current form are written in it, as the document's
    // load wrote them into its records.
    const RecordTable& table = kept.table;
    for (const int record : kept.changedRecords) {
        Element element = change(kept, record);
        const int row = table.rowOf(record);
        if (table.kindOf(record) == RecordKind::Person) {
            element.setAttribute(kIdAttribute, table.personId(row).value_or(QString()));
        } else {
            element.setAttribute(kId1Attribute, table.relId(row, 0).value_or(QString()));
            element.setAttribute(kId2Attribute, table.relId(row, 1).value_or(QString()));
        }
    }
}

Element KeptEdits::change(const KeptRegister& kept, int record)
{
    if (const auto opened = opened_.find(record); opened != opened_.end())
        return opened->second->element();
    // Parsed before anything here changes: a record that cannot be read alone throws, and is
    // then still held as it was.
    auto opened = isAdded(record) ? std::make_unique<KeptRecord>(kept, addedBytes(record))
                                  : std::make_unique<KeptRecord>(kept, record);
    if (isAdded(record))
        addedBytes(record).clear();  // held open from now on
    return opened_.emplace(record, std::move(opened)).first->second->element();
}

PersonValue KeptEdits::readPerson(const KeptRegister& kept, int record) const
{
    if (const auto opened = opened_.find(record); opened != opened_.end())
        return ReadPersonValue(opened->second->element());
    // A record the run has not opened is what its bytes say: the file's, or those it was added
    // with.
    KeptRecord parsed(kept, isAdded(record) ? QByteArrayView(addedBytes(record))
                                            : FileBytesOf(kept, record));
    return ReadPersonValue(parsed.element());
}

void KeptEdits::placeAdded(int record, QByteArray bytes)
{
    // The table numbers records in the order they are added, so each goes at the end.
    if (record != firstAdded_ + static_cast<int>(added_.size()))
        throw std::logic_error("records are added in the table's order");
    added_.push_back(std::move(bytes));
}

void KeptEdits::addPerson(int record, const PersonValue& value)
{
    placeAdded(record, writer_.person(value));
}

void KeptEdits::addRel(int record, const QString& id1, const QString& id2, const QString& dir,
                       const QString& inv)
{
    placeAdded(record, writer_.rel(id1, id2, dir, inv));
}

void KeptEdits::remove(int record)
{
    if (isAdded(record)) {
        opened_.erase(record);
        addedBytes(record).clear();
        return;
    }
    removed_.insert(record);
}

KeptChanges KeptEdits::changes() const
{
    KeptChanges changes;
    for (const auto& [record, opened] : opened_) {
        if (!isAdded(record) && !removed_.contains(record))
            changes.records[record] = opened->bytes();
    }
    for (const int record : removed_)
        changes.records[record] = QByteArray();
    for (int record = firstAdded_; record < firstAdded_ + static_cast<int>(added_.size()); ++record) {
        if (const auto opened = opened_.find(record); opened != opened_.end())
            changes.appended.push_back(opened->second->bytes());
        else if (const QByteArray& bytes = addedBytes(record); !bytes.isEmpty())
            changes.appended.push_back(bytes);
    }
    return changes;
}

}  // namespace orvanel
