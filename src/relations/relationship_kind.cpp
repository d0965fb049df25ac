#include "relations/relationship_kind.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

// The one place that names the kinds. A kind's inverse must itself be a row here; the order of
// the rows is the order of the choice offered, and of the comparisons InverseKind makes.
constexpr RelationshipKind kKinds[] = {
    //: A relationship kind, shown where "is %1 of" puts it.
    {"child", "parent", QT_TRANSLATE_NOOP("orvanel::RelationshipKind", "child"), "TYPE=child"},
    //: A relationship kind, shown where "is %1 of" puts it.
    {"parent", "child", QT_TRANSLATE_NOOP("orvanel::RelationshipKind", "parent"), "TYPE=parent"},
    //: A relationship kind (brother or sister), shown where "is %1 of" puts it.
    {"sibling", "sibling", QT_TRANSLATE_NOOP("orvanel::RelationshipKind", "sibling"),
     "TYPE=sibling"},
    // vCard has no word for a twin: a sibling, with the program's own word beside it.
    //: A relationship kind, shown where "is %1 of" puts it.
    {"twin", "twin", QT_TRANSLATE_NOOP("orvanel::RelationshipKind", "twin"),
     "TYPE=sibling;X-ORVANEL-KIND=twin"},
};

// What InverseKind gives for a text that is no kind. It is never offered for choice.
constexpr char kNoKind[] = "error";

QString Sentence()
{
    //: One person's relationship to another: "Anna is child of Peter". %1 is the kind (child,
    //: parent, sibling, twin); the person names stand before and after the sentence.
    return QCoreApplication::translate("orvanel::RelationshipKind", "is %1 of");
}

}  // namespace

std::span<const RelationshipKind> RelationshipKindTable()
{
    return kKinds;
}

const RelationshipKind* FindKind(const QString& word)
{
    for (const RelationshipKind& kind : kKinds) {
        if (word == QLatin1String(kind.word))
            return &kind;
    }
    return nullptr;
}

QStringList RelationshipKinds()
{
    QStringList words;
    words.reserve(std::size(kKinds));
    for (const RelationshipKind& kind : kKinds)
        words.append(QLatin1String(kind.word));
    return words;
}

QString InverseKind(const QString& kind)
{
    const RelationshipKind* found = FindKind(kind);
    return QLatin1String(found != nullptr ? found->inverse : kNoKind);
}

QString KindCaption(const QString& kind)
{
    if (const RelationshipKind* found = FindKind(kind))
        return QCoreApplication::translate("orvanel::RelationshipKind", found->caption);
    //: Shown in place of a relationship kind when no kind, or an unknown one, is chosen.
    if (kind == QLatin1String(kNoKind))
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
