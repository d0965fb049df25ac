#include "family/family_history.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

TEST(FamilyHistory, BackAndForwardRetraceAndANewStepDropsTheStepsAhead)
{
    FamilyHistory walk;
    walk.start(QStringLiteral("a"));
    EXPECT_FALSE(walk.canGoBack());
    EXPECT_EQ(walk.back(), QStringLiteral("a"));
    walk.visit(QStringLiteral("b"));
    walk.visit(QStringLiteral("b"));  // the same person twice is one step
    walk.visit(QStringLiteral("c"));
    EXPECT_EQ(walk.back(), QStringLiteral("b"));
    EXPECT_EQ(walk.back(), QStringLiteral("a"));
    EXPECT_FALSE(walk.canGoBack());
    EXPECT_EQ(walk.forward(), QStringLiteral("b"));
    walk.visit(QStringLiteral("d"));
    EXPECT_FALSE(walk.canGoForward());
    EXPECT_EQ(walk.back(), QStringLiteral("b"));
    EXPECT_EQ(walk.back(), QStringLiteral("a"));
    walk.start(QStringLiteral("z"));
    EXPECT_FALSE(walk.canGoBack());
    EXPECT_FALSE(walk.canGoForward());
}

}  // namespace
}  // namespace orvanel
