#include "store/load.h"

#include "store/data_file.h"
#include "store/errors.h"
#include "store/memory_need.h"
#include "store/kept_register.h"

#include <exception>
#include <utility>

#include <QFileInfo>

namespace orvanel {

namespace {

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
    reg.loadedFile = std::move(file.identity);
    KeptRegister kept = ReadKeptRegister(std::move(file.bytes), clock, progress);
    reg.idPrefix = kept.idPrefix;
    reg.idCodePage = kept.idCodePage;
    report.conversions = kept.conversions;
    reg.adopt(std::move(kept));
    // Identifiers rewritten to their current form change the records against their file.
    if (!report.conversions.empty())
        reg.markModified();
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
