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

TEST(InverseWording, NamesTheInverseKind)
{
    EXPECT_EQ(InverseWording(QStringLiteral("child")), QStringLiteral("is parent of"));
    EXPECT_EQ(InverseWording(QStringLiteral("sibling")), QStringLiteral("is sibling of"));
    EXPECT_EQ(InverseWording(QString()), QStringLiteral("is error of"));
}

}  // namespace
}  // namespace orvanel
