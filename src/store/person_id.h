#pragma once

#include <QString>

namespace orvanel {

// Identifiers are generated as prefix, a sequence number of at least four digits, "-" and a
// check digit; older files hold them without the "-", with or without the check digit.

// Sum of each character's code times its position (from 1), modulo 10. The code is the 8-bit
// code for U+0000 to U+00FF and the code point beyond; positions count characters.
int CheckDigit(const QString& text);

// The identifier of sequence number `number` under `prefix`.
QString FormatId(const QString& prefix, long long number);

struct NormalizedId {
    QString id;
    bool converted = false;
};

// The identifier in current form, and whether it had to be converted. Throws ESlikts_formats
// (its message being `id` exactly) for an identifier that cannot be accepted, the empty one
// included.
NormalizedId NormalizeId(const QString& id);

// True when a stored identifier would load back exactly as it is. A generated one may not: a
// prefix holding "-" makes identifiers that loading refuses.
bool IdReadsBack(const QString& id);

}  // namespace orvanel
