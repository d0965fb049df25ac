#include "relations/relationship_kind.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

QString Sentence()
{
    //: One person's relationship to another: "Anna is child of Peter". %1 is the kind (child,
    //: parent, sibling, twin); the person names stand before and after the sentence.
    return QCoreApplication::translate("orvanel::RelationshipKind", "is %1 of");
}

}  // namespace

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

QString KindCaption(const QString& kind)
{
    // Spelled out so that the translation tools see each word.
    //: A relationship kind, shown where "is %1 of" puts it.
    if (kind == QLatin1String("child"))
        return QCoreApplication::translate("orvanel::RelationshipKind", "child");
    //: A relationship kind, shown where "is %1 of" puts it.
    if (kind == QLatin1String("parent"))
        return QCoreApplication::translate("orvanel::RelationshipKind", "parent");
    //: A relationship kind (brother or sister), shown where "is %1 of" puts it.
    if (kind == QLatin1String("sibling"))
        return QCoreApplication::translate("orvanel::RelationshipKind", "sibling");
    //: A relationship kind, shown where "is %1 of" puts it.
    if (kind == QLatin1String("twin"))
        return QCoreApplication::translate("orvanel::RelationshipKind", "twin");
    //: Shown in place of a relationship kind when no kind, or an unknown one, is chosen.
    if (kind == QLatin1String("error"))
        return QCoreApplication::translate("orvanel::RelationshipKind", "error");
    return kind;
}

KindSentence KindSentenceAround()
{
    const QString sentence = Sentence();
    const qsizetype at = sentence.indexOf(QLatin1String("%1"));
    if (at < 0)
        return {sentence.trimmed(), QString()};
    return {sentence.left(at).trimmed(), sentence.mid(at + 2).trimmed()};
}

QString InverseWording(const QString& chosenKind)
{
    return Sentence().arg(KindCaption(InverseKind(chosenKind)));
}

}  // namespace orvanel
