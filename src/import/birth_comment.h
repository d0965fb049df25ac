#pragma once

#include <QString>

namespace orvanel {

// The line an imported person's comment gets for a birth date that is not one exact day (a year
// alone, a day without a year, an approximation, words), so that nothing the file said is lost:
// "Born: ABT 1890". Every reader words it alike.
QString BirthCommentLine(const QString& written);

}  // namespace orvanel
