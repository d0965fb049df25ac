#pragma once

// A register loaded the way the program loads it: its data file written into a scratch folder,
// read with today's date fixed, and the message boxes recorded.

#include "store/load.h"
#include "store/register.h"
#include "support/fixed_clock.h"
#include "support/qt_printers.h"
#include "support/recording_messages.h"
#include "support/register_xml.h"
#include "support/temp_folder.h"

#include <QByteArray>
#include <QDate>

namespace orvanel::testing {

// The day every test runs on unless it says otherwise.
inline const QDate kTestToday{2026, 12, 6};

// Loads the data file of `reg.folder` into `reg` as the program does. Every test and helper
// program loads through here, so that a change in how the loader is called is made once.
inline LoadReport LoadDataFile(Register& reg, Messages& messages, const Clock& clock)
{
    return LoadRegister(reg, messages, clock);
}

class LoadedRegister {
public:
    // An empty scratch folder and no register yet: write a data file, then load().
    LoadedRegister() = default;
    // Loads these file bytes, whatever comes of it: the test reads the outcome.
    explicit LoadedRegister(const QByteArray& fileBytes, QDate today = kTestToday);
    // Loads a register the test built, which must load.
    explicit LoadedRegister(const RegisterXml& xml, QDate today = kTestToday);

    void writeDataFile(const QByteArray& bytes) const;
    QByteArray fileBytes() const;
    // Reads the data file into a fresh register.
    void load();
    // Writes the register as the program's save does and reads it back from the file, which
    // must load.
    void saveAndReload();

    TempFolder folder;
    FixedClock clock{kTestToday};
    RecordingMessages messages;
    Register reg;
    LoadReport report;
};

}  // namespace orvanel::testing
