#include "store/code_page.h"

#include "store/charset_converter.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace orvanel {

namespace {

static_assert(sizeof(wchar_t) == 4, "the C library's wide characters are code points here");

enum class ByteMeaning {
    Characters,  // decoded to the characters given
    Nothing,     // the encoding gives this byte no character
    Unfinished,  // the byte begins a longer sequence: not a single-byte encoding
};

struct DecodedByte {
    ByteMeaning meaning = ByteMeaning::Nothing;
    std::u32string characters;
};

// `byte` decoded on its own, as the whole of a text.
DecodedByte DecodeAlone(const CharsetConverter& converter, unsigned char byte)
{
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);  // the initial state again
    char in = static_cast<char>(byte);
    char* inPtr = &in;
    size_t inLeft = 1;
    wchar_t out[8];
    char* outPtr = reinterpret_cast<char*>(out);
    size_t outLeft = sizeof out;
    if (iconv(converter.get(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return {errno == EILSEQ ? ByteMeaning::Nothing : ByteMeaning::Unfinished, {}};
    // Code pages with combining marks (1255, 1258) hold a letter back in case a mark follows:
    // the end of the text lets it out.
    if (iconv(converter.get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return {ByteMeaning::Unfinished, {}};
    DecodedByte decoded{ByteMeaning::Characters, {}};
    const size_t count = (sizeof out - outLeft) / sizeof(wchar_t);
    for (size_t i = 0; i < count; ++i)
        decoded.characters += static_cast<char32_t>(out[i]);
    return decoded;
}

}  // namespace

std::optional<CodePage> CodePage::named(const QByteArray& name)
{
    if (name.isEmpty())
        return std::nullopt;
    const CharsetConverter converter("WCHAR_T", name.constData());
    if (!converter.isOpen())
        return std::nullopt;
    CodePage page;
    page.name_ = name;
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const DecodedByte decoded = DecodeAlone(converter, static_cast<unsigned char>(byte));
        if (decoded.meaning == ByteMeaning::Unfinished || decoded.characters.size() > 1)
            return std::nullopt;
        if (byte < 0x80) {
            if (decoded.characters != std::u32string(1, static_cast<char32_t>(byte)))
                return std::nullopt;
        } else if (decoded.meaning == ByteMeaning::Characters && !decoded.characters.empty()) {
            page.high_.emplace_back(decoded.characters.front(), static_cast<unsigned char>(byte));
        }
    }
    std::sort(page.high_.begin(), page.high_.end());
    return page;
}

std::optional<char32_t> CodePage::codeOf(char32_t c) const
{
    if (c < 0x80 || isCodePointRule())
        return c;
    const auto found = std::lower_bound(high_.begin(), high_.end(),
                                        std::pair<char32_t, unsigned char>(c, 0));
    if (found == high_.end() || found->first != c)
        return std::nullopt;
    return found->second;
}

}  // namespace orvanel
