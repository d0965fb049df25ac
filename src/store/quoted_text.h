#pragma once

#include <QString>

namespace orvanel {

// The first `count` characters, never half of one: a character beyond U+FFFF is two QChars, and
// a split one cannot be stored.
QString FirstCharacters(const QString& text, int count);

// How much of a text read from the data file a message quotes. A message box lays out what it
// is given, and a text of megabytes would freeze the program.
inline constexpr int kMaxQuotedCharacters = 64;

// `text` as a message quotes it: whole when short, otherwise its first characters followed by
// "…", which marks it as cut.
QString QuotedInMessage(const QString& text, int maxCharacters = kMaxQuotedCharacters);

}  // namespace orvanel
