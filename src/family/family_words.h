#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>

// How the family picture names a person's place: the groups a place belongs to (parents,
// siblings, grandchildren...) and, within a group, the word for a man, a woman or either. Every
// such word is in the one table of family_words.cpp; the picture and its summary keep values
// and ask here for the words, translated in the context "orvanel::FamilyWords".

namespace orvanel {

// The places around the chosen person. The order is the order the summary names them in.
enum class FamilyGroup : std::uint8_t {
    Chosen,
    Parents,
    Grandparents,
    GreatGrandparents,
    GreatGreatGrandparents,
    Twins,
    Siblings,
    Children,
    Grandchildren,
    GreatGrandchildren,
    GreatGreatGrandchildren,
};
inline constexpr int kFamilyGroupCount = 11;

// What the stored Sex says: "M", "F", or anything else (empty, damaged), which is neither.
enum class FamilySex : std::uint8_t { Male, Female, Unknown };

// A person's relation to the chosen person, as the picture places them: "mother" is a woman in
// the group of parents.
struct FamilyRelation {
    FamilyGroup group = FamilyGroup::Chosen;
    FamilySex sex = FamilySex::Unknown;
    bool operator==(const FamilyRelation&) const = default;
};

// The generations the picture reaches up and down from the chosen person.
inline constexpr int kMinFamilyDepth = 1;
inline constexpr int kMaxFamilyDepth = 4;

// The group of the line of ancestors (negative) or descendants (positive) `generation` steps away;
// Chosen for 0 and for a step beyond kMaxFamilyDepth.
FamilyGroup LineGroup(int generation);
// The generation of a group: negative above the chosen person, 0 for the chosen person's own row.
int GenerationOf(FamilyGroup group);

// "mother", "grandfather", "twin sister", "child"... in the user's language.
QString RelationCaption(FamilyRelation relation);

// How many persons each group holds, in the order of FamilyGroup.
using FamilyCounts = std::array<int, kFamilyGroupCount>;

// "2 parents, 3 siblings, 4 children" in the user's language: every group that holds someone,
// the chosen person left out, in the order of FamilyGroup; empty text when there is nobody.
QString SummaryText(const FamilyCounts& counts);

}  // namespace orvanel
