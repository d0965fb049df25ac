#include "import/gedcom_families.h"

#include "import/gedcom_refusal.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace orvanel {

namespace {

struct Family {
    int line = 0;
    int partners = 0;  // partners the record names, found or not; "nobody" is none
    std::vector<std::size_t> parents;
    std::vector<std::size_t> children;
};

quint64 PairKey(std::size_t a, std::size_t b)
{
    return (static_cast<quint64>(a) << 32) | static_cast<quint64>(b);
}

quint64 UnorderedKey(std::size_t a, std::size_t b)
{
    return a < b ? PairKey(a, b) : PairKey(b, a);
}

void SortUnique(std::vector<std::size_t>& items)
{
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
}

class FamilyLinker {
public:
    FamilyLinker(const GedcomInput& file, const std::vector<int>& individualRecords,
                 ImportBatch& batch)
        : file_(file), placeOf_(static_cast<std::size_t>(file.lines.size()), -1), batch_(batch)
    {
        for (std::size_t person = 0; person < individualRecords.size(); ++person)
            placeOf_[static_cast<std::size_t>(individualRecords[person])] = static_cast<int>(person);
    }

    void readFamilies(const std::vector<int>& records)
    {
        families_.reserve(records.size());
        for (const int record : records) {
            Family family;
            family.line = file_.lines[record].line;
            file_.lines.forEachChild(record, [&](int index, const GedcomLine& part) {
                const bool partner = TagIs(part.tag, u"HUSB") || TagIs(part.tag, u"WIFE");
                if (!partner && !TagIs(part.tag, u"CHIL")) {
                    CountUnkept(part.tag, batch_);
                    return;
                }
                CountUnkeptChildren(file_, index, {}, batch_);
                if (partner && !IsVoidPointer(part.value))
                    ++family.partners;
                if (const std::optional<std::size_t> person = find(part.value))
                    (partner ? family.parents : family.children).push_back(*person);
            });
            placeOf_[static_cast<std::size_t>(record)] = static_cast<int>(families_.size());
            families_.push_back(std::move(family));
        }
    }

    // The persons' own pointers to their families: most files write both sides, some only one.
    void readPointers(const std::vector<GedcomIndividual>& individuals)
    {
        for (std::size_t person = 0; person < individuals.size(); ++person) {
            const GedcomIndividual& individual = individuals[person];
            for (const QStringView family : individual.childOf) {
                if (Family* found = familyAt(family))
                    found->children.push_back(person);
            }
            for (const QStringView family : individual.partnerIn) {
                if (Family* found = familyAt(family))
                    found->parents.push_back(person);
            }
            for (const QStringView other : individual.twinOf) {
                const std::optional<std::size_t> twin = find(other);
                if (twin && *twin != person)
                    twins_.insert(UnorderedKey(person, *twin));
                else if (twin)
                    ++batch_.lost(ImportLoss::OtherData);
            }
        }
    }

    void link()
    {
        std::vector<std::pair<std::size_t, std::size_t>> parentEdges;  // parent, child
        QSet<quint64> seenEdges;
        QSet<quint64> siblings;
        std::vector<quint64> siblingOrder;
        std::size_t pairsSeen = 0;
        for (Family& family : families_) {
            SortUnique(family.parents);
            SortUnique(family.children);
            if (family.children.size() > static_cast<std::size_t>(kMaxChildrenInFamily))
                //: %1 is a number of children.
                RefuseGedcomLine(family.line, QCoreApplication::translate(
                                                  "orvanel::Import", "a family of at most %1 children")
                                                  .arg(kMaxChildrenInFamily));
            if (family.children.empty() && family.partners >= 2)
                ++batch_.lost(ImportLoss::ChildlessPartnership);
            for (const std::size_t parent : family.parents) {
                for (const std::size_t child : family.children) {
                    countPair(pairsSeen, family.line);
                    if (parent == child)
                        ++batch_.lost(ImportLoss::AncestorCycle);
                    else if (!seenEdges.contains(PairKey(parent, child))) {
                        seenEdges.insert(PairKey(parent, child));
                        parentEdges.emplace_back(parent, child);
                    }
                }
            }
            for (std::size_t a = 0; a < family.children.size(); ++a) {
                for (std::size_t b = a + 1; b < family.children.size(); ++b) {
                    countPair(pairsSeen, family.line);
                    const quint64 key = UnorderedKey(family.children[a], family.children[b]);
                    if (!siblings.contains(key) && !twins_.contains(key)) {
                        siblings.insert(key);
                        siblingOrder.push_back(key);
                    }
                }
            }
        }
        addParentLinks(parentEdges);
        std::vector<quint64> twinOrder(twins_.begin(), twins_.end());
        std::sort(twinOrder.begin(), twinOrder.end());
        for (const quint64 key : twinOrder)
            batch_.links.push_back({key >> 32, key & 0xFFFFFFFFu, QStringLiteral("twin")});
        for (const quint64 key : siblingOrder)
            batch_.links.push_back({key >> 32, key & 0xFFFFFFFFu, QStringLiteral("sibling")});
    }

private:
    std::optional<std::size_t> find(QStringView pointer)
    {
        if (IsVoidPointer(pointer))
            return std::nullopt;  // "nobody", said on purpose
        const int record = file_.record(pointer, u"INDI");
        if (record < 0) {
            ++batch_.lost(ImportLoss::MissingRecord);
            return std::nullopt;
        }
        return static_cast<std::size_t>(placeOf_[static_cast<std::size_t>(record)]);
    }

    Family* familyAt(QStringView pointer)
    {
        const int record = file_.record(pointer, u"FAM");
        if (record < 0) {
            ++batch_.lost(ImportLoss::MissingRecord);
            return nullptr;
        }
        return &families_[static_cast<std::size_t>(placeOf_[static_cast<std::size_t>(record)])];
    }

    void countPair(std::size_t& pairsSeen, int line)
    {
        if (++pairsSeen > kMaxGedcomLinks)
            //: %1 is a number of relationships.
            RefuseGedcomLine(line, QCoreApplication::translate(
                                       "orvanel::Import", "at most %1 relationships in a file")
                                       .arg(kMaxGedcomLinks));
    }

    // Each child is "child" of each parent, except where the link would close a circle of
    // ancestors: a depth-first walk from every person, kept on a stack of its own (a file may
    // hold generations enough to overflow the call stack), drops every edge back to a person
    // still on the walk's path. What remains has no circle.
    void addParentLinks(const std::vector<std::pair<std::size_t, std::size_t>>& edges)
    {
        const std::size_t count = batch_.persons.size();
        std::vector<std::size_t> first(count + 1, 0);  // the edges of each parent, in one array
        for (const auto& [parent, child] : edges)
            ++first[parent + 1];
        for (std::size_t i = 0; i < count; ++i)
            first[i + 1] += first[i];
        std::vector<std::size_t> edgeOf(edges.size());
        std::vector<std::size_t> fill(first.begin(), first.end() - 1);
        for (std::size_t e = 0; e < edges.size(); ++e)
            edgeOf[fill[edges[e].first]++] = e;

        enum class Mark : unsigned char { New, OnPath, Done };
        std::vector<Mark> mark(count, Mark::New);
        std::vector<bool> kept(edges.size(), true);
        std::vector<std::pair<std::size_t, std::size_t>> path;  // person, next of their edges
        for (std::size_t start = 0; start < count; ++start) {
            if (mark[start] != Mark::New)
                continue;
            mark[start] = Mark::OnPath;
            path.emplace_back(start, first[start]);
            while (!path.empty()) {
                auto& [person, next] = path.back();
                if (next == first[person + 1]) {
                    mark[person] = Mark::Done;
                    path.pop_back();
                    continue;
                }
                const std::size_t e = edgeOf[next++];
                const std::size_t child = edges[e].second;
                if (mark[child] == Mark::OnPath) {
                    kept[e] = false;
                    ++batch_.lost(ImportLoss::AncestorCycle);
                } else if (mark[child] == Mark::New) {
                    mark[child] = Mark::OnPath;
                    path.emplace_back(child, first[child]);
                }
            }
        }
        for (std::size_t e = 0; e < edges.size(); ++e) {
            if (kept[e])
                batch_.links.push_back({edges[e].second, edges[e].first, QStringLiteral("child")});
        }
    }

    const GedcomInput& file_;
    // Each INDI record's place among the persons and each FAM record's among the families, by
    // the record's line; -1 for other lines.
    std::vector<int> placeOf_;
    ImportBatch& batch_;
    std::vector<Family> families_;
    QSet<quint64> twins_;
};

}  // namespace

void LinkFamilies(const GedcomInput& file, const std::vector<int>& familyRecords,
                  const std::vector<int>& individualRecords,
                  const std::vector<GedcomIndividual>& individuals, ImportBatch& batch)
{
    FamilyLinker linker(file, individualRecords, batch);
    linker.readFamilies(familyRecords);
    linker.readPointers(individuals);
    linker.link();
}

}  // namespace orvanel
