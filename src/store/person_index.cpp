#include "store/document.h"

#include "store/record_names.h"
#include "store/xml_node.h"

#include <QByteArrayView>
#include <QHashFunctions>
#include <algorithm>
#include <cstring>
#include <libxml/tree.h>

namespace orvanel {

namespace {

unsigned IdHash(QByteArrayView utf8)
{
    return static_cast<unsigned>(qHash(utf8, 0));
}

}  // namespace

Element Document::findPerson(const QString& id)
{
    ensurePersonIndex();
    if (personIndex_.empty())
        return Element();
    const unsigned hash = IdHash(id.toUtf8());
    const size_t mask = personIndex_.size() - 1;
    for (size_t slot = hash & mask; personIndex_[slot].node; slot = (slot + 1) & mask) {
        const PersonSlot& held = personIndex_[slot];
        if (held.hash == hash && Element(held.node, this).attributeEquals(kIdAttribute, id))
            return Element(held.node, this);
    }
    return Element();
}

bool Document::indexPerson(xmlNode* person)
{
    const xmlAttr* attr = PlainAttribute(person, kIdAttribute);
    if (attr == nullptr)
        return true;
    QByteArray joined;
    const QByteArrayView id = AttributeUtf8(attr, joined);
    const unsigned hash = IdHash(id);
    const size_t mask = personIndex_.size() - 1;
    size_t slot = hash & mask;
    for (; personIndex_[slot].node; slot = (slot + 1) & mask) {
        const PersonSlot& held = personIndex_[slot];
        QByteArray heldJoined;
        if (held.hash == hash &&
            AttributeUtf8(PlainAttribute(held.node, kIdAttribute), heldJoined) == id)
            return false;  // the first of equal IDs wins
    }
    personIndex_[slot] = {hash, person};
    ++personIndexCount_;
    return true;
}

void Document::ensurePersonIndex()
{
    if (personIndexValid_)
        return;
    size_t persons = 0;
    for (xmlNode* node : rootNodes_)
        persons += std::strcmp(LocalNameOf(node), kPersonElement) == 0 ? 1 : 0;
    // At most half full, with room for the persons added later in this run.
    size_t size = 16;
    while (size < 2 * persons + 64)
        size *= 2;
    personIndex_.assign(size, PersonSlot{});
    personIndexCount_ = 0;
    for (xmlNode* node : rootNodes_) {
        if (std::strcmp(LocalNameOf(node), kPersonElement) == 0)
            indexPerson(node);
    }
    personIndexValid_ = true;
}

void Document::noteIdChanged(xmlNode* element, bool hadId)
{
    if (!personIndexValid_)
        return;
    // A person just appended keeps the index exact cheaply; any other change rebuilds it later.
    const bool lastRootPerson = !rootNodes_.empty() && rootNodes_.back() == element &&
                                std::strcmp(LocalNameOf(element), kPersonElement) == 0;
    // Only an element that held an ID can be in the index: the search of the whole index is
    // left to that rare case, as it made every person appended cost a walk over all of them
    // (an import of 100k persons into 100k took 30 s; bench_person_logic has the figure).
    const bool indexed =
        hadId && std::any_of(personIndex_.cbegin(), personIndex_.cend(),
                             [element](const PersonSlot& s) { return s.node == element; });
    if (!lastRootPerson || indexed || 2 * (personIndexCount_ + 1) > personIndex_.size() ||
        !indexPerson(element))
        personIndexValid_ = false;
}

}  // namespace orvanel
