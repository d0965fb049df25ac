#pragma once

#include "store/clock.h"

#include <QDate>
#include <QString>

namespace orvanel {

// What the search window's list may be narrowed by. Lives as long as the search window and is
// changed only when the filter dialog is closed with OK.
struct FilterCriteria {
    bool IdEnabled = false;
    QString IdText;
    bool NameEnabled = false;
    QString NameText;
    bool MiddleNameEnabled = false;
    QString MiddleNameText;
    bool SurnameEnabled = false;
    QString SurnameText;
    bool DateEnabled = false;
    // The item index of the sex choice: 0 any, 1 males, 2 females. Anything else (such as the
    // -1 of a group with nothing chosen) tests nothing, like 0.
    int SexChoice = 0;
    bool ContactEnabled = false;
    QString ContactText;
    QDate DateFrom;  // first day of the birth-date range, included
    QDate DateTo;    // last day of the birth-date range, included
};

// The criteria a new search window starts with: every test off, empty texts, any sex, and the
// birth-date range 1850/1/1 to 2050/1/1 read the way the data file's dates are read.
FilterCriteria InitialFilterCriteria(const Clock& clock);

// The code letter stored in a record's Sex for a sex choice: "M" for 1, "F" for 2, and the
// empty text for every other choice, which has no sex test.
QString SexCode(int sexChoice);

// True when the birth-date range is usable: `to` is the same day as `from` or later. The date
// check box follows this whenever the user changes either date.
bool DateRangeInOrder(QDate from, QDate to);

// Whether the filter dialog may close with OK: a checked birth-date test needs a range in
// order; an inverted range is accepted while its test is off.
bool FilterDatesAcceptable(bool dateEnabled, QDate from, QDate to);

}  // namespace orvanel
