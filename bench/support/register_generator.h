#pragma once

#include <QByteArray>

namespace orvanel::bench {

// A register file of `persons` persons with a child for every field of the table, identifiers
// AB0001-7 onwards, and about `relsPerPerson` relationships each between nearby persons;
// deterministic.
QByteArray generateRegister(int persons, double relsPerPerson = 1.5);

// Peak resident memory of this process so far, in MiB.
double peakMemoryMiB();

}  // namespace orvanel::bench
