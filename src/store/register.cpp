#include "store/register.h"

#include "store/errors.h"
#include "store/record_names.h"

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

// Appends every field added after the twenty that the record lacks, empty, at its end: the
// record then holds every field the program knows, as one written today would.
void AppendMissingOptionalFields(Element person)
{
    for (const PersonFieldSpec& spec : kPersonFields) {
        if (!spec.required && !person.childOrNull(spec.element))
            person.appendChild(spec.element);
    }
}

}  // namespace

Element Register::addPerson(const PersonValue& value)
{
    Element person = doc.appendRootChild(kPersonElement);
    ++personCounter_;
    person.setAttribute(kIdAttribute, value.id);
    for (const PersonFieldSpec& spec : kPersonFields) {
        Element child = person.appendChild(spec.element);
        if (value.has(spec.field))
            child.setText(value.text(spec.field));
    }
    persons_.append(person);
    return person;
}

void Register::updatePerson(Element person, const PersonValue& value)
{
    if (!person)
        throw NodeNotFound(QString::fromLatin1(kPersonElement));
    persons_.of(person);  // throws for an element that is not a listed person
    try {
        for (const PersonFieldSpec& spec : kPersonFields) {
            if (!value.has(spec.field))
                continue;
            Element child = person.childOrNull(spec.element);
            if (!child && spec.required)
                throw NodeNotFound(QString::fromLatin1(spec.element));
            if (!child)
                child = person.appendChild(spec.element);
            child.setText(value.text(spec.field));
        }
        AppendMissingOptionalFields(person);
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

Element Register::appendRelationship()
{
    Element rel = doc.appendRootChild(kRelElement);
    ++relCounter_;
    return rel;
}

int Register::removeRelationsOf(const QString& id)
{
    int removed = 0;
    // Last to first, so that deleting a node leaves the indices still to visit in place.
    for (int i = doc.rootCount() - 1; i >= 0; --i) {
        const Element node = doc.rootChild(i);
        if (!node.hasLocalName(kRelElement))
            continue;
        if (node.attributeEquals(kId1Attribute, id) ||
            node.attributeEquals(kId2Attribute, id)) {
            doc.removeRootChild(i);
            --relCounter_;
            ++removed;
        }
    }
    return removed;
}

void Register::markModified()
{
    modified_ = true;
}

void Register::resetCounts(int persons, int rels, PersonCache listed)
{
    personCounter_ = persons;
    relCounter_ = rels;
    modified_ = false;
    persons_ = std::move(listed);
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
