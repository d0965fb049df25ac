#pragma once

#include "relations/relationship_kind.h"
#include "store/register.h"

#include <QString>
#include <optional>
#include <vector>

namespace orvanel {

// One line of a person's relatives list: this person is `kind` of `otherId`, with the other
// person's names copied when the row was made.
struct RelativeRow {
    QString kind;
    QString otherId;
    QString name;
    QString middleName;
    QString surname;
};

// A relationship record as one person sees it.
struct SeenRelation {
    QString kind;     // what the person is of the other one
    QString otherId;
};

// How a relationship reads for the person `personId`: (Dir, ID2) when the person is ID1, else
// (Inv, ID1) when the person is ID2, else nothing. IDs are compared exactly; the stored Inv is
// taken as it is. An absent Dir, Inv or other ID reads as empty text.
std::optional<SeenRelation> ReadRelationFor(const StoredRelation& rel, const QString& personId);

// The person's relatives in the document order of their Rel elements. A row whose other person
// has no Person element, or whose Person lacks a name child, shows empty text for those names.
std::vector<RelativeRow> RelativesOf(Register& reg, const QString& personId);

// The IDs of the persons of whom the person is `kind`, as its relatives list reads the records,
// in their document order: the kind "child" gives the person's parents, "parent" its children,
// "sibling" and "twin" its siblings and twins. A person named in two such records comes twice.
std::vector<QString> RelativesOfKind(const Register& reg, const QString& personId,
                                     const RelationshipKind& kind);

// Stores the rows as the person's relationships: every Rel naming the person is removed, then
// one Rel per row is appended, in the order given, with the person as ID1. The register counts
// each one; marking it modified is left to the caller.
void CommitRelatives(Register& reg, const QString& personId,
                     const std::vector<RelativeRow>& rowsInShownOrder);

}  // namespace orvanel
