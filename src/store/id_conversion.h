#pragma once

#include <QString>

namespace orvanel {

// An identifier a load found in an older form, and the current form it now has.
struct IdConversion {
    QString from;
    QString to;
};

}  // namespace orvanel
