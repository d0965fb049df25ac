#include "family/ui/family_box_text.h"

#include <QStringList>

namespace orvanel {

namespace {

QString FullName(const FamilyPerson& person)
{
    return (person.name.trimmed() + QLatin1Char(' ') + person.surname.trimmed()).trimmed();
}

QStringList Marks(const FamilyPerson& person)
{
    QStringList marks;
    if (person.relation.group == FamilyGroup::Twins)
        marks << RelationCaption(person.relation);
    if (person.missing)
        //: A relationship names an ID that no person's record has.
        marks << FamilyBoxText::tr("no record");
    else if (person.deleted)
        marks << FamilyBoxText::tr("deleted");
    return marks;
}

}  // namespace

FamilyBoxLines FamilyBoxText::linesOf(const FamilyPerson& person)
{
    FamilyBoxLines lines;
    lines.name = FullName(person);
    //: %1 is a year of birth.
    lines.born = person.born.isValid() ? tr("born %1").arg(person.born.year()) : tr("born ?");
    lines.id = person.id;
    lines.marks = Marks(person).join(QStringLiteral(", "));
    switch (person.sex) {
    case FamilySex::Male:
        //: The label of a man's box: the letter the Sex field stores.
        lines.sexLabel = tr("M");
        break;
    case FamilySex::Female:
        //: The label of a woman's box: the letter the Sex field stores.
        lines.sexLabel = tr("F");
        break;
    case FamilySex::Unknown:
        lines.sexLabel = QStringLiteral("?");
        break;
    }
    return lines;
}

QString FamilyBoxText::accessibleName(const FamilyPerson& person)
{
    QStringList parts;
    if (const QString name = FullName(person); !name.isEmpty())
        parts << name;
    if (person.born.isValid())
        parts << tr("born %1").arg(person.born.year());
    parts << person.id;
    if (person.relation.group == FamilyGroup::Chosen)
        parts << tr("the chosen person");
    else
        //: %1 is the relation: "mother", "twin brother", "grandchild".
        parts << tr("%1 of the chosen person").arg(RelationCaption(person.relation));
    if (person.missing)
        parts << tr("no record");
    else if (person.deleted)
        parts << tr("deleted");
    return parts.join(QStringLiteral(", "));
}

}  // namespace orvanel
