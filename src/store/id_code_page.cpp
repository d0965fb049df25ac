#include "store/id_code_page.h"

#include "store/errors.h"

#include <utility>

namespace orvanel {

namespace {

bool IsAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

bool AcceptedUnder(const QString& id, const CodePage& page)
{
    try {
        NormalizeId(id, page);
        return true;
    } catch (const ESlikts_formats&) {
        return false;
    }
}

}  // namespace

const std::vector<QByteArray>& IdCodePageCandidates()
{
    // The Windows code pages first: the registers were written on Windows. ISO 8859-12 was
    // never published.
    static const std::vector<QByteArray> names = {
        "CP1250",     "CP1251",      "CP1252",      "CP1253",      "CP1254",      "CP1255",
        "CP1256",     "CP1257",      "CP1258",      "ISO-8859-1",  "ISO-8859-2",  "ISO-8859-3",
        "ISO-8859-4", "ISO-8859-5",  "ISO-8859-6",  "ISO-8859-7",  "ISO-8859-8",  "ISO-8859-9",
        "ISO-8859-10", "ISO-8859-11", "ISO-8859-13", "ISO-8859-14", "ISO-8859-15", "ISO-8859-16"};
    return names;
}

IdCodePageChoice::IdCodePageChoice(QByteArray declaredEncoding)
    : declared_(std::move(declaredEncoding))
{
}

template <class Accepts>
void IdCodePageChoice::decide(Accepts&& accepts)
{
    decided_ = true;
    // A page is made only when the one before it did not do: most registers stop at the first.
    std::vector<QByteArray> names;
    if (!declared_.isEmpty())
        names.push_back(declared_);
    names.insert(names.end(), IdCodePageCandidates().begin(), IdCodePageCandidates().end());
    for (const QByteArray& name : names) {
        std::optional<CodePage> candidate = CodePage::named(name);
        if (candidate && accepts(*candidate)) {
            page_ = std::move(*candidate);
            return;
        }
    }
    page_ = CodePage();  // the code point rule, last
}

std::optional<NormalizedId> IdCodePageChoice::normalize(const QString& id)
{
    if (!decided_ && !IsAscii(id)) {
        if (!id.contains(QLatin1Char('-')))
            return std::nullopt;
        decide([&id](const CodePage& page) { return AcceptedUnder(id, page); });
    }
    return NormalizeId(id, page_);
}

const CodePage& IdCodePageChoice::settle(const std::vector<QString>& waiting)
{
    if (!decided_ && !waiting.empty()) {
        decide([&waiting](const CodePage& page) {
            for (const QString& id : waiting) {
                if (!CheckDigitIn(id, page))
                    return false;
            }
            return true;
        });
    }
    return page_;
}

}  // namespace orvanel
