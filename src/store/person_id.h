#pragma once

#include "store/code_page.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace orvanel {

// Identifiers are generated as prefix, a sequence number of at least four digits, "-" and a
// check digit; older files hold them without the "-", with or without the check digit.

// Sum of each character's code times its position (from 1), modulo 10; positions count
// characters. The code is the character's code in `page`; nullopt when the page lacks one of
// the characters.
std::optional<int> CheckDigitIn(const QString& text, const CodePage& page);

// The check digit under the code point rule, which weighs every character: the 8-bit code for
// U+0000 to U+00FF and the code point beyond.
int CheckDigit(const QString& text);

// The identifier of sequence number `number` under `prefix`, its check digit weighed in `page`.
// When the page lacks a character of the prefix, the digit is the code point rule's, and the
// identifier does not read back under the page (IdReadsBack tells).
QString FormatId(const QString& prefix, long long number, const CodePage& page = {});

struct NormalizedId {
    QString id;
    bool converted = false;
};

// The identifier in current form, and whether it had to be converted, its check digit weighed in
// `page`. Throws ESlikts_formats (its message being `id` exactly) for an identifier that cannot
// be accepted: the empty one, and one with a character the page lacks, included.
NormalizedId NormalizeId(const QString& id, const CodePage& page = {});

// True when `utf8` is an identifier of ASCII characters in current form whose check digit
// verifies: one NormalizeId gives back unchanged under every code page, as ASCII weighs itself in
// each. Read from the bytes, with no text made of them, for the load, which checks every
// identifier of the file (docs/performance.md). False says only that NormalizeId must decide.
bool IsCurrentAsciiId(QByteArrayView utf8);

// True when a stored identifier would load back exactly as it is in a register whose
// identifiers are weighed in `page`. A generated one may not: a prefix holding "-" makes
// identifiers that loading refuses.
bool IdReadsBack(const QString& id, const CodePage& page);

}  // namespace orvanel
