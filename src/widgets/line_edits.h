#pragma once

#include <QLineEdit>
#include <limits>

namespace orvanel {

// A line edit cuts what it is given at its maximum length, 32,767 characters by default, and
// would so shorten a stored value just by showing it. Fields that show or take stored text
// have no limit.
inline void KeepWholeText(QLineEdit& edit)
{
    edit.setMaxLength(std::numeric_limits<int>::max());
}

}  // namespace orvanel
