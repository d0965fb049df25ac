#pragma once

#include "store/code_page.h"
#include "store/person_id.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace orvanel {

// Finds the code page a register's identifiers were weighed in, from the identifiers themselves
// as the load meets them in document order. Registers written where the system's code page was
// Windows 1257 weigh Š as 0xD0, those from 1250 as 0x8A: the check digit tells which.
//
// The first identifier in current form with a character beyond U+007F decides: the page is the
// first of the candidates under which its check digit verifies. The candidates are the file's own
// declared encoding when it is a single-byte one, then Windows 1250 to 1258, then ISO 8859-1 to
// 8859-16, last the code point rule. Every identifier must then agree under that page. Until an
// identifier decides, identifiers are ASCII, which weighs the same under every candidate, so a
// register of ASCII identifiers is weighed as it always was.
//
// An identifier in the old form carries no check digit that could tell the pages apart, so it
// never decides. One with a character beyond U+007F met before the page is decided waits, and is
// converted under the page the register turns out to have, so that the check digit it is given
// verifies at the next load.
class IdCodePageChoice {
public:
    explicit IdCodePageChoice(QByteArray declaredEncoding = {});

    // `id` checked and in current form under the register's code page, as NormalizeId gives it;
    // throws ESlikts_formats as NormalizeId does, also for the identifier that would decide
    // when it agrees under no candidate. Nullopt for an identifier in the old form that waits
    // for the page: it is converted, by NormalizeId under settle()'s page.
    std::optional<NormalizedId> normalize(const QString& id);

    // Once every identifier was seen: the register's code page. When no identifier decided it,
    // it is the first candidate that weighs every waiting identifier in `waiting`.
    const CodePage& settle(const std::vector<QString>& waiting);

    // The page decided so far: the code point rule while nothing has decided it.
    const CodePage& page() const { return page_; }

private:
    // The first candidate, in order, of which `accepts` holds.
    template <class Accepts>
    void decide(Accepts&& accepts);

    QByteArray declared_;
    CodePage page_;
    bool decided_ = false;
};

// The names of the code pages tried after the file's own, in their order.
const std::vector<QByteArray>& IdCodePageCandidates();

}  // namespace orvanel
