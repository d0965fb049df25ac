#include "mnemonic_letters.h"

#include <array>

namespace orvanel::testing {

namespace {

// Letters of the Latin, Cyrillic and Greek alphabets that look alike in one case or the other,
// one row each, both cases of each script given: since Alt+о and Alt+О are one shortcut, a
// letter that looks like another one only as a capital still makes the two captions confusable.
// The first letter of a row names it.
constexpr std::array<const char16_t*, 18> kLookAlikes = {
    u"AaАаΑα", u"BbВвΒβ", u"CcСсϹϲ", u"EeЕеΕε", u"HhНнΗη", u"IiІіΙι",
    u"JjЈј",   u"KkКкΚκ", u"MmМмΜμ", u"NnΝν",   u"OoОоΟο", u"PpРрΡρ",
    u"SsЅѕ",   u"TtТтΤτ", u"XxХхΧχ", u"YyУуΥυ", u"ZzΖζ",   u"ЁёËë",
};

// Letters typed with Alt alone, case folded, on the keyboard each language's users mostly have;
// digits are in the number row of every one of them (AZERTY with Shift, which Alt keeps).
struct KeyboardLetters {
    const char* language;
    const char16_t* letters;
};
constexpr std::array<KeyboardLetters, 4> kKeyboards = {{
    // German T1 (QWERTZ): ä, ö, ü and ß have keys of their own.
    {"de", u"abcdefghijklmnopqrstuvwxyzäöüß"},
    // French AZERTY has é, è, ç and à on the number row and ù beside m, but Alt on those keys
    // gives a digit or nothing on some systems, and the Belgian, Swiss and Canadian layouts put
    // them elsewhere or behind dead keys: only the plain letters reach a control everywhere.
    {"fr", u"abcdefghijklmnopqrstuvwxyz"},
    // Latvian (QWERTY), the one sold and set up in Latvia: ā č ē ģ ī ķ ļ ņ š ū ž only come with
    // AltGr (or a dead apostrophe in its other variant), never with Alt.
    {"lv", u"abcdefghijklmnopqrstuvwxyz"},
    // Russian ЙЦУКЕН types every Cyrillic letter, ё left of 1; it types no Latin letter at all,
    // and a Latin one underlined in a Russian caption is read as its Cyrillic double.
    {"ru", u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
}};

}  // namespace

QString MnemonicLetters(const QString& caption)
{
    QString letters;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&') && !caption[i + 1].isSpace())
            letters += caption[i + 1];
        ++i;
    }
    return letters;
}

QString LookAlikeKey(QChar letter)
{
    for (const char16_t* row : kLookAlikes) {
        if (QString::fromUtf16(row).contains(letter))
            return QString(QChar(row[0]));
    }
    return QString(letter).toCaseFolded();
}

bool TypedWithoutAltGr(const QString& language, QChar letter)
{
    if (letter.isDigit() && letter.unicode() < 0x80)
        return true;
    for (const KeyboardLetters& keyboard : kKeyboards) {
        if (language == QLatin1String(keyboard.language))
            return QString::fromUtf16(keyboard.letters).contains(QString(letter).toCaseFolded());
    }
    return false;
}

}  // namespace orvanel::testing
