#pragma once

#include <QByteArrayView>
#include <QString>

namespace orvanel {

// ANSEL, the character set of older genealogy files: ASCII below 0x80, letters and signs of
// European languages above it, and combining diacritics (0xE0 to 0xFE) that come BEFORE the
// letter they mark. Unicode puts a combining mark after its letter, so the decoder moves each
// run of marks behind the next letter, and then composes (NFC) so that "e" with an acute
// becomes the one character "é" that every other program stores.
struct AnselText {
    QString text;
    qsizetype badByte = -1;  // offset of the first byte ANSEL does not define; -1 when none
};

AnselText DecodeAnsel(QByteArrayView bytes);

}  // namespace orvanel
