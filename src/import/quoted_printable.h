#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace orvanel {

// The bytes of a quoted-printable value: "=XX" (hexadecimal, either case) is the byte XX, and
// "=" before a line end is a soft break that joins the lines. Every other byte stands for itself,
// an "=" that starts no such sequence too, as the writers of old cards were not always strict.
QByteArray DecodeQuotedPrintable(QByteArrayView encoded);

}  // namespace orvanel
