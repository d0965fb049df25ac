#include "store/storable_text.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(StorableText, FindsWhatXmlCannotHoldAndKeepsEverythingElse)
{
    const QString fine = QStringLiteral("tab\t line\n cr\r 😀 \uFFFD ā");
    EXPECT_EQ(FirstUnstorableCharacter(fine), -1);
    EXPECT_EQ(StorableText(fine), fine);

    EXPECT_EQ(FirstUnstorableCharacter(QString("ab\x01")), 2);
    EXPECT_EQ(FirstUnstorableCharacter(QString(QChar(0xFFFE))), 0);
    const QString loneHigh = QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b");
    EXPECT_EQ(FirstUnstorableCharacter(loneHigh), 1);
    EXPECT_EQ(StorableText(loneHigh), QStringLiteral("a\uFFFDb"));
    const QString loneLow = QStringLiteral("😀") + QChar(0xDE00);
    EXPECT_EQ(FirstUnstorableCharacter(loneLow), 2);
    EXPECT_EQ(StorableText(QString("x\x1Fy\x7F")), QStringLiteral("x\uFFFDy\x7F"));
}
