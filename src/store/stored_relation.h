#pragma once

#include <QString>
#include <optional>

namespace orvanel {

// A relationship record as the file holds it, copied out of the register: its two persons' IDs
// and its two kind words, each nullopt when the record lacks the attribute.
struct StoredRelation {
    std::optional<QString> id1;
    std::optional<QString> id2;
    std::optional<QString> dir;  // what ID1 is of ID2
    std::optional<QString> inv;  // what ID2 is of ID1

    bool operator==(const StoredRelation&) const = default;
};

}  // namespace orvanel
