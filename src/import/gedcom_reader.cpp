#include "import/gedcom_reader.h"

#include "import/gedcom_encoding.h"
#include "import/gedcom_families.h"
#include "import/gedcom_file.h"
#include "import/gedcom_individual.h"
#include "import/gedcom_lines.h"
#include "import/gedcom_refusal.h"

#include <QCoreApplication>
#include <algorithm>

namespace orvanel {

namespace {

// The header tells the version (5.5, 5.5.1 or 7.0: others are refused, as their lines may mean
// something else) and whether this program wrote the file.
void ReadHeader(GedcomInput& file)
{
    const GedcomLineList& lines = file.lines;
    const int source = lines.child(0, u"SOUR");
    file.ours = source >= 0 && lines[source].value == u"ORVANEL";
    const int gedc = lines.child(0, u"GEDC");
    const int version = gedc >= 0 ? lines.child(gedc, u"VERS") : -1;
    if (version < 0)
        return;  // old files without one are 5.5 at most
    const QStringView number = lines[version].value.trimmed();
    if (number.startsWith(u"7."))
        file.version7 = true;
    else if (!number.startsWith(u"5."))
        //: %1 is the GEDCOM version a file gives, exactly as written there.
        RefuseGedcomLine(lines[version].line,
                         QCoreApplication::translate("orvanel::Import",
                                                     "GEDCOM version 5.5, 5.5.1 or 7.0, found %1")
                             .arg(number.toString()));
}

// Finds every record by its identifier. Two records of one identifier leave every pointer to it
// in doubt: the file is refused.
void IndexRecords(GedcomInput& file)
{
    const GedcomLineList& lines = file.lines;
    qsizetype count = 0;
    for (int record = 0; record < lines.size(); record = lines[record].end)
        ++count;
    file.records.reserve(count);
    for (int record = 0; record < lines.size(); record = lines[record].end) {
        const QStringView xref = lines[record].xref;
        if (xref.isEmpty())
            continue;
        const auto at = file.records.constFind(xref);
        if (at == file.records.cend())
            file.records.insert(xref, record);
        else
            //: %1 is a record's identifier such as @I1@, %2 the line where it first stood.
            RefuseGedcomLine(lines[record].line,
                             QCoreApplication::translate(
                                 "orvanel::Import", "an identifier not used before, found %1 of line %2 again")
                                 .arg(xref.toString())
                                 .arg(lines[*at].line));
    }
}

}  // namespace

ImportBatch ReadGedcom(const QByteArray& file, ImportProgress* progress)
{
    QString text = DecodeGedcomFile(file);
    const qint64 total = 2 * static_cast<qint64>(text.size());
    GedcomInput gedcom{ReadGedcomLines(std::move(text), progress), false, false, {}};
    ReadHeader(gedcom);
    IndexRecords(gedcom);
    const GedcomLineList& lines = gedcom.lines;

    ImportBatch batch;
    std::vector<GedcomIndividual> individuals;
    std::vector<int> individualRecords;
    std::vector<int> families;
    std::vector<int> notes;      // the NOTE and SNOTE records
    std::vector<int> notesUsed;  // those a person's note points at
    // Reserved once: a person is large, and a vector that doubles as it grows moves each again
    // and again into memory never touched before.
    std::size_t individualCount = 0;
    for (int record = 0; record < lines.size(); record = lines[record].end)
        individualCount += TagIs(lines[record].tag, u"INDI") ? 1 : 0;
    individuals.reserve(individualCount);
    individualRecords.reserve(individualCount);
    batch.persons.reserve(individualCount);
    int seen = 0;
    for (int record = 0; record < lines.size(); record = lines[record].end) {
        if (progress && ++seen % 4096 == 0
            && !progress->goOn(total / 2 + total / 2 * record / std::max(1, lines.size()), total))
            throw ImportStopped();
        const GedcomLine& line = lines[record];
        if (TagIs(line.tag, u"INDI")) {
            individualRecords.push_back(record);
            individuals.push_back(ReadIndividual(gedcom, record, batch, notesUsed));
        } else if (TagIs(line.tag, u"FAM")) {
            families.push_back(record);
        } else if (TagIs(line.tag, u"NOTE") || TagIs(line.tag, u"SNOTE")) {
            notes.push_back(record);
        } else if (!TagIs(line.tag, u"HEAD") && !TagIs(line.tag, u"SUBM") && !TagIs(line.tag, u"SUBN")) {
            // The header and the submitter say who wrote the file, not who is in it.
            CountUnkept(line.tag, batch);
        }
    }
    LinkFamilies(gedcom, families, individualRecords, individuals, batch);

    // A shared note no person points at has nowhere to go.
    std::sort(notesUsed.begin(), notesUsed.end());
    for (const int note : notes) {
        if (!std::binary_search(notesUsed.begin(), notesUsed.end(), note))
            ++batch.lost(ImportLoss::OtherData);
    }
    return batch;
}

}  // namespace orvanel
