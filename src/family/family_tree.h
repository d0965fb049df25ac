#pragma once

#include "family/family_words.h"
#include "store/register.h"

#include <QDate>
#include <QString>
#include <vector>

namespace orvanel {

// One place in the family picture and the person who stands there. A person stands once in a
// generation however many relationships lead there, but may stand in two generations when the
// data say so (a person recorded as their own grandparent stands in both rows).
struct FamilyPerson {
    QString id;
    QString name;
    QString surname;
    QDate born;  // invalid when the record has no readable date of birth
    FamilySex sex = FamilySex::Unknown;
    FamilyRelation relation;
    int generation = 0;    // negative above the chosen person, positive below
    bool deleted = false;  // the record's Status is "Deleted": a relationship still names them
    bool missing = false;  // a relationship names this ID but no Person record has it
};

// A parent and their child, each by their place in Family::persons; always in neighbouring
// generations, the parent above.
struct FamilyLink {
    int parent = 0;
    int child = 0;
    bool operator==(const FamilyLink&) const = default;
};

// The chosen person's family as the relationships record it: the line of their ancestors and of
// their descendants `depth` generations each way, and their siblings and twins beside them.
struct Family {
    // Row by row from the top, each row in the order it hangs from the row nearer the chosen
    // person; the chosen person's own row is ordered by date of birth.
    std::vector<FamilyPerson> persons;
    std::vector<FamilyLink> links;
    int chosen = 0;  // the place of the chosen person in `persons`
    int depth = kMinFamilyDepth;
};

// The family of the person `chosenId`, `depth` generations up and down (held to 1..4), read
// from the register's index of relationships. Whatever the data hold, the work is bounded by
// the relationships of the persons shown: every generation is read once from the one before it,
// a person once per generation, so a cycle in the data only repeats a person a few rows on. A
// relationship naming an ID no record has gives a place marked missing, one with an empty ID
// names nobody. `today` reads two-digit years of birth.
Family ReadFamily(Register& reg, const QString& chosenId, int depth, QDate today);

// How many places each group of the family holds.
FamilyCounts CountFamily(const Family& family);

}  // namespace orvanel
