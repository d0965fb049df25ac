#pragma once

#include <QString>
#include <QStringList>

namespace orvanel {

// The kinds a relationship can have, in the order they are offered for choice.
QStringList RelationshipKinds();

// The kind the other person has when one person has `kind`: child <-> parent, sibling and twin
// are their own inverse. Any other text, compared exactly, gives "error".
QString InverseKind(const QString& kind);

// How the relationship dialog words the inverse reading: "is parent of" for "child".
QString InverseWording(const QString& chosenKind);

}  // namespace orvanel
