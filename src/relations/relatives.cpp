#include "relations/relatives.h"

#include "relations/relationship_kind.h"
#include "store/lookup.h"

namespace orvanel {

std::optional<SeenRelation> ReadRelationFor(const StoredRelation& rel, const QString& personId)
{
    // A record naming the person on both sides is read once, through Dir.
    if (rel.id1 == personId)
        return SeenRelation{rel.dir.value_or(QString()), rel.id2.value_or(QString())};
    if (rel.id2 == personId)
        return SeenRelation{rel.inv.value_or(QString()), rel.id1.value_or(QString())};
    return std::nullopt;
}

std::vector<RelativeRow> RelativesOf(Register& reg, const QString& personId)
{
    std::vector<RelativeRow> rows;
    for (const StoredRelation& rel : reg.relationsOf(personId)) {
        const std::optional<SeenRelation> seen = ReadRelationFor(rel, personId);
        if (!seen)
            continue;
        RelativeRow row{seen->kind, seen->otherId, {}, {}, {}};
        // A damaged neighbour record must not keep the person's own dialog from opening: its
        // missing names are shown empty while the ID still says who it is.
        if (const PersonRef other = FindPerson(reg, seen->otherId)) {
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
    for (const StoredRelation& rel : reg.relationsOf(personId)) {
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
