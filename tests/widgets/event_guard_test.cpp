#include "widgets/event_guard.h"

#include "support/qt_printers.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace orvanel::testing {
namespace {

TEST(EventGuard, ErrorsOfAnActionAreShownWithTheirTextAndEndOnlyThatAction)
{
    RecordingMessages messages;
    int after = 0;
    EXPECT_FALSE(Guarded(messages, [] { throw NodeNotFound(QStringLiteral("City")); }));
    EXPECT_FALSE(Guarded(messages, [] { throw InvalidDate(QStringLiteral("1950/13/1")); }));
    EXPECT_FALSE(Guarded(messages, [] { throw std::runtime_error("disk full"); }));
    EXPECT_TRUE(Guarded(messages, [&] { ++after; }));

    EXPECT_EQ(after, 1);
    EXPECT_EQ(messages.errors, (QStringList{QStringLiteral("Node \"City\" not found"),
                                            QStringLiteral("'1950/13/1' is not a valid date"),
                                            QStringLiteral("disk full")}));
}

}  // namespace
}  // namespace orvanel::testing
