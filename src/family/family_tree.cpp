#include "family/family_tree.h"

#include "relations/relationship_kind.h"
#include "relations/relatives.h"
#include "store/errors.h"
#include "store/file_date.h"
#include "store/lookup.h"
#include "store/record_names.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>

namespace orvanel {

namespace {

const RelationshipKind& KindNamed(const char* word)
{
    const RelationshipKind* kind = FindKind(QLatin1String(word));
    Q_ASSERT(kind != nullptr);
    return *kind;
}

// The persons of whom `id` is child: its parents. The kinds are read from the person's own side,
// as the relatives list reads them.
std::vector<QString> ParentsOf(const Register& reg, const QString& id)
{
    return RelativesOfKind(reg, id, KindNamed("child"));
}

std::vector<QString> ChildrenOf(const Register& reg, const QString& id)
{
    return RelativesOfKind(reg, id, KindNamed("parent"));
}

FamilySex SexOf(const QString& stored)
{
    if (stored == QLatin1String("M"))
        return FamilySex::Male;
    if (stored == QLatin1String("F"))
        return FamilySex::Female;
    return FamilySex::Unknown;
}

// The picture shows what it can of a record: a date it cannot read is no date.
QDate BirthDate(const QString& text, QDate today)
{
    if (text.isEmpty())
        return {};
    try {
        return ParseFileDate(text, today);
    } catch (const InvalidDate&) {
        return {};
    }
}

// The places of the family as they are found, generation by generation.
class FamilyBuilder {
public:
    FamilyBuilder(Register& reg, QDate today) : reg_(reg), today_(today) {}

    // The place of `id` in `generation`, made when it is the first there.
    int place(const QString& id, int generation, FamilyGroup group)
    {
        QHash<QString, int>& row = rows_[generation];
        if (const auto found = row.constFind(id); found != row.cend())
            return found.value();
        const int at = static_cast<int>(persons_.size());
        row.insert(id, at);
        persons_.push_back(read(id, generation, group));
        return at;
    }

    int placeIn(const QString& id, int generation) const
    {
        const auto row = rows_.find(generation);
        return row == rows_.end() ? -1 : row->second.value(id, -1);
    }

    const FamilyPerson& person(int at) const { return persons_[static_cast<size_t>(at)]; }
    const std::vector<FamilyPerson>& persons() const { return persons_; }

    void link(int parent, int child)
    {
        if (linked_.contains({parent, child}))
            return;
        linked_.insert({parent, child});
        links_.push_back({parent, child});
    }

    Family finish(int chosen, int depth, const std::vector<int>& ownRow);

private:
    FamilyPerson read(const QString& id, int generation, FamilyGroup group)
    {
        FamilyPerson person;
        person.id = id;
        person.generation = generation;
        const PersonRef record = FindPerson(reg_, id);
        if (!record) {
            person.missing = true;
        } else {
            const ListedPerson listed = reg_.persons().of(record);
            person.name = listed.textOrEmpty(PersonField::Name);
            person.surname = listed.textOrEmpty(PersonField::Surname);
            person.sex = SexOf(listed.textOrEmpty(PersonField::Sex));
            person.born = BirthDate(listed.textOrEmpty(PersonField::DateOfBirth), today_);
            person.deleted =
                listed.textOrEmpty(PersonField::Status) == QLatin1String(kDeletedStatus);
        }
        person.relation = {group, person.sex};
        return person;
    }

    Register& reg_;
    QDate today_;
    std::vector<FamilyPerson> persons_;
    std::map<int, QHash<QString, int>> rows_;  // by generation: the place of each ID there
    std::vector<FamilyLink> links_;
    QSet<QPair<int, int>> linked_;
};

Family FamilyBuilder::finish(int chosen, int depth, const std::vector<int>& ownRow)
{
    // Rows from the top; each row keeps the order its places were found in, except the chosen
    // person's own, which comes ordered.
    std::vector<int> order;
    order.reserve(persons_.size());
    for (const auto& [generation, row] : rows_) {
        if (generation == 0) {
            order.insert(order.end(), ownRow.begin(), ownRow.end());
            continue;
        }
        const size_t first = order.size();
        for (const int at : row)
            order.push_back(at);
        std::sort(order.begin() + static_cast<std::ptrdiff_t>(first), order.end());
    }
    std::vector<int> newPlace(persons_.size());
    for (size_t i = 0; i < order.size(); ++i)
        newPlace[static_cast<size_t>(order[i])] = static_cast<int>(i);

    Family family;
    family.depth = depth;
    family.chosen = newPlace[static_cast<size_t>(chosen)];
    family.persons.reserve(persons_.size());
    for (const int at : order)
        family.persons.push_back(std::move(persons_[static_cast<size_t>(at)]));
    family.links.reserve(links_.size());
    for (const FamilyLink& link : links_)
        family.links.push_back({newPlace[static_cast<size_t>(link.parent)],
                                newPlace[static_cast<size_t>(link.child)]});
    return family;
}

// The chosen person's row: siblings born before them on their left, the others on their right,
// each side by date of birth; those without a date stay in the order found, after the dated.
std::vector<int> OwnRow(const std::vector<FamilyPerson>& persons, int chosen,
                        const std::vector<int>& beside)
{
    auto earlier = [&](int a, int b) {
        const QDate& da = persons[static_cast<size_t>(a)].born;
        const QDate& db = persons[static_cast<size_t>(b)].born;
        if (da.isValid() != db.isValid())
            return da.isValid();
        return da.isValid() && da < db;
    };
    std::vector<int> row = beside;
    std::stable_sort(row.begin(), row.end(), earlier);
    // Without a date of their own the chosen person stands in the middle of the row.
    const auto split = persons[static_cast<size_t>(chosen)].born.isValid()
                           ? std::partition_point(row.begin(), row.end(),
                                                  [&](int s) { return earlier(s, chosen); })
                           : row.begin() + static_cast<std::ptrdiff_t>(row.size() / 2);
    row.insert(split, chosen);
    return row;
}

}  // namespace

Family ReadFamily(Register& reg, const QString& chosenId, int depth, QDate today)
{
    depth = std::clamp(depth, kMinFamilyDepth, kMaxFamilyDepth);
    FamilyBuilder builder(reg, today);
    const int chosen = builder.place(chosenId, 0, FamilyGroup::Chosen);

    // Twins first, so that a person recorded both as twin and as sibling is marked a twin.
    const struct {
        const char* kind;
        FamilyGroup group;
    } besideKinds[] = {{"twin", FamilyGroup::Twins}, {"sibling", FamilyGroup::Siblings}};
    std::vector<int> beside;
    for (const auto& [kind, group] : besideKinds) {
        for (const QString& id : RelativesOfKind(reg, chosenId, KindNamed(kind))) {
            if (id.isEmpty() || builder.placeIn(id, 0) >= 0)
                continue;
            beside.push_back(builder.place(id, 0, group));
        }
    }

    // Each generation from the one before it: the line of ancestors up, of descendants down.
    for (const int step : {-1, 1}) {
        std::vector<int> from{chosen};
        for (int distance = 1; distance <= depth && !from.empty(); ++distance) {
            const int generation = step * distance;
            const FamilyGroup group = LineGroup(generation);
            std::vector<int> next;
            for (const int at : from) {
                const QString id = builder.person(at).id;
                for (const QString& other : step < 0 ? ParentsOf(reg, id) : ChildrenOf(reg, id)) {
                    if (other.isEmpty())
                        continue;
                    const bool fresh = builder.placeIn(other, generation) < 0;
                    const int found = builder.place(other, generation, group);
                    if (fresh)
                        next.push_back(found);
                    if (step < 0)
                        builder.link(found, at);
                    else
                        builder.link(at, found);
                }
            }
            from = std::move(next);
        }
    }
    // The parents shown are the chosen person's; a sibling hangs from those of them the
    // sibling's own records name.
    for (const int sibling : beside) {
        for (const QString& parent : ParentsOf(reg, builder.person(sibling).id)) {
            if (const int found = builder.placeIn(parent, -1); found >= 0)
                builder.link(found, sibling);
        }
    }
    return builder.finish(chosen, depth, OwnRow(builder.persons(), chosen, beside));
}

FamilyCounts CountFamily(const Family& family)
{
    FamilyCounts counts{};
    for (const FamilyPerson& person : family.persons)
        ++counts[static_cast<size_t>(person.relation.group)];
    return counts;
}

}  // namespace orvanel
