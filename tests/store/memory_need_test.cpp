// The load refuses, before reading a byte, a register the system has no room for; it must never
// refuse one that would open.
#include "store/memory_need.h"

#include <gtest/gtest.h>

using namespace orvanel;

namespace {

constexpr qint64 kMiB = 1024 * 1024;
// The data file of a register of 100k persons.
constexpr qint64 kFile = 70 * kMiB;

bool Opens(qint64 memory, qint64 swap)
{
    return MemoryRefusal(kFile, FreeMemory{memory, swap}, QStringLiteral("zok.xml")).isEmpty();
}

}  // namespace

TEST(MemoryNeed, ARegisterOpensWhenMemoryAndSwapTogetherHoldWhatALoadTakes)
{
    const qint64 needed = MemoryNeededToLoad(kFile);
    // A load of 100k persons peaked at 1.76 times its file; the need must cover that and no more
    // than a little over it.
    EXPECT_GE(needed, kFile * 176 / 100);
    EXPECT_LE(needed, kFile * 2);
    EXPECT_TRUE(Opens(2 * kFile, 0));
    EXPECT_TRUE(Opens(needed, 0));
    EXPECT_FALSE(Opens(needed - 1, 0));
    EXPECT_TRUE(Opens(needed / 2, needed - needed / 2));
    EXPECT_TRUE(Opens(0, needed));
    EXPECT_FALSE(Opens(needed / 2, needed / 4));
    EXPECT_TRUE(MemoryRefusal(kFile, std::nullopt, QStringLiteral("zok.xml")).isEmpty());
}

TEST(MemoryNeed, TheRefusalNamesWhatIsNeededAndWhatIsFreeInMegabytes)
{
    const QString refusal =
        MemoryRefusal(kFile, FreeMemory{100 * kMiB + 5, 10 * kMiB}, QStringLiteral("zok.xml"));
    const QString needed = QString::number((MemoryNeededToLoad(kFile) + kMiB - 1) / kMiB);
    EXPECT_EQ(refusal, QStringLiteral("The register \"zok.xml\" needs about %1 MB of memory to "
                                      "open, but only 110 MB are free (100 MB of memory and 10 MB "
                                      "of swap space). Close other programs and start again, or "
                                      "open the register on a computer with more memory.")
                           .arg(needed));
}

TEST(MemoryNeed, FreeMemoryIsReadAsTheSystemWritesIt)
{
    const QByteArray meminfo = "MemTotal:       24683752 kB\n"
                               "MemFree:         1000000 kB\n"
                               "MemAvailable:   21701796 kB\n"
                               "SwapTotal:       2097148 kB\n"
                               "SwapFree:        2000000 kB\n";
    const std::optional<FreeMemory> free = FreeMemoryIn(meminfo);
    ASSERT_TRUE(free.has_value());
    EXPECT_EQ(free->memory, qint64{21701796} * 1024);
    EXPECT_EQ(free->swap, qint64{2000000} * 1024);

    const std::optional<FreeMemory> noSwap = FreeMemoryIn("MemAvailable: 1024 kB\n");
    ASSERT_TRUE(noSwap.has_value());
    EXPECT_EQ(noSwap->memory, 1024 * 1024);
    EXPECT_EQ(noSwap->swap, 0);

    // Nothing known of the memory: no refusal on a guess.
    EXPECT_FALSE(FreeMemoryIn("MemFree: 1000 kB\nSwapFree: 1000 kB\n").has_value());
    EXPECT_FALSE(FreeMemoryIn("MemAvailable: lots\n").has_value());
    EXPECT_FALSE(FreeMemoryIn("MemAvailable: 1000 MB\n").has_value());
    EXPECT_FALSE(FreeMemoryIn("").has_value());
}

TEST(MemoryNeed, ThisSystemTellsItsFreeMemory)
{
    const std::optional<FreeMemory> free = SystemFreeMemory();
    ASSERT_TRUE(free.has_value());
    EXPECT_GT(free->memory, 0);
    EXPECT_GE(free->swap, 0);
}
