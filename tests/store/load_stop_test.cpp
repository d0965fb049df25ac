// A load that its LoadProgress stops: told apart from a refusal, and nothing of it kept.
#include "store/load.h"

#include "support/loaded_register.h"
#include "support/register_records.h"

#include <QDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace orvanel::testing {
namespace {

// Enough persons that the parser is fed the file in many pieces.
QByteArray ManyPieces()
{
    RegisterXml xml;
    // Enough for many of the pieces the load reports, one per 64 KiB read.
    for (int n = 1; n <= 2000; ++n)
        xml.person(Id(n), QStringLiteral("Anna"), QStringLiteral("Marija"),
                   QStringLiteral("Ozola"));
    // In the old form: an accepted load converts it and counts as a change.
    xml.person(QStringLiteral("AB2001"), QStringLiteral("Zane"), QString(),
               QStringLiteral("Liepa"));
    xml.rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"));
    return xml.bytes();
}

// Notes every report, and stops the load at the report numbered `stopAt` (never when -1).
struct StoppingProgress final : LoadProgress {
    explicit StoppingProgress(int stopAt) : stopAt(stopAt) {}
    bool goOn(qint64 done, qint64 total) noexcept override
    {
        reports.push_back({done, total});
        return static_cast<int>(reports.size()) - 1 != stopAt;
    }
    int stopAt;
    std::vector<std::pair<qint64, qint64>> reports;
};

struct LoadStopTest : ::testing::Test {
    LoadReport load(LoadProgress& progress)
    {
        reg.folder = r.folder.path();
        return LoadRegister(reg, r.clock, &progress);
    }
    LoadedRegister r;
    Register reg;
};

TEST_F(LoadStopTest, AFullLoadReportsEveryPieceUpToTheWholeFile)
{
    r.writeDataFile(ManyPieces());
    StoppingProgress progress(-1);
    const LoadReport report = load(progress);
    ASSERT_TRUE(Accepted(report));
    EXPECT_FALSE(report.stopped);
    const qint64 size = r.fileBytes().size();
    ASSERT_GT(progress.reports.size(), 10u);
    EXPECT_EQ(progress.reports.front(), std::make_pair(qint64{0}, size));
    EXPECT_EQ(progress.reports.back(), std::make_pair(size, size));
    for (size_t i = 1; i < progress.reports.size(); ++i)
        EXPECT_GE(progress.reports[i].first, progress.reports[i - 1].first);
    EXPECT_EQ(reg.personCounter(), 2001);
    EXPECT_TRUE(reg.modified());
}

// Stopped in the middle of the parse, or after the last piece while the records are settled:
// either way no register, no message, and the file as it was.
TEST_F(LoadStopTest, AStoppedLoadIsNoRefusalAndKeepsNothing)
{
    const QByteArray bytes = ManyPieces();
    r.writeDataFile(bytes);
    StoppingProgress counting(-1);
    ASSERT_TRUE(Accepted(load(counting)));
    const int last = static_cast<int>(counting.reports.size()) - 1;
    for (const int stopAt : {0, 5, last}) {
        StoppingProgress progress(stopAt);
        const LoadReport report = load(progress);
        EXPECT_TRUE(report.stopped) << stopAt;
        EXPECT_FALSE(report.refused()) << stopAt;
        EXPECT_TRUE(report.conversions.empty());
        EXPECT_EQ(static_cast<int>(progress.reports.size()), stopAt + 1);
        EXPECT_TRUE(reg.loadFailed());
        EXPECT_TRUE(!reg.loaded());
        EXPECT_EQ(reg.personCounter(), 0);
        EXPECT_FALSE(reg.modified());
    }
    EXPECT_EQ(r.fileBytes(), bytes);
    EXPECT_EQ(QDir(r.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("zok.xml")});
}

}  // namespace
}  // namespace orvanel::testing
