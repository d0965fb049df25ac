#include "family/family_layout.h"
#include "family/family_walk.h"

#include "family_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace orvanel {
namespace {

using namespace testing;

const FamilyMetrics kMetrics{100, 40, 10, 30};

// Whether the open segment from a to b (level or upright) passes through the inside of `box`.
bool CrossesBox(FamilyPoint a, FamilyPoint b, const FamilyBox& box)
{
    const double left = std::min(a.x, b.x), right = std::max(a.x, b.x);
    const double top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
    return left < box.x + box.width && right > box.x && top < box.y + box.height &&
           bottom > box.y;
}

// What every layout must keep, whatever the family: generations in rows from the top, no two
// boxes overlapping, each line from its parent's bottom edge to its child's top edge through no
// box, and no two parents' lines running along each other.
void ExpectSound(const Family& family, const FamilyLayout& layout)
{
    ASSERT_EQ(layout.boxes.size(), family.persons.size());
    for (size_t i = 0; i < layout.boxes.size(); ++i) {
        const FamilyBox& a = layout.boxes[i];
        EXPECT_EQ(a.id, family.persons[i].id);
        EXPECT_GE(a.x, 0);
        EXPECT_LE(a.x + a.width, layout.width + 1e-9);
        for (size_t j = i + 1; j < layout.boxes.size(); ++j) {
            const FamilyBox& b = layout.boxes[j];
            EXPECT_EQ(a.generation < b.generation, a.y < b.y);
            EXPECT_EQ(a.generation == b.generation, a.y == b.y);
            const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x ||
                               a.y + a.height <= b.y || b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << a.id.toStdString() << " overlaps " << b.id.toStdString();
        }
    }
    size_t inRows = 0;
    for (const std::vector<int>& row : layout.rows) {
        inRows += row.size();
        for (size_t i = 1; i < row.size(); ++i)
            EXPECT_LT(layout.boxes[static_cast<size_t>(row[i - 1])].x,
                      layout.boxes[static_cast<size_t>(row[i])].x);
    }
    EXPECT_EQ(inRows, layout.boxes.size());

    ASSERT_EQ(layout.lines.size(), family.links.size());
    std::set<std::pair<double, int>> levels;  // the level of each parent's lines
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const FamilyLine& line = layout.lines[i];
        EXPECT_EQ(line.parentBox, family.links[i].parent);
        EXPECT_EQ(line.childBox, family.links[i].child);
        const FamilyBox& parent = layout.boxes[static_cast<size_t>(line.parentBox)];
        const FamilyBox& child = layout.boxes[static_cast<size_t>(line.childBox)];
        ASSERT_GE(line.points.size(), 2u);
        const FamilyPoint first = line.points.front(), last = line.points.back();
        EXPECT_EQ(first.y, parent.y + parent.height);
        EXPECT_TRUE(first.x > parent.x && first.x < parent.x + parent.width);
        EXPECT_EQ(last.y, child.y);
        EXPECT_TRUE(last.x > child.x && last.x < child.x + child.width);
        for (size_t p = 1; p < line.points.size(); ++p) {
            const FamilyPoint a = line.points[p - 1], b = line.points[p];
            EXPECT_TRUE(a.x == b.x || a.y == b.y) << "a slanted segment";
            for (const FamilyBox& box : layout.boxes)
                EXPECT_FALSE(CrossesBox(a, b, box))
                    << "the line " << parent.id.toStdString() << ">" << child.id.toStdString()
                    << " crosses " << box.id.toStdString();
        }
        levels.insert({line.points[1].y, line.parentBox});
    }
    std::set<double> distinct;
    for (const auto& level : levels)
        EXPECT_TRUE(distinct.insert(level.first).second) << "two parents share a level";
}

class FamilyLayoutTest : public ::testing::Test {
protected:
    Family read(const QByteArray& records, const QString& chosen, int depth = 2)
    {
        ParseRecordsInto(reg, records);
        return ReadFamily(reg, chosen, depth, kFamilyToday);
    }

    int boxOf(const Family& family, const QString& id, int generation) const
    {
        for (size_t i = 0; i < family.persons.size(); ++i) {
            if (family.persons[i].id == id && family.persons[i].generation == generation)
                return static_cast<int>(i);
        }
        ADD_FAILURE() << id.toStdString() << " has no box in generation " << generation;
        return -1;
    }

    Register reg;
};

QByteArray GrandparentsToGrandchildren()
{
    return Member("gf1") + Member("gm1", "F") + Member("gf2") + Member("gm2", "F") +
           Member("dad") + Member("mum", "F") + Member("anna", "F", "1980/1/1") +
           Member("bro", "M", "1975/1/1") + Member("sis", "F", "1985/1/1") + Member("k1") +
           Member("k2") + Member("k3") + Member("g1") + ParentOf("gf1", "dad") +
           ParentOf("gm1", "dad") + ParentOf("gf2", "mum") + ParentOf("gm2", "mum") +
           ParentOf("dad", "anna") + ParentOf("mum", "anna") + ParentOf("dad", "bro") +
           Beside("anna", "bro") + Beside("anna", "sis") + ParentOf("anna", "k1") +
           ParentOf("anna", "k2") + ParentOf("anna", "k3") + ParentOf("k2", "g1");
}

TEST_F(FamilyLayoutTest, StandsParentsOverTheirChildrenWithoutOverlap)
{
    const Family family = read(GrandparentsToGrandchildren(), "anna");
    const FamilyLayout layout = LayoutFamily(family, kMetrics);
    ExpectSound(family, layout);
    auto centre = [&](const QString& id, int generation) {
        const FamilyBox& box = layout.boxes[static_cast<size_t>(boxOf(family, id, generation))];
        return box.x + box.width / 2;
    };
    // Anna's three children in a block centred under her, her grandchild under its parent.
    EXPECT_DOUBLE_EQ(centre("k2", 1), centre("anna", 0));
    EXPECT_LT(centre("k1", 1), centre("k2", 1));
    EXPECT_DOUBLE_EQ(centre("g1", 2), centre("k2", 1));
    // Each couple of grandparents over its own child, the father's on the left.
    EXPECT_DOUBLE_EQ((centre("gf1", -2) + centre("gm1", -2)) / 2, centre("dad", -1));
    EXPECT_DOUBLE_EQ((centre("gf2", -2) + centre("gm2", -2)) / 2, centre("mum", -1));
    EXPECT_LT(centre("gm1", -2), centre("gf2", -2));
    EXPECT_DOUBLE_EQ((centre("dad", -1) + centre("mum", -1)) / 2, centre("anna", 0));
    // The generations stand a box and a gap apart, from the top.
    EXPECT_EQ(layout.boxes[static_cast<size_t>(boxOf(family, "gf1", -2))].y, 0);
    EXPECT_EQ(layout.boxes[static_cast<size_t>(boxOf(family, "g1", 2))].y, 4 * (40 + 30));
    EXPECT_EQ(layout.height, 5 * 40 + 4 * 30);
}

TEST_F(FamilyLayoutTest, StaysSoundOnCyclesManyParentsAndManySiblings)
{
    QByteArray records = Member("kid") + Member("a") + Member("b") + ParentOf("a", "b") +
                         ParentOf("b", "a") + ParentOf("a", "kid") + ParentOf("kid", "a") +
                         ParentOf("ghost", "kid");
    for (int i = 0; i < 5; ++i)
        records += Member(QStringLiteral("p%1").arg(i)) +
                   ParentOf(QStringLiteral("p%1").arg(i), "kid") +
                   ParentOf(QStringLiteral("p%1").arg(i), QStringLiteral("s%1").arg(i * 7));
    for (int i = 0; i < 100; ++i)
        records +=
            Member(QStringLiteral("s%1").arg(i)) + Beside("kid", QStringLiteral("s%1").arg(i));
    for (int depth = 1; depth <= 4; ++depth) {
        SCOPED_TRACE(depth);
        const Family family = read(records, "kid", depth);
        ExpectSound(family, LayoutFamily(family, kMetrics));
    }
}

TEST_F(FamilyLayoutTest, LaysAThousandChildrenOutSideBySide)
{
    QByteArray records = Member("anna") + Member("dad");
    records += ParentOf("dad", "anna");
    for (int i = 0; i < 1000; ++i)
        records += ParentOf("anna", QStringLiteral("c%1").arg(i));
    const Family family = read(records, "anna", 1);
    const FamilyLayout layout = LayoutFamily(family, kMetrics);
    ASSERT_EQ(layout.rows.size(), 3u);
    EXPECT_EQ(layout.rows[2].size(), 1000u);
    // Side by side at the box and gap apart, so no two overlap, and under Anna's middle.
    for (size_t i = 1; i < 1000; ++i)
        EXPECT_DOUBLE_EQ(layout.boxes[static_cast<size_t>(layout.rows[2][i])].x -
                             layout.boxes[static_cast<size_t>(layout.rows[2][i - 1])].x,
                         110);
    EXPECT_DOUBLE_EQ(layout.width, 1000 * 110 - 10);
    const FamilyBox& anna = layout.boxes[static_cast<size_t>(family.chosen)];
    EXPECT_DOUBLE_EQ(anna.x + anna.width / 2, layout.width / 2);
}

TEST_F(FamilyLayoutTest, LeadsTheArrowKeysToParentsChildrenAndNeighbours)
{
    const Family family = read(GrandparentsToGrandchildren(), "anna");
    const FamilyLayout layout = LayoutFamily(family, kMetrics);
    const std::vector<FamilyNeighbours> walk = WalkNeighbours(layout);
    ASSERT_EQ(walk.size(), layout.boxes.size());
    auto box = [&](const char* id, int generation) { return boxOf(family, id, generation); };

    const FamilyNeighbours& anna = walk[static_cast<size_t>(box("anna", 0))];
    EXPECT_EQ(anna.left, box("bro", 0));
    EXPECT_EQ(anna.right, box("sis", 0));
    EXPECT_EQ(anna.down, box("k2", 1));  // the child straight below
    EXPECT_TRUE(anna.up == box("dad", -1) || anna.up == box("mum", -1));
    // Her brother's record names only the father; her sister's names no parent.
    EXPECT_EQ(walk[static_cast<size_t>(box("bro", 0))].up, box("dad", -1));
    EXPECT_EQ(walk[static_cast<size_t>(box("bro", 0))].left, -1);
    EXPECT_EQ(walk[static_cast<size_t>(box("sis", 0))],
              (FamilyNeighbours{-1, -1, box("anna", 0), -1}));
    EXPECT_EQ(walk[static_cast<size_t>(box("gf1", -2))].up, -1);
    EXPECT_EQ(walk[static_cast<size_t>(box("gf1", -2))].down, box("dad", -1));
    EXPECT_EQ(walk[static_cast<size_t>(box("k2", 1))].down, box("g1", 2));
    EXPECT_EQ(walk[static_cast<size_t>(box("k3", 1))].right, -1);
    // Every step leads back: right then left, and down then up along a single link.
    for (size_t i = 0; i < walk.size(); ++i) {
        if (walk[i].right >= 0) {
            EXPECT_EQ(walk[static_cast<size_t>(walk[i].right)].left, static_cast<int>(i));
        }
    }
    EXPECT_EQ(walk[static_cast<size_t>(box("g1", 2))].up, box("k2", 1));
}

}  // namespace
}  // namespace orvanel
