#pragma once

#include <QByteArray>
#include <optional>
#include <utility>
#include <vector>

namespace orvanel {

// How the characters of an identifier are weighed for its check digit: by their codes in a
// single-byte code page, or by the code point rule of a register that has none.
class CodePage {
public:
    // The code point rule: a character up to U+00FF weighs its Latin-1 code, one beyond it its
    // code point. It weighs every character.
    CodePage() = default;

    // The single-byte code page the C library's converter knows as `name`. Nullopt when there is
    // none of that name, or when it is not one: a code page here keeps ASCII in bytes 0x00 to
    // 0x7F and gives every other byte one character or none.
    static std::optional<CodePage> named(const QByteArray& name);

    // The code of `c`, nullopt when the page has no byte for it. ASCII weighs itself in every
    // page.
    std::optional<char32_t> codeOf(char32_t c) const;

    bool isCodePointRule() const { return name_.isEmpty(); }
    // The name it was made with; empty for the code point rule.
    const QByteArray& name() const { return name_; }

private:
    QByteArray name_;
    // The characters of the bytes 0x80 to 0xFF that the page defines, with their bytes, sorted
    // by character for a binary search. Where two bytes give one character, the lower byte
    // comes first.
    std::vector<std::pair<char32_t, unsigned char>> high_;
};

}  // namespace orvanel
