#include "store/memory_need.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(MemoryNeed, RefusesOnlyARegisterThatCannotFitAndSaysHowMuchItNeeds)
{
    constexpr qint64 kMiB = 1024 * 1024;
    const qint64 file = 70 * kMiB;
    const qint64 needed = MemoryNeededToLoad(file);
    EXPECT_GT(needed, 10 * file);  // the document tree is many times the text
    EXPECT_EQ(MemoryRefusal(file, needed, QStringLiteral("zok.xml")), QString());
    EXPECT_EQ(MemoryRefusal(file, std::nullopt, QStringLiteral("zok.xml")), QString());

    const QString refusal = MemoryRefusal(file, 512 * kMiB, QStringLiteral("zok.xml"));
    EXPECT_TRUE(refusal.contains(QStringLiteral("\"zok.xml\""))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QString::number((needed + kMiB - 1) / kMiB))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral(" 512 "))) << refusal.toStdString();
}

TEST(MemoryNeed, ThisSystemTellsItsAvailableMemory)
{
    const std::optional<qint64> available = AvailableMemory();
    ASSERT_TRUE(available.has_value());
    EXPECT_GT(*available, 0);
}
