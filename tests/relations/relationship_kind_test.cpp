#include "relations/relationship_kind.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace orvanel {
namespace {

TEST(RelationshipKinds, AreOfferedInTheirFixedOrder)
{
    EXPECT_EQ(RelationshipKinds(), QStringList({"child", "parent", "sibling", "twin"}));
}

TEST(InverseKind, SwapsChildAndParentAndKeepsSiblingAndTwin)
{
    EXPECT_EQ(InverseKind(QStringLiteral("child")), QStringLiteral("parent"));
    EXPECT_EQ(InverseKind(QStringLiteral("parent")), QStringLiteral("child"));
    EXPECT_EQ(InverseKind(QStringLiteral("sibling")), QStringLiteral("sibling"));
    EXPECT_EQ(InverseKind(QStringLiteral("twin")), QStringLiteral("twin"));
}

TEST(InverseKind, GivesErrorForAnyOtherTextComparedExactly)
{
    for (const char* text : {"", "Child", "child ", " child", "CHILD", "error", "mother"})
        EXPECT_EQ(InverseKind(QString::fromLatin1(text)), QStringLiteral("error")) << text;
}

TEST(RelationshipKinds, PairEveryKindWithAKindWhoseInverseLeadsBack)
{
    // A kind whose inverse is no kind would write "error" into every Inv it stores.
    for (const RelationshipKind& kind : RelationshipKindTable()) {
        const RelationshipKind* inverse = FindKind(QString::fromLatin1(kind.inverse));
        ASSERT_NE(inverse, nullptr) << kind.word;
        EXPECT_EQ(InverseKind(QString::fromLatin1(inverse->word)), QString::fromLatin1(kind.word));
        EXPECT_EQ(KindCaption(QString::fromLatin1(kind.word)), QString::fromLatin1(kind.word))
            << "untranslated, a kind is shown as its word";
    }
}

TEST(KindCaption, ShowsAnUnknownTextAsTheFileHoldsIt)
{
    EXPECT_EQ(KindCaption(QStringLiteral("Child")), QStringLiteral("Child"));
    EXPECT_EQ(KindCaption(QStringLiteral("mother")), QStringLiteral("mother"));
    EXPECT_EQ(KindCaption(QStringLiteral("error")), QStringLiteral("error"));
    EXPECT_EQ(FindKind(QStringLiteral("error")), nullptr) << "error is never a kind";
    EXPECT_EQ(FindKind(QStringLiteral("twin ")), nullptr);
}

TEST(InverseWording, NamesTheInverseKind)
{
    EXPECT_EQ(InverseWording(QStringLiteral("child")), QStringLiteral("is parent of"));
    EXPECT_EQ(InverseWording(QStringLiteral("sibling")), QStringLiteral("is sibling of"));
    EXPECT_EQ(InverseWording(QString()), QStringLiteral("is error of"));
}

}  // namespace
}  // namespace orvanel
