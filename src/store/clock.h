#pragma once

#include <QDate>

namespace orvanel {

// Today's date reaches the code through this, so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

}  // namespace orvanel
