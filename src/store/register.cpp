#include "store/register.h"

#include "store/errors.h"
#include "store/kept_record.h"
#include "store/record_names.h"
#include "store/record_writing.h"
#include "store/storable_text.h"

#include <QDir>

#include <stdexcept>

namespace orvanel {

QString Register::dataPath() const
{
    return QDir(folder).filePath(QString::fromLatin1(kDataFileName));
}

QString Register::backupPath() const
{
    return QDir(folder).filePath(QString::fromLatin1(kBackupFileName));
}

PersonRef Register::findPerson(const QString& id) const
{
    const int person = kept_.table.findPerson(id);
    return person >= 0 ? PersonRef(person) : PersonRef();
}

PersonValue Register::readRecord(int record) const
{
    if (edits_)
        return edits_->readPerson(kept_, record);
    KeptRecord parsed(kept_, record);
    return ReadPersonValue(parsed.element());
}

PersonValue Register::readPerson(PersonRef person) const
{
    persons_.of(person);  // throws for a reference that names nobody
    return readRecord(kept_.table.recordOfPerson(person.place()));
}

StoredRelation Register::relationAt(int rel) const
{
    const RecordTable& table = kept_.table;
    return {table.relId(rel, 0), table.relId(rel, 1), table.relWord(rel, 0),
            table.relWord(rel, 1)};
}

std::vector<StoredRelation> Register::relationsOf(const QString& id) const
{
    std::vector<StoredRelation> out;
    for (const int rel : kept_.table.relationsOf(id))
        out.push_back(relationAt(rel));
    return out;
}

void Register::forEachRelation(const std::function<void(const StoredRelation&)>& visit) const
{
    const RecordTable& table = kept_.table;
    for (int rel = 0; rel < table.relCount(); ++rel) {
        if (!table.relRemoved(rel))
            visit(relationAt(rel));
    }
}

void Register::listFields(int person, const Element& record)
{
    RecordTable& table = kept_.table;
    QByteArray scratch;
    std::array<bool, kCachedFieldCount> seen{};
    for (Element child = record.firstChildElement(); child; child = child.nextSiblingElement()) {
        const std::optional<PersonField> field = FieldOfElement(child.localNameUtf8());
        if (!field)
            continue;
        const int slot = kCacheSlotOf[static_cast<size_t>(IndexOf(*field))];
        // Readers take the first child of a name.
        if (slot < 0 || seen[static_cast<size_t>(slot)])
            continue;
        seen[static_cast<size_t>(slot)] = true;
        table.setPersonText(person, *field, child.textUtf8(scratch));
    }
}

KeptEdits& Register::edits()
{
    // Only a load makes a register to change: one never loaded has no file to write back to.
    if (!edits_)
        throw std::logic_error("the register was changed before a file was loaded into it");
    return *edits_;
}

PersonRef Register::addPerson(const PersonValue& value)
{
    KeptEdits& edits = this->edits();
    RecordTable& table = kept_.table;
    const int record = table.appendRecord(RecordKind::Person);
    edits.addPerson(record, value);
    ++personCounter_;
    const int person = table.appendPerson(record);
    // The texts as the record holds them, every field written.
    table.setPersonId(person, StorableUtf8(value.id).view());
    for (const PersonFieldInfo& info : kPersonFields) {
        if (kCacheSlotOf[static_cast<size_t>(IndexOf(info.field))] >= 0)
            table.setPersonText(person, info.field, StorableUtf8(value.text(info.field)).view());
    }
    return PersonRef(person);
}

void Register::updatePerson(PersonRef person, const PersonValue& value)
{
    persons_.of(person);  // throws for a reference that names nobody
    const Element record = edits().change(kept_, kept_.table.recordOfPerson(person.place()));
    try {
        WritePersonFields(record, value);
    } catch (...) {
        // What was written before the missing child stays written, and listed as such.
        listFields(person.place(), record);
        throw;
    }
    listFields(person.place(), record);
}

void Register::deletePerson(const QString& id, const QString& dateModified)
{
    const PersonRef person = findPerson(id);
    if (!person)
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
    // Both children are looked for before the record is opened for writing: a record that cannot
    // be marked is left as the file has it, spelling and all.
    const PersonValue now = readPerson(person);
    for (const PersonField field : {PersonField::Status, PersonField::DateModified}) {
        if (!now.has(field))
            throw NodeNotFound(QString::fromLatin1(ElementOf(field)));
    }
    Element record = edits().change(kept_, kept_.table.recordOfPerson(person.place()));
    Element status = record.child(ElementOf(PersonField::Status));
    Element modified = record.child(ElementOf(PersonField::DateModified));

    removeRelationsOf(id);
    status.setText(QString::fromLatin1(kDeletedStatus));
    modified.setText(dateModified);
    AppendMissingOptionalFields(record);
    listFields(person.place(), record);
    markModified();
}

void Register::appendRelationship(const QString& id1, const QString& id2, const QString& dir,
                                  const QString& inv)
{
    KeptEdits& edits = this->edits();
    RecordTable& table = kept_.table;
    const int record = table.appendRecord(RecordKind::Rel);
    edits.addRel(record, id1, id2, dir, inv);
    ++relCounter_;
    table.appendRel(record, StorableUtf8(id1).view(), StorableUtf8(id2).view(),
                    StorableUtf8(dir).view(), StorableUtf8(inv).view());
}

int Register::removeRelationsOf(const QString& id)
{
    RecordTable& table = kept_.table;
    const std::vector<int> rels = table.relationsOf(id);
    for (const int rel : rels) {
        edits().remove(table.recordOfRel(rel));
        table.removeRel(rel);
    }
    relCounter_ -= static_cast<int>(rels.size());
    return static_cast<int>(rels.size());
}

void Register::markModified()
{
    modified_ = true;
}

void Register::adopt(KeptRegister kept)
{
    kept_ = std::move(kept);
    edits_ = std::make_unique<KeptEdits>(kept_);
    personCounter_ = kept_.table.personCount();
    relCounter_ = kept_.table.relCount();
    modified_ = false;
}

KeptChanges Register::changes() const
{
    return edits_ ? edits_->changes() : KeptChanges();
}

void Register::startLoad()
{
    kept_ = KeptRegister();
    edits_.reset();
    personCounter_ = 0;
    relCounter_ = 0;
    modified_ = false;
    idPrefix.clear();
    idCodePage = CodePage();
    loadedFile = DataFileIdentity();
    loadFailed_ = false;
}

void Register::refuseLoad()
{
    startLoad();
    loadFailed_ = true;
}

}  // namespace orvanel
