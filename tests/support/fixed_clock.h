#pragma once

#include "store/clock.h"

#include <QDate>

namespace orvanel {

// A clock whose today is whatever the test sets, so dated results do not depend on the run day.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate date) : date_(date) {}
    QDate today() const override { return date_; }
    void set(QDate date) { date_ = date; }

private:
    QDate date_;
};

}  // namespace orvanel
