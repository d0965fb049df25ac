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
    for (const Element& rel : reg.relationsOf(personId)) {
        const std::optional<SeenRelation> seen = ReadRelationFor(rel, personId);
        if (!seen)
            continue;
        RelativeRow row{seen->kind, seen->otherId, {}, {}, {}};
        // A damaged neighbour record must not keep the person's own dialog from opening: its
        // missing names are shown empty while the ID still says who it is.
        if (const Element other = FindPerson(reg, seen->otherId)) {
            const ListedPerson listed = reg.persons().of(other);
            row.name = listed.textOrEmpty(PersonField::Name);
            row.middleName = listed.textOrEmpty(PersonField::MiddleName);
            row.surname = listed.textOrEmpty(PersonField::Surname);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<QString> RelativesOfKind(const Register& reg, const QString& personId,
                                     const RelationshipKind& kind)
{
    std::vector<QString> ids;
    const QLatin1StringView word(kind.word);
    for (const Element& rel : reg.relationsOf(personId)) {
        const std::optional<SeenRelation> seen = ReadRelationFor(rel, personId);
        if (seen && seen->kind == word)
            ids.push_back(seen->otherId);
    }
    return ids;
}

void CommitRelatives(Register& reg, const QString& personId,
                     const std::vector<RelativeRow>& rowsInShownOrder)
{
    RemoveRelations(reg, personId);
    for (const RelativeRow& row : rowsInShownOrder) {
        reg.appendRelationship(personId, row.otherId, row.kind, InverseKind(row.kind));
    }
}

}  // namespace orvanel
