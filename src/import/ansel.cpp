#include "import/ansel.h"

#include <array>

namespace orvanel {

namespace {

// The characters of the bytes 0x80 to 0xFF; 0 where ANSEL defines none. The spacing signs are
// ANSI Z39.47's with the additions genealogy files use (0xBE, 0xBF, 0xCD to 0xCF) and those of
// later library practice (0xC7 sharp s, 0xC8 euro sign).
constexpr std::array<char16_t, 128> kHigh = [] {
    std::array<char16_t, 128> t{};
    auto at = [&t](unsigned byte, char16_t c) { t[byte - 0x80] = c; };
    at(0x8D, 0x200D);  // zero width joiner
    at(0x8E, 0x200C);  // zero width non-joiner
    at(0xA1, 0x0141);  // Ł
    at(0xA2, 0x00D8);  // Ø
    at(0xA3, 0x0110);  // Đ
    at(0xA4, 0x00DE);  // Þ
    at(0xA5, 0x00C6);  // Æ
    at(0xA6, 0x0152);  // Œ
    at(0xA7, 0x02B9);  // soft sign
    at(0xA8, 0x00B7);  // middle dot
    at(0xA9, 0x266D);  // music flat
    at(0xAA, 0x00AE);  // registered sign
    at(0xAB, 0x00B1);  // plus-minus
    at(0xAC, 0x01A0);  // Ơ
    at(0xAD, 0x01AF);  // Ư
    at(0xAE, 0x02BC);  // alif
    at(0xB0, 0x02BB);  // ayn
    at(0xB1, 0x0142);  // ł
    at(0xB2, 0x00F8);  // ø
    at(0xB3, 0x0111);  // đ
    at(0xB4, 0x00FE);  // þ
    at(0xB5, 0x00E6);  // æ
    at(0xB6, 0x0153);  // œ
    at(0xB7, 0x02BA);  // hard sign
    at(0xB8, 0x0131);  // dotless i
    at(0xB9, 0x00A3);  // pound sign
    at(0xBA, 0x00F0);  // ð
    at(0xBC, 0x01A1);  // ơ
    at(0xBD, 0x01B0);  // ư
    at(0xBE, 0x25A1);  // empty box
    at(0xBF, 0x25A0);  // black box
    at(0xC0, 0x00B0);  // degree sign
    at(0xC1, 0x2113);  // script small l
    at(0xC2, 0x2117);  // sound recording copyright
    at(0xC3, 0x00A9);  // copyright sign
    at(0xC4, 0x266F);  // music sharp
    at(0xC5, 0x00BF);  // inverted question mark
    at(0xC6, 0x00A1);  // inverted exclamation mark
    at(0xC7, 0x00DF);  // sharp s
    at(0xC8, 0x20AC);  // euro sign
    at(0xCD, 0x0065);  // midline e
    at(0xCE, 0x006F);  // midline o
    at(0xCF, 0x00DF);  // sharp s, as genealogy files write it
    // Combining marks, written before their letter.
    at(0xE0, 0x0309);  // hook above
    at(0xE1, 0x0300);  // grave
    at(0xE2, 0x0301);  // acute
    at(0xE3, 0x0302);  // circumflex
    at(0xE4, 0x0303);  // tilde
    at(0xE5, 0x0304);  // macron
    at(0xE6, 0x0306);  // breve
    at(0xE7, 0x0307);  // dot above
    at(0xE8, 0x0308);  // diaeresis
    at(0xE9, 0x030C);  // caron
    at(0xEA, 0x030A);  // ring above
    at(0xEB, 0xFE20);  // ligature, first half
    at(0xEC, 0xFE21);  // ligature, second half
    at(0xED, 0x0315);  // comma above right
    at(0xEE, 0x030B);  // double acute
    at(0xEF, 0x0310);  // candrabindu
    at(0xF0, 0x0327);  // cedilla
    at(0xF1, 0x0328);  // ogonek
    at(0xF2, 0x0323);  // dot below
    at(0xF3, 0x0324);  // diaeresis below
    at(0xF4, 0x0325);  // ring below
    at(0xF5, 0x0333);  // double low line
    at(0xF6, 0x0332);  // low line
    at(0xF7, 0x0326);  // comma below
    at(0xF8, 0x031C);  // left half ring below
    at(0xF9, 0x032E);  // breve below
    at(0xFA, 0xFE22);  // double tilde, first half
    at(0xFB, 0xFE23);  // double tilde, second half
    at(0xFE, 0x0313);  // comma above
    return t;
}();

bool IsCombiningByte(unsigned char byte)
{
    return byte >= 0xE0 && byte <= 0xFE;
}

}  // namespace

AnselText DecodeAnsel(QByteArrayView bytes)
{
    AnselText result;
    QString& out = result.text;
    out.reserve(bytes.size());
    QString marks;  // combining marks read, waiting for their letter
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t c = byte;
        if (byte >= 0x80) {
            c = kHigh[byte - 0x80];
            if (c == 0) {
                result.badByte = i;
                result.text.clear();
                return result;
            }
            if (IsCombiningByte(byte)) {
                marks += QChar(c);
                continue;
            }
        }
        if (byte == '\n' || byte == '\r') {
            // Marks with no letter before the line ends stay in their line, on their own.
            out += marks;
            marks.clear();
            out += QChar(c);
            continue;
        }
        out += QChar(c);
        out += marks;
        marks.clear();
    }
    out += marks;
    result.text = out.normalized(QString::NormalizationForm_C);
    return result;
}

}  // namespace orvanel
