#include "relations/relationship_kind.h"

namespace orvanel {

QStringList RelationshipKinds()
{
    return {QStringLiteral("child"), QStringLiteral("parent"), QStringLiteral("sibling"),
            QStringLiteral("twin")};
}

QString InverseKind(const QString& kind)
{
    if (kind == QLatin1String("child"))
        return QStringLiteral("parent");
    if (kind == QLatin1String("parent"))
        return QStringLiteral("child");
    if (kind == QLatin1String("sibling"))
        return QStringLiteral("sibling");
    if (kind == QLatin1String("twin"))
        return QStringLiteral("twin");
    return QStringLiteral("error");
}

QString InverseWording(const QString& chosenKind)
{
    return QStringLiteral("is ") + InverseKind(chosenKind) + QStringLiteral(" of");
}

}  // namespace orvanel
