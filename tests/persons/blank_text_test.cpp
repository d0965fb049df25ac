#include "persons/blank_text.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(BlankText, MeansOnlySpaces)
{
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank("\t"));
    EXPECT_FALSE(IsBlank(" a "));
    EXPECT_FALSE(IsBlank(QString(QChar(0x00A0))));
}
