#include "family/family_words.h"

#include <QCoreApplication>
#include <QStringList>

namespace orvanel {

namespace {

// One row per group: the generation it stands in, its words for a man, a woman and either, and
// how the summary counts it, for one person and for any other number (English has no other
// form). The count texts carry the number as %n, so that a translation gives each of its
// language's plural forms.
struct GroupWords {
    FamilyGroup group;
    int generation;
    const char* male;
    const char* female;
    const char* neither;
    const char* countOne;
    const char* countMany;
};

constexpr GroupWords kGroupWords[] = {
    // The summary does not count the chosen person.
    {FamilyGroup::Chosen, 0,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "chosen person"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "chosen person"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "chosen person"),
     nullptr, nullptr},
    {FamilyGroup::Parents, -1,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "father"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "mother"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "parent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n parent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n parents")},
    {FamilyGroup::Grandparents, -2,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "grandfather"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "grandmother"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "grandparent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n grandparent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n grandparents")},
    {FamilyGroup::GreatGrandparents, -3,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-grandfather"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-grandmother"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-grandparent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-grandparent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-grandparents")},
    {FamilyGroup::GreatGreatGrandparents, -4,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-great-grandfather"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-great-grandmother"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-great-grandparent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-great-grandparent"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-great-grandparents")},
    {FamilyGroup::Twins, 0,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "twin brother"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "twin sister"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "twin"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n twin"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n twins")},
    {FamilyGroup::Siblings, 0,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "brother"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "sister"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "sibling"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n sibling"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n siblings")},
    {FamilyGroup::Children, 1,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "son"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "daughter"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "child"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n child"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n children")},
    {FamilyGroup::Grandchildren, 2,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "grandson"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "granddaughter"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "grandchild"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n grandchild"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n grandchildren")},
    {FamilyGroup::GreatGrandchildren, 3,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-grandson"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-granddaughter"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-grandchild"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-grandchild"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-grandchildren")},
    {FamilyGroup::GreatGreatGrandchildren, 4,
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-great-grandson"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-great-granddaughter"),
     QT_TRANSLATE_NOOP("orvanel::FamilyWords", "great-great-grandchild"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-great-grandchild"),
     QT_TRANSLATE_N_NOOP("orvanel::FamilyWords", "%n great-great-grandchildren")},
};

static_assert(std::size(kGroupWords) == kFamilyGroupCount);
static_assert([] {
    for (int i = 0; i < kFamilyGroupCount; ++i) {
        if (static_cast<int>(kGroupWords[i].group) != i)
            return false;
    }
    return true;
}(), "the rows follow the order of FamilyGroup");

const GroupWords& WordsOf(FamilyGroup group)
{
    return kGroupWords[static_cast<int>(group)];
}

QString Translated(const char* text, int n = -1)
{
    return QCoreApplication::translate("orvanel::FamilyWords", text, nullptr, n);
}

}  // namespace

FamilyGroup LineGroup(int generation)
{
    // Twins and siblings share generation 0 with the chosen person; the line is the rest.
    for (const GroupWords& row : kGroupWords) {
        if (row.generation == generation && generation != 0)
            return row.group;
    }
    return FamilyGroup::Chosen;
}

int GenerationOf(FamilyGroup group)
{
    return WordsOf(group).generation;
}

QString RelationCaption(FamilyRelation relation)
{
    const GroupWords& row = WordsOf(relation.group);
    switch (relation.sex) {
    case FamilySex::Male:
        return Translated(row.male);
    case FamilySex::Female:
        return Translated(row.female);
    case FamilySex::Unknown:
        break;
    }
    return Translated(row.neither);
}

QString SummaryText(const FamilyCounts& counts)
{
    QStringList parts;
    for (const GroupWords& row : kGroupWords) {
        const int n = counts[static_cast<size_t>(row.group)];
        if (row.countOne == nullptr || n <= 0)
            continue;
        parts.append(Translated(n == 1 ? row.countOne : row.countMany, n));
    }
    //: Stands between the counts of the family picture's summary: "2 parents, 3 siblings".
    return parts.join(QCoreApplication::translate("orvanel::FamilyWords", ", "));
}

}  // namespace orvanel
