#pragma once

#include "store/load.h"

#include <gtest/gtest.h>

namespace orvanel::testing {

// ASSERT_TRUE(Accepted(report)) fails naming the refusal, so a broken fixture says why.
inline ::testing::AssertionResult Accepted(const LoadReport& report)
{
    if (!report.refused())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the load was refused: "
                                         << report.refusal->toStdString();
}

}  // namespace orvanel::testing
