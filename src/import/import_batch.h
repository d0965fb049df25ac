#pragma once

#include "store/errors.h"
#include "store/person_value.h"

#include <QString>
#include <array>
#include <cstddef>
#include <vector>

namespace orvanel {

// What a file brought in holds, read in full before anything of the register changes: the
// persons, the relationships between them, and a count of what the register cannot keep. The
// readers of every format (GEDCOM, vCard, CSV) fill it, the preview shows it, and the import
// adds the chosen part of it to the register.

// One person found in the file. The value holds the stored texts the register would keep: no ID
// (the register gives a new one), the names, "M", "F" or empty for the sex, the birth date in
// the data file's date form or empty, address, phones, e-mail, comment, optional ID. Status and
// the record's dates are the register's to set.
struct ImportedPerson {
    PersonValue value;
    int line = 0;  // where the person's record starts in the file (1-based), for messages
};

// A relationship between two persons of the batch: `person` is `kind` of `other`, the kind
// being a word of the kinds table ("child", "parent", "sibling", "twin"). Each link is given
// once; the import stores it with its inverse.
struct ImportedLink {
    std::size_t person = 0;
    std::size_t other = 0;
    QString kind;
};

// What the register cannot keep, counted by the readers and shown in the summary. Never dropped
// without a count.
enum class ImportLoss : std::size_t {
    ChildlessPartnership,  // a couple with no child: the register has no kind for partners
    OtherEvent,            // an event other than birth (death, marriage, burial...)
    Source,                // sources and citations
    Media,                 // pictures and other media
    ApproximateDate,       // a birth date that is not an exact day: kept in the comment
    MissingRecord,         // a link to a record the file does not hold
    AncestorCycle,         // a link that would make a person their own ancestor
    OtherData,             // any other line or property the register has no place for
};
inline constexpr std::size_t kImportLossCount = 8;

struct ImportBatch {
    std::vector<ImportedPerson> persons;
    std::vector<ImportedLink> links;
    std::array<int, kImportLossCount> losses{};

    int& lost(ImportLoss loss) { return losses[static_cast<std::size_t>(loss)]; }
    int lost(ImportLoss loss) const { return losses[static_cast<std::size_t>(loss)]; }
};

// The file is not what it claims to be, is cut short, or is too large to read safely. The
// message names the line and what was expected there; nothing of the register has changed.
class ImportRefused : public Error {
public:
    using Error::Error;
};

// Told how far a reader has come, so that a window can show a long reading and let the user
// stop it. Returning false stops the reading: the reader then throws ImportStopped.
class ImportProgress {
public:
    virtual ~ImportProgress() = default;
    virtual bool goOn(qint64 done, qint64 total) = 0;
};

// The user stopped the reading; nothing changed.
class ImportStopped : public Error {
public:
    ImportStopped() : Error(QString()) {}
};

}  // namespace orvanel
