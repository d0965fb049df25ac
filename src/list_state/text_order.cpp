#include "list_state/text_order.h"

#include <algorithm>
#include <climits>

namespace orvanel {

namespace {

char16_t FoldForOrder(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

}  // namespace

int TextOrder(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int ca = FoldForOrder(a[i].unicode());
        const int cb = FoldForOrder(b[i].unicode());
        if (ca != cb)
            return ca - cb;
    }
    // Lengths beyond int range would wrap; only the sign matters, so keep it.
    const qsizetype diff = a.size() - b.size();
    return static_cast<int>(std::clamp<qsizetype>(diff, -INT_MAX, INT_MAX));
}

void FoldTextOrderKey(char16_t* begin, char16_t* end)
{
    for (; begin != end; ++begin)
        *begin = FoldForOrder(*begin);
}

void AppendTextOrderKey(QStringView text, std::u16string& out)
{
    const std::size_t start = out.size();
    out.append(text.utf16(), static_cast<std::size_t>(text.size()));
    FoldTextOrderKey(out.data() + start, out.data() + out.size());
}

}  // namespace orvanel
