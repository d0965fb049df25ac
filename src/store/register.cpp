#include "store/register.h"

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

Element Register::appendPerson()
{
    Element person = doc.appendRootChild(kPersonElement);
    ++personCounter_;
    return person;
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

void Register::resetCounts(int persons, int rels)
{
    personCounter_ = persons;
    relCounter_ = rels;
    modified_ = false;
}

void Register::startLoad()
{
    doc = Document();
    resetCounts(0, 0);
    idPrefix.clear();
    loadedFile = DataFileIdentity();
    loadFailed_ = false;
}

void Register::refuseLoad()
{
    startLoad();
    loadFailed_ = true;
}

}  // namespace orvanel
