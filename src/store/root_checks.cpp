#include "store/root_checks.h"

#include "store/errors.h"
#include "store/file_date.h"
#include "store/quoted_text.h"
#include "store/record_names.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

LoadRefused RootWithout(const char* attribute)
{
    //: %1 is the name of an attribute of the data file's root (Prefix, DateModified), shown as
    //: it is.
    return LoadRefused(QCoreApplication::translate(
                           "orvanel::Store", "Invalid data file content (the root has no %1)!")
                           .arg(QString::fromLatin1(attribute)));
}

}  // namespace

QString CheckRootHead(const RootAttributes& root, const Clock& clock)
{
    if (!root.prefix)
        throw LoadRefused(RootWithout(kPrefixAttribute));
    if (!root.dateModified)
        throw LoadRefused(RootWithout(kDateModifiedAttribute));
    try {
        ParseFileDate(*root.dateModified, clock.today());
    } catch (const InvalidDate&) {
        //: %1 is the name of an attribute of the data file (DateModified), shown as it is; %2
        //: is the text that was read. Dates are written year/month/day.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store",
                              "Invalid data file content (%1: '%2' is not a valid date)!")
                              .arg(QString::fromLatin1(kDateModifiedAttribute),
                                   QuotedInMessage(*root.dateModified)));
    }
    return FirstCharacters(*root.prefix, 2);
}

void CheckStoredCounts(const RootAttributes& root, int persons, int rels)
{
    if (root.personCount != QString::number(persons) || root.relCount != QString::number(rels))
        throw LoadRefused(
            QCoreApplication::translate("orvanel::Store", "Invalid data file content!"));
}

}  // namespace orvanel
