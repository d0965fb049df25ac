#include "store/load.h"

#include "store/data_file.h"
#include "store/errors.h"
#include "store/file_date.h"
#include "store/memory_need.h"
#include "store/person_id.h"
#include "store/quoted_text.h"
#include "store/record_names.h"

#include <exception>
#include <utility>

#include <QFileInfo>

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

// Reads and converts one identifier attribute of a record; refuses what cannot be an identifier.
void NormalizeAttribute(Element record, const char* name, LoadReport& report)
{
    const std::optional<QString> id = record.attribute(name);
    if (!id)
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store", "Invalid data file content (a %1 without %2)!")
                              .arg(record.localName(), QString::fromLatin1(name)));
    if (id->isEmpty())
        //: %1 and %2 are names of the data file's records and attributes (Person, ID1), shown as
        //: they are.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store",
                              "Invalid data file content (a %1 with an empty %2)!")
                              .arg(record.localName(), QString::fromLatin1(name)));
    NormalizedId normalized;
    try {
        normalized = NormalizeId(*id);
    } catch (const ESlikts_formats& e) {
        //: %1 is the identifier as the file has it.
        throw LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                      "Invalid data file content (wrong ID : %1 )!")
                              .arg(QuotedInMessage(e.message())));
    }
    if (normalized.converted) {
        record.setAttribute(name, normalized.id);
        report.conversions.push_back({*id, normalized.id});
    }
}

void LoadInto(Register& reg, const Clock& clock, LoadReport& report)
{
    // Refused before a byte is read if the register cannot fit in memory.
    const QFileInfo dataFile(reg.dataPath());
    if (dataFile.isFile()) {
        const QString refusal =
            MemoryRefusal(dataFile.size(), AvailableMemory(), dataFile.fileName());
        if (!refusal.isEmpty())
            throw LoadRefused(refusal);
    }
    {
        DataFileContent file = ReadDataFile(reg.dataPath());
        reg.doc = Document::parse(file.bytes);
        reg.loadedFile = std::move(file.identity);
        // The file's bytes go as soon as they are parsed: the document and the cache built below
        // are what the program needs, and a large register must not hold both at once.
    }
    Element root = reg.doc.root();

    const std::optional<QString> prefix = root.attribute(kPrefixAttribute);
    if (!prefix)
        throw LoadRefused(RootWithout(kPrefixAttribute));
    reg.idPrefix = FirstCharacters(*prefix, 2);

    const std::optional<QString> dateModified = root.attribute(kDateModifiedAttribute);
    if (!dateModified)
        throw LoadRefused(RootWithout(kDateModifiedAttribute));
    try {
        ParseFileDate(*dateModified, clock.today());
    } catch (const InvalidDate&) {
        //: %1 is the name of an attribute of the data file (DateModified), shown as it is; %2
        //: is the text that was read. Dates are written year/month/day.
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store",
                              "Invalid data file content (%1: '%2' is not a valid date)!")
                              .arg(QString::fromLatin1(kDateModifiedAttribute),
                                   QuotedInMessage(*dateModified)));
    }

    int persons = 0;
    int rels = 0;
    PersonCache listed;
    const int count = reg.doc.rootCount();
    for (int i = 0; i < count; ++i) {
        Element node = reg.doc.rootChild(i);
        if (node.hasLocalName(kPersonElement)) {
            NormalizeAttribute(node, kIdAttribute, report);
            // Listed in the same pass, with the identifier as it now stands.
            listed.append(node);
            ++persons;
        } else if (node.hasLocalName(kRelElement)) {
            NormalizeAttribute(node, kId1Attribute, report);
            NormalizeAttribute(node, kId2Attribute, report);
            ++rels;
        }
    }
    reg.resetCounts(persons, rels, std::move(listed));
    // Identifiers rewritten to their current form change the document against its file.
    if (!report.conversions.empty())
        reg.markModified();

    // The stored counts must match exactly as text: "007" is not 7.
    if (root.attribute(kPersonCountAttribute) != QString::number(persons) ||
        root.attribute(kRelCountAttribute) != QString::number(rels))
        throw LoadRefused(
            QCoreApplication::translate("orvanel::Store", "Invalid data file content!"));
}

// Runs the steps of a load on an emptied register. Whatever refuses it, the file or the folder,
// leaves the register empty and its reason in the report.
template <class Steps>
LoadReport RunLoad(Register& reg, Steps&& steps)
{
    LoadReport report;
    reg.startLoad();
    try {
        std::forward<Steps>(steps)(report);
    } catch (const Error& e) {
        report.refusal = e.message();
    } catch (const std::exception& e) {
        // Out of memory while parsing, say: still a refusal, never a half-loaded register.
        report.refusal = QString::fromLocal8Bit(e.what());
    }
    if (report.refused()) {
        reg.refuseLoad();
        report.conversions.clear();
    }
    return report;
}

}  // namespace

LoadReport LoadRegister(Register& reg, const Clock& clock)
{
    return RunLoad(reg, [&](LoadReport& report) { LoadInto(reg, clock, report); });
}

LoadReport OpenRegister(Register& reg, const Clock& clock)
{
    return RunLoad(reg, [&](LoadReport& report) {
        // One copy of the program per register: a second one would overwrite the first one's
        // save.
        reg.folderLock = FolderLock::take(reg.folder);
        LoadInto(reg, clock, report);
    });
}

}  // namespace orvanel
