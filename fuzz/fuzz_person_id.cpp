// Any text as an identifier of the data file: it is refused naming it exactly, or it comes out in
// the current form, which is accepted unchanged, and which holds the text it came from.
#include "store/errors.h"
#include "store/person_id.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finding(const char* what, const QString& text)
{
    std::fprintf(stderr, "FINDING: %s '%s'\n", what, text.toUtf8().constData());
    std::abort();
}

bool isCurrentForm(const QString& id)
{
    const qsizetype size = id.size();
    return size >= 2 && id.indexOf(QLatin1Char('-')) == size - 2 && id.back() >= QLatin1Char('0') &&
           id.back() <= QLatin1Char('9') &&
           id.back().unicode() - '0' == orvanel::CheckDigit(id.left(size - 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvanel;
    if (size < 1)
        return 0;
    // The first byte chooses how the rest is read: identifiers come from any encoding.
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    const QString id = data[0] & 1 ? QString::fromLatin1(rest, length) : QString::fromUtf8(rest, length);

    NormalizedId normalized;
    try {
        normalized = NormalizeId(id);
    } catch (const ESlikts_formats& e) {
        if (e.message() != id)
            finding("the refusal does not name the identifier exactly", id);
        if (isCurrentForm(id))
            finding("an identifier in current form was refused", id);
        return 0;
    }
    if (!isCurrentForm(normalized.id))
        finding("the result is not in current form", id);
    if (normalized.converted == id.contains(QLatin1Char('-')))
        finding("converted, or not, against the rule", id);
    const QString withoutDash = normalized.id.left(normalized.id.size() - 2) + normalized.id.back();
    if (!normalized.converted ? normalized.id != id
                              : withoutDash != id && normalized.id.left(normalized.id.size() - 2) != id)
        finding("the result lost the text it came from", id);
    const NormalizedId again = NormalizeId(normalized.id);
    if (again.converted || again.id != normalized.id)
        finding("the current form is not kept as it is", id);

    // An identifier the program generates from this text as a prefix must be accepted on loading.
    const QString prefix = id.left(2);
    const QString generated = FormatId(prefix, data[0] * 97L);
    if (!prefix.contains(QLatin1Char('-')) && !isCurrentForm(generated))
        finding("a generated identifier is not in current form", id);
    return 0;
}
