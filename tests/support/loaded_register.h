#pragma once

// A register loaded the way the program loads it: its data file written into a scratch folder,
// read with today's date fixed; what the load reported is kept for the test to read.

#include "store/load.h"
#include "store/register.h"
#include "support/fixed_clock.h"
#include "support/qt_printers.h"
#include "support/register_xml.h"
#include "support/temp_folder.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <gtest/gtest.h>

namespace orvanel::testing {

// The day every test runs on unless it says otherwise.
inline const QDate kTestToday{2026, 12, 6};

// Loads the data file of `reg.folder` into `reg` as the program does. Every test and helper
// program loads through here, so that a change in how the loader is called is made once.
inline LoadReport LoadDataFile(Register& reg, const Clock& clock)
{
    return LoadRegister(reg, clock);
}

// What the program would show after a load: its refusal, if any.
inline QStringList Refusals(const LoadReport& report)
{
    return report.refused() ? QStringList{*report.refusal} : QStringList{};
}

// ASSERT_TRUE(Accepted(report)) fails naming the refusal, so a broken fixture says why.
inline ::testing::AssertionResult Accepted(const LoadReport& report)
{
    if (!report.refused())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the load was refused: "
                                         << report.refusal->toStdString();
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
    Register reg;
    LoadReport report;

    // What the program would show after the last load.
    QStringList refusals() const { return Refusals(report); }
};

}  // namespace orvanel::testing
