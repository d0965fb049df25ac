#pragma once

#include "store/document.h"
#include "store/kept_register.h"

#include <QByteArray>
#include <map>
#include <utility>
#include <vector>

namespace orvanel {

// What a save writes anew of a kept register's file; every other byte is copied as the file
// holds it, so that untouched records keep their spelling, their character references, their
// empty elements' form and whatever stands between them.
struct KeptChanges {
    // Records written anew, by their place in the table, each as its bytes in the file's own
    // encoding and line ends. An empty text removes the record, with the indentation of its line.
    std::map<int, QByteArray> records;
    // Records added after the last one, in the same form, each on a line of its own with the
    // indentation of the last record (one space when the root holds none).
    std::vector<QByteArray> appended;
    // New values of the root's attributes, names and values in ASCII (dates and counts); an
    // attribute the root lacks is added at the end of its start tag.
    std::vector<std::pair<QByteArray, QByteArray>> rootAttributes;
};

// Writes the file of `kept` with `changes` to `out`, a piece at a time: the untouched ranges
// straight from the kept bytes, never a second copy of the whole file.
void WriteKeptFile(const KeptRegister& kept, const KeptChanges& changes, const ByteSink& out);

}  // namespace orvanel
