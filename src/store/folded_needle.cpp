#include "store/folded_needle.h"

namespace orvanel {

namespace {

template <typename Unit>
constexpr Unit Fold(Unit c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<Unit>(c + ('a' - 'A')) : c;
}

bool HasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

// The needle is folded already; only the haystack's units are folded as they are compared. Its
// first unit is looked for in both cases before the rest is compared: most places of a contact
// text do not start the needle.
template <typename Unit>
bool FoundIn(const Unit* needle, qsizetype needleSize, const Unit* haystack, qsizetype size)
{
    if (needleSize == 0 || needleSize > size)
        return false;
    const Unit first = needle[0];
    const Unit firstUpper =
        (first >= 'a' && first <= 'z') ? static_cast<Unit>(first - ('a' - 'A')) : first;
    const qsizetype lastStart = size - needleSize;
    for (qsizetype start = 0; start <= lastStart; ++start) {
        const Unit c = haystack[start];
        if (c != first && c != firstUpper)
            continue;
        qsizetype i = 1;
        while (i < needleSize && Fold(haystack[start + i]) == needle[i])
            ++i;
        if (i == needleSize)
            return true;
    }
    return false;
}

}  // namespace

FoldedNeedle::FoldedNeedle(QStringView text)
    : searchable_(!text.isEmpty() && !HasLoneSurrogate(text))
{
    if (!searchable_)
        return;
    utf16_.reserve(text.size());
    for (const QChar c : text)
        utf16_.append(QChar(Fold(c.unicode())));
    utf8_ = utf16_.toUtf8();
}

bool FoldedNeedle::foundIn(QStringView haystack) const
{
    return searchable_
           && FoundIn(reinterpret_cast<const char16_t*>(utf16_.constData()), utf16_.size(),
                      haystack.utf16(), haystack.size());
}

bool FoldedNeedle::foundIn(QByteArrayView utf8) const
{
    return searchable_
           && FoundIn(reinterpret_cast<const unsigned char*>(utf8_.constData()), utf8_.size(),
                      reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size());
}

}  // namespace orvanel
