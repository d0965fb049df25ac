#include "import/charset_decoding.h"

#include "store/charset_converter.h"

#include <cerrno>
#include <vector>

namespace orvanel {

std::optional<QString> DecodeCharset(const QByteArray& bytes, const QByteArray& charsetName)
{
    if (charsetName.isEmpty() || charsetName.contains('/'))
        return std::nullopt;  // iconv reads "/" as the start of its own options
    const CharsetConverter converter("UTF-8", charsetName.constData());
    if (!converter.isOpen())
        return std::nullopt;
    // UTF-8 takes at most four bytes for a character that the input gave in one byte or more.
    std::vector<char> out(static_cast<std::size_t>(bytes.size()) * 4 + 16);
    char* in = const_cast<char*>(bytes.constData());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;  // EILSEQ or a cut sequence (EINVAL): not valid in that set
    if (iconv(converter.get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size() - outLeft));
}

}  // namespace orvanel
