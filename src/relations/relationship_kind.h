#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace orvanel {

// One relationship kind: what the data file stores, the kind the other person then has, how
// the kind is shown, and how a vCard names a relative of this kind. The words are what the file
// holds: never translate them, only their captions.
struct RelationshipKind {
    const char* word;
    const char* inverse;
    // Source text of the caption, translated in the context "orvanel::RelationshipKind".
    const char* caption;
    // The RELATED parameters, before VALUE, of a vCard that names a person of this kind.
    const char* vCardRelated;
};

// Every kind, in the order they are offered for choice.
std::span<const RelationshipKind> RelationshipKindTable();

// The kind whose word is exactly `word`, or null for any other text.
const RelationshipKind* FindKind(const QString& word);

// The kind words in the order they are offered for choice.
QStringList RelationshipKinds();

// The kind the other person has when one person has `kind`. Any other text, compared exactly,
// gives "error".
QString InverseKind(const QString& kind);

// How a stored kind is shown in the user's language. A text that is not a known kind (read from
// a damaged file) is shown as it is, so the user sees what the file holds.
QString KindCaption(const QString& kind);

// The words around the kind in "is <kind> of", as one translatable sentence split at the kind,
// so that a language may put them in its own order (or leave one side empty).
struct KindSentence {
    QString before;
    QString after;
};
KindSentence KindSentenceAround();

// How the relationship dialog words the inverse reading: the sentence around the caption of
// the chosen kind's inverse.
QString InverseWording(const QString& chosenKind);

}  // namespace orvanel
