#include "export/gedcom_families.h"

#include "store/record_names.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

namespace orvanel {

namespace {

enum class LinkForm { ParentOf, SiblingOf, TwinOf, Other };

// What a relationship word says about the two persons. The words are the register's.
LinkForm FormOf(const QString& kind, bool& reversed)
{
    reversed = false;
    if (kind == QLatin1String("parent"))
        return LinkForm::ParentOf;
    if (kind == QLatin1String("child")) {
        reversed = true;  // the other person is the parent
        return LinkForm::ParentOf;
    }
    if (kind == QLatin1String("sibling"))
        return LinkForm::SiblingOf;
    if (kind == QLatin1String("twin"))
        return LinkForm::TwinOf;
    return LinkForm::Other;
}

// One link, the same whichever side or record it was read from: the parent first for a parent
// link, the lesser ID first for siblings and twins. A word of no kind reads as another word from
// the other side ("error"), so such a pair counts once whatever its words.
using LinkKey = std::tuple<int, QString, QString>;

LinkKey KeyOf(LinkForm form, const QString& self, const QString& other, bool reversed)
{
    switch (form) {
    case LinkForm::ParentOf:
        return reversed ? LinkKey{0, other, self} : LinkKey{0, self, other};
    case LinkForm::SiblingOf:
    case LinkForm::TwinOf:
        return {form == LinkForm::TwinOf ? 2 : 1, std::min(self, other), std::max(self, other)};
    case LinkForm::Other:
        break;
    }
    return {3, std::min(self, other), std::max(self, other)};
}

class Sets {
public:
    explicit Sets(size_t count) : parent_(count) { std::iota(parent_.begin(), parent_.end(), 0); }
    size_t find(size_t x)
    {
        while (parent_[x] != x)
            x = parent_[x] = parent_[parent_[x]];
        return x;
    }
    void join(size_t a, size_t b) { parent_[find(a)] = find(b); }

private:
    std::vector<size_t> parent_;
};

bool IsSex(const QString& stored, const char* code)
{
    return stored.compare(QLatin1String(code), Qt::CaseInsensitive) == 0;
}

// Places up to two parents as HUSB and WIFE, by the rule written in the header.
GedcomFamily ParentsPlaced(const std::vector<ExportedPerson>& persons,
                           const std::vector<size_t>& parents)
{
    GedcomFamily family;
    std::vector<size_t> rest;
    for (const size_t parent : parents) {
        const QString& sex = persons[parent].value.text(PersonField::Sex);
        if (IsSex(sex, kMaleSex) && !family.husband)
            family.husband = parent;
        else if (IsSex(sex, kFemaleSex) && !family.wife)
            family.wife = parent;
        else
            rest.push_back(parent);
    }
    for (const size_t parent : rest)
        (family.husband ? family.wife : family.husband) = parent;
    return family;
}

}  // namespace

GedcomLinks GedcomFamilies(const std::vector<ExportedPerson>& persons)
{
    GedcomLinks links;
    links.twinsOf.resize(persons.size());
    QHash<QString, size_t> indexOf;
    for (size_t i = 0; i < persons.size(); ++i)
        indexOf.insert(persons[i].value.id, i);

    std::set<LinkKey> seen;
    std::vector<std::vector<size_t>> parentsOf(persons.size());
    std::vector<std::pair<size_t, size_t>> siblingLinks;
    for (size_t i = 0; i < persons.size(); ++i) {
        const QString& self = persons[i].value.id;
        for (const ExportedRelation& relation : persons[i].relations) {
            bool reversed = false;
            const LinkForm form = FormOf(relation.kind, reversed);
            if (!seen.insert(KeyOf(form, self, relation.otherId, reversed)).second)
                continue;
            const auto other = indexOf.constFind(relation.otherId);
            if (form == LinkForm::Other || relation.otherId == self) {
                ++links.report.relationsUnwritable;
                continue;
            }
            if (other == indexOf.constEnd()) {
                ++links.report.relationsLeftOut;
                continue;
            }
            if (form == LinkForm::ParentOf) {
                const size_t parent = reversed ? *other : i;
                const size_t child = reversed ? i : *other;
                parentsOf[child].push_back(parent);
            } else {
                siblingLinks.emplace_back(i, *other);
                if (form == LinkForm::TwinOf) {
                    links.twinsOf[i].push_back(*other);
                    links.twinsOf[*other].push_back(i);
                }
            }
        }
    }

    // Parent families, keyed by the set of parents, in the order their first child comes.
    std::map<std::vector<size_t>, std::vector<size_t>> familiesOfParents;
    std::vector<std::vector<size_t>> keyOf(persons.size());
    for (size_t child = 0; child < persons.size(); ++child) {
        const std::vector<size_t>& parents = parentsOf[child];
        if (parents.empty())
            continue;
        std::vector<size_t> key = parents;
        std::sort(key.begin(), key.end());
        keyOf[child] = key;
        auto [found, fresh] = familiesOfParents.try_emplace(key);
        if (fresh) {
            const size_t pair = std::min<size_t>(parents.size(), 2);
            found->second.push_back(links.families.size());
            links.families.push_back(ParentsPlaced(
                persons, std::vector<size_t>(parents.begin(), parents.begin() + pair)));
            for (size_t extra = pair; extra < parents.size(); ++extra) {
                found->second.push_back(links.families.size());
                links.families.push_back(ParentsPlaced(persons, {parents[extra]}));
            }
        }
        if (parents.size() > 2)
            links.report.parentsInFamiliesOfTheirOwn += static_cast<int>(parents.size() - 2);
        for (const size_t family : found->second)
            links.families[family].children.push_back(child);
    }

    // Siblings that no parent family already holds together.
    Sets together(persons.size());
    std::vector<bool> inSiblingFamily(persons.size(), false);
    for (const auto& [a, b] : siblingLinks) {
        if (!keyOf[a].empty() && keyOf[a] == keyOf[b])
            continue;
        together.join(a, b);
        inSiblingFamily[a] = inSiblingFamily[b] = true;
    }
    std::vector<std::optional<size_t>> familyOfSet(persons.size());
    for (size_t person = 0; person < persons.size(); ++person) {
        if (!inSiblingFamily[person])
            continue;
        std::optional<size_t>& family = familyOfSet[together.find(person)];
        if (!family) {
            family = links.families.size();
            links.families.emplace_back();
        }
        links.families[*family].children.push_back(person);
    }
    return links;
}

}  // namespace orvanel
