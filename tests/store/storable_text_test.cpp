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

// The register writes texts through StorableUtf8, which does StorableText and the UTF-8 in one
// pass of its own.
TEST(StorableText, InUtf8IsTheStorableTextEncoded)
{
    const QString texts[] = {
        QString(), QStringLiteral("plain"), QStringLiteral("tab\t line\n cr\r 😀 \uFFFD ā ß €"),
        QString("x\x1Fy\x7F\x01"), QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b"),
        QStringLiteral("😀") + QChar(0xDE00), QString(QChar(0xD83D)),
        QString(QChar(0xFFFE)) + QChar(0xFFFF) + QChar(0xE000) + QChar(0x7FF) + QChar(0x800),
        QString(300, QChar(0x20AC)) + QStringLiteral("😀")};
    for (const QString& text : texts) {
        const StorableUtf8 utf8(text);
        EXPECT_EQ(utf8.view(), StorableText(text).toUtf8()) << text.toStdString();
        EXPECT_EQ(utf8.data()[utf8.size()], '\0');
    }
}
