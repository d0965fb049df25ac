#pragma once

#include "import/import_batch.h"

#include <QString>

namespace orvanel {

// Every refusal of a GEDCOM file names the line and what was expected there, so that a user can
// open the file in an editor and see what is wrong.
[[noreturn]] void RefuseGedcomLine(qint64 line, const QString& expected);

// The limits that keep a hostile file from taking unbounded time or memory. GEDCOM 7 sets no
// length for a line; these are far beyond what any genealogy program writes. A file of a million
// persons is about 300 MB; reading one takes about 13 bytes of memory per byte of the file (the
// bench's 32 MB file peaks at 420 MiB), and about 20 for a file of nothing but the shortest lines.
inline constexpr qsizetype kMaxGedcomFileBytes = qsizetype(384) * 1024 * 1024;
inline constexpr qsizetype kMaxGedcomValueChars = 1024 * 1024;  // a value with its CONC/CONT
inline constexpr int kMaxGedcomLevel = 99;
inline constexpr int kMaxChildrenInFamily = 1000;   // keeps the sibling pairs of one family few
inline constexpr std::size_t kMaxGedcomLinks = 5'000'000;

}  // namespace orvanel
