#include "store/register.h"

#include "store/errors.h"
#include "store/record_names.h"
#include "store/record_writing.h"

#include <QDir>

namespace orvanel {

QString Register::dataPath() const
{
    return QDir(folder).filePath(QString::fromLatin1(kDataFileName));
}

QString Register::backupPath() const
{
    return QDir(folder).filePath(QString::fromLatin1(kBackupFileName));
}

namespace {

StoredRelation StoredRelationOf(const Element& rel)
{
    return {rel.attribute(kId1Attribute), rel.attribute(kId2Attribute),
            rel.attribute(kDirAttribute), rel.attribute(kInvAttribute)};
}

}  // namespace

PersonRef Register::findPerson(const QString& id)
{
    const Element person = doc.findPerson(id);
    return person ? PersonRef(persons_.placeOf(person)) : PersonRef();
}

PersonValue Register::readPerson(PersonRef person) const
{
    return ReadPersonValue(persons_.of(person).element());
}

std::vector<StoredRelation> Register::relationsOf(const QString& id) const
{
    std::vector<StoredRelation> out;
    for (const Element& rel : relations_.of(id))
        out.push_back(StoredRelationOf(rel));
    return out;
}

void Register::forEachRelation(const std::function<void(const StoredRelation&)>& visit)
{
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element rel = doc.rootChild(i);
        if (rel.hasLocalName(kRelElement))
            visit(StoredRelationOf(rel));
    }
}

PersonRef Register::addPerson(const PersonValue& value)
{
    Element person = doc.appendRootChild(kPersonElement);
    ++personCounter_;
    WritePersonRecord(person, value);
    persons_.append(person);
    return PersonRef(persons_.size() - 1);
}

void Register::updatePerson(PersonRef ref, const PersonValue& value)
{
    Element person = persons_.of(ref).element();  // throws for a reference that names nobody
    try {
        WritePersonFields(person, value);
    } catch (...) {
        // What was written before the missing child stays written, and listed as such.
        persons_.refresh(person);
        throw;
    }
    persons_.refresh(person);
}

void Register::deletePerson(const QString& id, const QString& dateModified)
{
    const Element person = doc.findPerson(id);
    if (!person)
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
    Element status = person.child(ElementOf(PersonField::Status));
    Element modified = person.child(ElementOf(PersonField::DateModified));

    removeRelationsOf(id);
    status.setText(QString::fromLatin1(kDeletedStatus));
    modified.setText(dateModified);
    AppendMissingOptionalFields(person);
    persons_.refresh(person);
    markModified();
}

void Register::appendRelationship(const QString& id1, const QString& id2, const QString& dir,
                                  const QString& inv)
{
    Element rel = doc.appendRootChild(kRelElement);
    ++relCounter_;
    WriteRelRecord(rel, id1, id2, dir, inv);
    relations_.append(rel);
}

int Register::removeRelationsOf(const QString& id)
{
    const std::vector<Element> rels = relations_.of(id);
    // Out of the index while their IDs can still be read, then out of the document.
    relations_.forget(rels);
    doc.removeRootChildren(rels);
    relCounter_ -= static_cast<int>(rels.size());
    return static_cast<int>(rels.size());
}

void Register::markModified()
{
    modified_ = true;
}

void Register::resetCounts(int persons, int rels, PersonCache listed, RelationIndex related)
{
    personCounter_ = persons;
    relCounter_ = rels;
    modified_ = false;
    persons_ = std::move(listed);
    relations_ = std::move(related);
}

void Register::startLoad()
{
    doc = Document();
    resetCounts(0, 0);
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
