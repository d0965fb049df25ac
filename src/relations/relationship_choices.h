#pragma once

#include "store/register.h"

#include <QString>
#include <vector>

namespace orvanel {

// A person the relationship dialog offers as the other side of a relationship.
struct PersonChoice {
    QString id;
    QString name;
    QString middleName;
    QString surname;
};

// Every person whose Status is exactly "Active", except the one being edited (`editedId`,
// compared exactly), in document order. A Person without Status is not offered, one without an
// ID neither; a missing name child is offered as empty text.
// The list is made in the storage of `reuse`, whose rows are dropped.
std::vector<PersonChoice> RelationshipCandidates(Register& reg, const QString& editedId,
                                                 std::vector<PersonChoice> reuse = {});

// A person's line in the relationship dialog: the four texts joined by single spaces, untrimmed,
// so an empty middle name leaves two spaces.
QString EditedPersonLine(const QString& id, const QString& name, const QString& middleName,
                         const QString& surname);

}  // namespace orvanel
