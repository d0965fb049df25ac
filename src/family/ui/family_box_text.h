#pragma once

#include "family/family_tree.h"

#include <QCoreApplication>
#include <QString>

namespace orvanel {

// What a person's box of the family picture says, line by line.
struct FamilyBoxLines {
    QString name;      // name and surname
    QString born;      // "born 1950", or a question mark for a date the record lacks
    QString id;
    QString marks;     // twin, deleted, no record: what sets the box apart besides its place
    QString sexLabel;  // "M", "F" or "?", in a corner: sex told by a letter, not by colour alone
};

class FamilyBoxText {
    Q_DECLARE_TR_FUNCTIONS(FamilyBoxText)

public:
    static FamilyBoxLines linesOf(const FamilyPerson& person);
    // What a screen reader says of the box: "Anna Ozola, born 1950, OR0012-4, mother of the
    // chosen person".
    static QString accessibleName(const FamilyPerson& person);
};

}  // namespace orvanel
