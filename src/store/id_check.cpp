#include "store/id_check.h"

#include "store/person_id.h"
#include "store/quoted_text.h"

#include <QCoreApplication>

namespace orvanel {

LoadRefused WrongId(const QString& id)
{
    //: %1 is the identifier as the file has it.
    return LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                   "Invalid data file content (wrong ID : %1 )!")
                           .arg(QuotedInMessage(id)));
}

std::optional<OlderId> CheckIdText(std::optional<QByteArrayView> utf8, const char* recordName,
                                   const char* attribute, IdCodePageChoice& idCodePage)
{
    if (!utf8)
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store", "Invalid data file content (a %1 without %2)!")
                              .arg(QString::fromUtf8(recordName), QString::fromLatin1(attribute)));
    if (utf8->isEmpty())
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store",
                              "Invalid data file content (a %1 with an empty %2)!")
                              .arg(QString::fromUtf8(recordName), QString::fromLatin1(attribute)));
    // Nearly every identifier of a file, checked from its bytes: making a text of each of the
    // 400,000 of 100k persons cost the load two allocations apiece (docs/performance.md).
    if (IsCurrentAsciiId(*utf8))
        return std::nullopt;
    const QString id = QString::fromUtf8(*utf8);
    std::optional<NormalizedId> normalized;
    try {
        normalized = idCodePage.normalize(id);
    } catch (const ESlikts_formats& e) {
        throw WrongId(e.message());
    }
    if (!normalized)
        return OlderId{id, {}};  // converted once the code page is known
    if (normalized->converted)
        return OlderId{id, normalized->id};
    return std::nullopt;
}

}  // namespace orvanel
