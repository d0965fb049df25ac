#include "store/kept_edits.h"

#include "store/record_names.h"

#include <vector>

namespace orvanel {

KeptEdits::KeptEdits(const KeptRegister& kept) : added_(ParseInFileContext(kept, {}))
{
    // Added records write their empty elements as the last record of the file does.
    const RecordTable& table = kept.table;
    if (table.fileRecordCount() > 0) {
        const RecordSpan last = table.spanOf(table.fileRecordCount() - 1);
        addedLong_ = WritesLongEmptyElements(
            QByteArrayView(kept.bytes).sliced(last.begin, last.end - last.begin),
            ByteFormOf(kept.bytes));
    }
    // Identifiers the load converted to their current form are written in it, as the document's
    // load wrote them into its records.
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
    if (const auto added = addedRecords_.find(record); added != addedRecords_.end())
        return added->second;
    auto& opened = opened_[record];
    if (!opened)
        opened = std::make_unique<KeptRecord>(kept, record);
    return opened->element();
}

std::optional<Element> KeptEdits::changed(int record) const
{
    if (const auto added = addedRecords_.find(record); added != addedRecords_.end())
        return added->second;
    if (const auto opened = opened_.find(record); opened != opened_.end())
        return opened->second->element();
    return std::nullopt;
}

Element KeptEdits::add(int record, const char* name)
{
    const Element element = added_.appendRootChild(name);
    addedRecords_[record] = element;
    return element;
}

void KeptEdits::remove(int record)
{
    if (const auto added = addedRecords_.find(record); added != addedRecords_.end()) {
        added_.removeRootChildren({added->second});
        addedRecords_.erase(added);
        return;
    }
    removed_.insert(record);
}

KeptChanges KeptEdits::changes() const
{
    KeptChanges changes;
    for (const auto& [record, opened] : opened_) {
        if (!removed_.contains(record))
            changes.records[record] = opened->bytes();
    }
    for (const int record : removed_)
        changes.records[record] = QByteArray();
    for (int i = 0; i < added_.rootCount(); ++i)
        changes.appended.push_back(added_.elementBytes(i, addedLong_));
    return changes;
}

}  // namespace orvanel
