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

void AppendTextOrderKey(QStringView text, std::u16string& out)
{
    for (QChar c : text)
        out.push_back(FoldForOrder(c.unicode()));
}

}  // namespace orvanel
