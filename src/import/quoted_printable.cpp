#include "import/quoted_printable.h"

namespace orvanel {

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

QByteArray DecodeQuotedPrintable(QByteArrayView encoded)
{
    QByteArray out;
    out.reserve(encoded.size());
    const qsizetype size = encoded.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = encoded[i];
        if (c != '=') {
            out += c;
            continue;
        }
        if (i + 1 < size && encoded[i + 1] == '\n') {
            i += 1;
            continue;
        }
        if (i + 2 < size && encoded[i + 1] == '\r' && encoded[i + 2] == '\n') {
            i += 2;
            continue;
        }
        const int high = i + 1 < size ? HexValue(encoded[i + 1]) : -1;
        const int low = i + 2 < size ? HexValue(encoded[i + 2]) : -1;
        if (high < 0 || low < 0) {
            out += c;
            continue;
        }
        out += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return out;
}

}  // namespace orvanel
