#include "store/kept_edits.h"

#include "store/record_names.h"
#include "store/record_writing.h"

#include <vector>

namespace orvanel {

KeptEdits::KeptEdits(const KeptRegister& kept) : added_(ParseInFileContext(kept, {}))
{
    // Added records write their empty elements as the last record of the file does.
    const RecordTable& table = kept.table;
    if (table.recordCount() > 0) {
        const RecordSpan last = table.spanOf(table.recordCount() - 1);
        addedLong_ = WritesLongEmptyElements(
            QByteArrayView(kept.bytes).sliced(last.begin, last.end - last.begin),
            ByteFormOf(kept.bytes));
    }
    // Identifiers the load converted to their current form are written in it, as the document's
    // load writes them into its records.
    for (const int record : kept.changedRecords) {
        Element element = open(kept, record);
        const int row = table.rowOf(record);
        if (table.kindOf(record) == RecordKind::Person) {
            element.setAttribute(kIdAttribute, table.personId(row).value_or(QString()));
        } else {
            element.setAttribute(kId1Attribute, table.relId(row, 0).value_or(QString()));
            element.setAttribute(kId2Attribute, table.relId(row, 1).value_or(QString()));
        }
    }
}

Element KeptEdits::open(const KeptRegister& kept, int record)
{
    auto& opened = opened_[record];
    if (!opened)
        opened = std::make_unique<KeptRecord>(kept, record);
    return opened->element();
}

void KeptEdits::updatePerson(const KeptRegister& kept, int person, const PersonValue& value)
{
    WritePersonFields(open(kept, kept.table.recordOfPerson(person)), value);
}

void KeptEdits::addPerson(const PersonValue& value)
{
    WritePersonRecord(added_.appendRootChild(kPersonElement), value);
}

void KeptEdits::appendRelationship(const QString& id1, const QString& id2, const QString& dir,
                                   const QString& inv)
{
    WriteRelRecord(added_.appendRootChild(kRelElement), id1, id2, dir, inv);
}

int KeptEdits::removeRelationsOf(const KeptRegister& kept, const QString& id)
{
    int removed = 0;
    for (const int rel : kept.table.relationsOf(id)) {
        if (removed_.insert(kept.table.recordOfRel(rel)).second)
            ++removed;
    }
    std::vector<Element> gone;
    for (int i = 0; i < added_.rootCount(); ++i) {
        const Element rel = added_.rootChild(i);
        if (rel.hasLocalName(kRelElement) &&
            (rel.attributeEquals(kId1Attribute, id) || rel.attributeEquals(kId2Attribute, id)))
            gone.push_back(rel);
    }
    added_.removeRootChildren(gone);
    return removed + static_cast<int>(gone.size());
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
