#pragma once

#include "store/code_page.h"
#include "store/errors.h"
#include "store/id_code_page.h"

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace orvanel {

// An identifier the file holds in an older form: what it holds, and its current form, empty
// while it waits for the register's code page.
struct OlderId {
    QString from;
    QString to;
};

// The load's refusal of an identifier that cannot be one.
LoadRefused WrongId(const QString& id);

// Checks one identifier attribute of a record named `recordName` (UTF-8), whatever reads the
// record: refuses a missing or empty one and one that cannot be an identifier, as the load
// words it. Nullopt for an identifier in its current form.
std::optional<OlderId> CheckIdText(std::optional<QByteArrayView> utf8, const char* recordName,
                                   const char* attribute, IdCodePageChoice& idCodePage);

// Once every identifier was checked: the register's code page, and the current form of every
// older identifier that waited for it. `Rewrites` is a list of records each with an OlderId
// `id`.
template <class Rewrites>
CodePage SettleOlderIds(IdCodePageChoice& idCodePage, Rewrites& rewrites)
{
    std::vector<QString> waiting;
    for (const auto& rewrite : rewrites) {
        if (rewrite.id.to.isEmpty())
            waiting.push_back(rewrite.id.from);
    }
    CodePage page = idCodePage.settle(waiting);
    for (auto& rewrite : rewrites) {
        if (!rewrite.id.to.isEmpty())
            continue;
        try {
            rewrite.id.to = NormalizeId(rewrite.id.from, page).id;
        } catch (const ESlikts_formats& e) {
            throw WrongId(e.message());
        }
    }
    return page;
}

}  // namespace orvanel
