#pragma once

// What a reader and a keyboard make of a caption's mnemonic: the letter after the "&", which
// letters look the same to a reader whatever their script, and which letters a language's
// keyboard types with Alt alone.

#include <QString>

namespace orvanel::testing {

// The characters a caption marks as mnemonics: each one after a single "&" ("&&" is a plain "&").
QString MnemonicLetters(const QString& caption);

// One key for every letter that a reader cannot tell apart from another one in another script:
// Latin O, Cyrillic О and Greek Ο all give the same key. Case is folded, as Alt+o and Alt+O are
// one shortcut. Any other character is its own key.
QString LookAlikeKey(QChar letter);

// Whether the keyboard most users of `language` type on gives `letter` (case folded) without
// AltGr, so that Alt+letter can reach the control. False for a language not listed.
bool TypedWithoutAltGr(const QString& language, QChar letter);

}  // namespace orvanel::testing
