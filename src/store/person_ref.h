#pragma once

namespace orvanel {

// A person of the register by its place among the persons, in file order. Persons are only ever
// added, never taken out (a deleted person keeps its record, marked "Deleted"), so a place names
// the same person for the whole run, whatever holds the records. It is a number, not a view into
// the register's memory: it can be kept and handed anywhere, and a register that no longer has
// the place refuses it. The empty one names nobody, as a look-up that finds no one returns.
class PersonRef {
public:
    constexpr PersonRef() = default;
    constexpr explicit PersonRef(int place) : place_(place) {}

    constexpr int place() const { return place_; }
    constexpr explicit operator bool() const { return place_ >= 0; }
    constexpr bool operator==(const PersonRef&) const = default;

private:
    int place_ = -1;
};

}  // namespace orvanel
