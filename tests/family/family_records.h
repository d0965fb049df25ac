#pragma once

// Registers of families for the family picture's tests: persons named by short IDs, with their
// sex, date of birth and status, and parent and sibling relationships between them.

#include "family/family_tree.h"
#include "support/register_xml.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace orvanel::testing {

inline const QDate kFamilyToday{2026, 12, 6};

// A person whose name is their ID.
inline QByteArray Member(const QString& id, const QString& sex = QStringLiteral("M"),
                         const QString& born = QStringLiteral("1960/5/17"),
                         const QString& status = QStringLiteral("Active"))
{
    return PersonXml(id)
        .set({{QStringLiteral("Name"), id},
              {QStringLiteral("Surname"), QStringLiteral("Ozols")},
              {QStringLiteral("Sex"), sex},
              {QStringLiteral("DateOfBirth"), born},
              {QStringLiteral("Status"), status}})
        .xml();
}

// `parent` is parent of `child`, stored from the parent's side.
inline QByteArray ParentOf(const QString& parent, const QString& child)
{
    return RelXml(parent, child, QStringLiteral("parent"), QStringLiteral("child"));
}

// The same, stored from the child's side, as the child's dialog writes it.
inline QByteArray ChildOf(const QString& child, const QString& parent)
{
    return RelXml(child, parent, QStringLiteral("child"), QStringLiteral("parent"));
}

inline QByteArray Beside(const QString& a, const QString& b,
                         const QString& kind = QStringLiteral("sibling"))
{
    return RelXml(a, b, kind, kind);
}

// The IDs of one generation, in the order the family gives them.
inline QStringList Row(const Family& family, int generation)
{
    QStringList ids;
    for (const FamilyPerson& person : family.persons) {
        if (person.generation == generation)
            ids.append(person.id);
    }
    return ids;
}

// "parent>child" for every link, sorted.
inline QStringList Links(const Family& family)
{
    QStringList out;
    for (const FamilyLink& link : family.links)
        out.append(family.persons[static_cast<size_t>(link.parent)].id + QLatin1Char('>') +
                   family.persons[static_cast<size_t>(link.child)].id);
    out.sort();
    return out;
}

}  // namespace orvanel::testing
