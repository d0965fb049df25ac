#pragma once

#include "store/clock.h"

#include <QString>
#include <optional>

namespace orvanel {

// The attributes of the root that the load reads, as the file holds them.
struct RootAttributes {
    std::optional<QString> prefix;
    std::optional<QString> dateModified;
    std::optional<QString> personCount;
    std::optional<QString> relCount;
};

// Refuses a root without a Prefix or a DateModified, or with a DateModified that is no date;
// gives the register's IdPrefix.
QString CheckRootHead(const RootAttributes& root, const Clock& clock);

// Refuses stored counts that do not say exactly, as text, how many persons and relationships
// the file holds: "007" is not 7.
void CheckStoredCounts(const RootAttributes& root, int persons, int rels);

}  // namespace orvanel
