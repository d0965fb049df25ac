#pragma once

#include "import/import_batch.h"

#include <QString>
#include <QStringView>
#include <cstring>
#include <vector>

namespace orvanel {

// One line of a GEDCOM file with the CONC and CONT lines that continue its value joined to it
// (CONT starts a new line of the value, CONC goes on with the same one).
struct GedcomLine {
    int level = 0;
    int line = 0;       // its line number in the file, 1-based
    int end = 0;        // index after its last subordinate line: its subtree is [index, end)
    QStringView xref;   // "@I1@" of a record, empty for others
    QStringView tag;
    QStringView value;  // as written, escapes ("@@") included
};

// Whether `tag` is `name`. Every line's tag is compared with several names; a literal's length
// is known here, where QStringView's own == looks for it at run time and calls out to compare,
// which was 9% of a profile of reading 100k persons (docs/performance.md, "Importing").
template <std::size_t N>
inline bool TagIs(QStringView tag, const char16_t (&name)[N])
{
    return tag.size() == static_cast<qsizetype>(N - 1) &&
           std::memcmp(tag.utf16(), name, (N - 1) * sizeof(char16_t)) == 0;
}

// The lines of a file from "0 HEAD" up to "0 TRLR" (which is left out), in file order. The views
// point into the text and the joined values the object holds: it can be moved, not copied.
class GedcomLineList {
public:
    GedcomLineList() = default;
    GedcomLineList(GedcomLineList&&) = default;
    GedcomLineList& operator=(GedcomLineList&&) = default;
    GedcomLineList(const GedcomLineList&) = delete;
    GedcomLineList& operator=(const GedcomLineList&) = delete;

    const GedcomLine& operator[](int index) const { return lines_[static_cast<std::size_t>(index)]; }
    int size() const { return static_cast<int>(lines_.size()); }

    // The subordinate lines one level below `index`, in file order.
    template <typename Visit>
    void forEachChild(int index, Visit visit) const
    {
        const GedcomLine& parent = (*this)[index];
        for (int child = index + 1; child < parent.end; child = (*this)[child].end)
            visit(child, (*this)[child]);
    }

    // The first subordinate line with `tag`, or -1.
    int child(int index, QStringView tag) const;

private:
    friend GedcomLineList ReadGedcomLines(QString text, ImportProgress* progress);

    QString text_;
    // Values joined from CONC/CONT lines. A view points at a QString's characters, which stay
    // where they are when the vector moves the QString objects.
    std::vector<QString> joined_;
    std::vector<GedcomLine> lines_;
};

// Splits the text of a file into its lines, checking their form: "0 HEAD" first, levels that rise
// by at most one and stay within kMaxGedcomLevel, a tag on every line, values within
// kMaxGedcomValueChars, no character the data file cannot hold, and "0 TRLR" at the end. Throws
// ImportRefused naming the line otherwise, ImportStopped when `progress` says stop. Takes time
// and memory linear in the text; reports progress as characters read of twice the text's length
// (the other half is the reader's).
GedcomLineList ReadGedcomLines(QString text, ImportProgress* progress);

}  // namespace orvanel
