#pragma once

#include <QString>
#include <QStringList>

namespace orvanel {

// The kinds a relationship can have, in the order they are offered for choice. These words are
// what the data file stores: never translate them, only their captions.
QStringList RelationshipKinds();

// The kind the other person has when one person has `kind`: child <-> parent, sibling and twin
// are their own inverse. Any other text, compared exactly, gives "error".
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

// How the relationship dialog words the inverse reading: "is parent of" for "child".
QString InverseWording(const QString& chosenKind);

}  // namespace orvanel
