#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <utility>
#include <vector>

// The content lines of a vCard file: physical lines unfolded into logical ones, and a logical
// line split into its property name, parameters and value.

namespace orvanel {

// The longest logical line kept, and the most properties a card may hold: far beyond what an
// address book writes, and small enough that a hostile file cannot make the import hold much
// more than the file itself. A picture is not kept, so its lines may be longer.
inline constexpr qsizetype kMaxVCardLineBytes = 1 << 20;
inline constexpr int kMaxVCardProperties = 10000;

// One logical line: where it starts (1-based) and its bytes after unfolding.
struct VCardContentLine {
    int line = 0;
    QByteArray text;
};

// Reads the logical lines of UTF-8 bytes one by one, in bounded memory per line.
class VCardLineReader {
public:
    explicit VCardLineReader(QByteArrayView bytes) : bytes_(bytes) {}

    // The next logical line; false at the end of the file. A line that begins with a space or a
    // tab continues the one before: in a 2.1 card (`keepFoldSpace`) that white space stays, in
    // later versions it goes with the line break. A quoted-printable value that ends in "="
    // goes on in the next line whatever that line begins with. Throws ImportRefused for a line
    // longer than kMaxVCardLineBytes, unless it is a picture or a sound, whose value is dropped.
    bool next(VCardContentLine& out, bool keepFoldSpace);

    qsizetype position() const { return pos_; }

private:
    QByteArrayView physicalLine(qsizetype& end) const;

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    int line_ = 0;
};

// One property of a card. Names are upper case; parameters in the order written, each value on
// its own (a list "TYPE=HOME,VOICE" gives two), TYPE values upper case. A bare parameter of a
// 2.1 card ("TEL;HOME;FAX") is a TYPE, or the ENCODING when it names one.
struct CardProperty {
    int line = 0;
    QByteArray name;
    std::vector<std::pair<QByteArray, QByteArray>> parameters;
    QByteArray value;

    // The values of a parameter, in the order written.
    std::vector<QByteArray> parameter(QByteArrayView name) const;
    // The first value of a parameter, upper case; empty when the property has none.
    QByteArray firstUpper(QByteArrayView name) const;
    bool hasType(QByteArrayView type) const;
};

// Splits a logical line. Throws ImportRefused naming its line when it is not
// "[group.]NAME[;parameters]:value".
CardProperty ParseCardProperty(const VCardContentLine& line);

// Properties whose values are pictures or sounds: the register has no place for them, and their
// values are never decoded.
bool IsVCardMedia(QByteArrayView name);

}  // namespace orvanel
