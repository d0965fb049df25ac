#include "store/load.h"

#include "store/data_file.h"
#include "store/errors.h"
#include "store/file_date.h"
#include "store/memory_need.h"
#include "store/quoted_text.h"
#include "store/record_pass.h"
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

void LoadInto(Register& reg, const Clock& clock, LoadProgress* progress, LoadReport& report)
{
    // Refused before a byte is read if the register cannot fit in memory.
    const QFileInfo dataFile(reg.dataPath());
    if (dataFile.isFile()) {
        const QString refusal =
            MemoryRefusal(dataFile.size(), SystemFreeMemory(), dataFile.fileName());
        if (!refusal.isEmpty())
            throw LoadRefused(refusal);
    }
    DataFileContent file = ReadDataFile(reg.dataPath());
    // The records are read as the parser closes each one, not in a walk of the finished tree.
    RecordPassDuringParse passing(progress);
    reg.doc = Document::parse(std::move(file.memory), &passing);
    reg.loadedFile = std::move(file.identity);
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

    RecordPass pass = passing.result(reg.doc);
    reg.idCodePage = std::move(pass.idCodePage);
    // Identifiers in an older form are written in their current one, and listed as they now are.
    for (IdRewrite& rewrite : pass.rewrites) {
        rewrite.record.setAttribute(rewrite.attribute, rewrite.to);
        if (rewrite.record.hasLocalName(kPersonElement))
            pass.listed.refresh(rewrite.record);
        report.conversions.push_back({std::move(rewrite.from), std::move(rewrite.to)});
    }
    const int persons = pass.persons;
    const int rels = pass.rels;
    reg.resetCounts(persons, rels, std::move(pass.listed), std::move(pass.related));
    // Identifiers rewritten to their current form change the document against its file.
    if (!report.conversions.empty())
        reg.markModified();

    // The stored counts must match exactly as text: "007" is not 7.
    if (root.attribute(kPersonCountAttribute) != QString::number(persons) ||
        root.attribute(kRelCountAttribute) != QString::number(rels))
        throw LoadRefused(
            QCoreApplication::translate("orvanel::Store", "Invalid data file content!"));

    // A stop asked while the last pieces were read still stops the load.
    if (progress && !progress->goOn(reg.loadedFile.size, reg.loadedFile.size))
        throw ParseStopped();
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
    } catch (const ParseStopped&) {
        report.stopped = true;
    } catch (const Error& e) {
        report.refusal = e.message();
    } catch (const std::exception& e) {
        // Out of memory while parsing, say: still a refusal, never a half-loaded register.
        report.refusal = QString::fromLocal8Bit(e.what());
    }
    if (report.refused() || report.stopped) {
        reg.refuseLoad();
        report.conversions.clear();
    }
    return report;
}

}  // namespace

LoadReport LoadRegister(Register& reg, const Clock& clock, LoadProgress* progress)
{
    return RunLoad(reg, [&](LoadReport& report) { LoadInto(reg, clock, progress, report); });
}

LoadReport OpenRegister(Register& reg, const Clock& clock, LoadProgress* progress)
{
    return RunLoad(reg, [&](LoadReport& report) {
        // One copy of the program per register: a second one would overwrite the first one's
        // save.
        reg.folderLock = FolderLock::take(reg.folder);
        LoadInto(reg, clock, progress, report);
    });
}

}  // namespace orvanel
