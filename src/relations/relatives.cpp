#include "relations/relatives.h"

#include "relations/relationship_kind.h"
#include "store/lookup.h"
#include "store/record_names.h"

namespace orvanel {

namespace {

QString AttributeText(const Element& element, const char* name)
{
    return element.attribute(name).value_or(QString());
}

}  // namespace

std::optional<SeenRelation> ReadRelationFor(Element rel, const QString& personId)
{
    if (!rel.hasLocalName(kRelElement))
        return std::nullopt;
    // A record naming the person on both sides is read once, through Dir.
    if (rel.attributeEquals(kId1Attribute, personId))
        return SeenRelation{AttributeText(rel, kDirAttribute), AttributeText(rel, kId2Attribute)};
    if (rel.attributeEquals(kId2Attribute, personId))
        return SeenRelation{AttributeText(rel, kInvAttribute), AttributeText(rel, kId1Attribute)};
    return std::nullopt;
}

std::vector<RelativeRow> RelativesOf(Register& reg, const QString& personId)
{
    std::vector<RelativeRow> rows;
    const int count = reg.doc.rootCount();
    for (int i = 0; i < count; ++i) {
        const std::optional<SeenRelation> seen = ReadRelationFor(reg.doc.rootChild(i), personId);
        if (!seen)
            continue;
        RelativeRow row{seen->kind, seen->otherId, {}, {}, {}};
        // A damaged neighbour record must not keep the person's own dialog from opening: its
        // missing names are shown empty while the ID still says who it is.
        if (const Element other = FindPerson(reg, seen->otherId)) {
            const ListedPerson listed = reg.persons().of(other);
            row.name = listed.textOrEmpty(ListField::Name);
            row.middleName = listed.textOrEmpty(ListField::MiddleName);
            row.surname = listed.textOrEmpty(ListField::Surname);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void CommitRelatives(Register& reg, const QString& personId,
                     const std::vector<RelativeRow>& rowsInShownOrder)
{
    RemoveRelations(reg, personId);
    for (const RelativeRow& row : rowsInShownOrder) {
        Element rel = reg.appendRelationship();
        rel.setAttribute(kId1Attribute, personId);
        rel.setAttribute(kId2Attribute, row.otherId);
        rel.setAttribute(kDirAttribute, row.kind);
        rel.setAttribute(kInvAttribute, InverseKind(row.kind));
    }
}

}  // namespace orvanel
