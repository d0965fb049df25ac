#pragma once

// The GEDCOM files of the tests: hand-made ones in tests/data/import, written the way genealogy
// programs write them, and small files built in a test from their lines.

#include "import/gedcom_reader.h"
#include "support/qt_printers.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace orvanel::testing {

inline QByteArray GedcomFixture(const char* name)
{
    QFile file(QStringLiteral(ORVANEL_TEST_DATA "/import/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// A 5.5.1 file in UTF-8 of the given record lines, between a header and the trailer.
inline QByteArray Gedcom551(const QStringList& records)
{
    QStringList lines{QStringLiteral("0 HEAD"), QStringLiteral("1 GEDC"), QStringLiteral("2 VERS 5.5.1"),
                      QStringLiteral("1 CHAR UTF-8")};
    lines << records << QStringLiteral("0 TRLR");
    return lines.join(QLatin1Char('\n')).toUtf8() + '\n';
}

// The message a file is refused with; empty when it is read.
inline QString RefusalOf(const QByteArray& file)
{
    try {
        ReadGedcom(file);
    } catch (const ImportRefused& refused) {
        return refused.message();
    }
    return {};
}

// The links of a batch as "person kind other" by the persons' names, for comparing whole.
inline QStringList LinkWords(const ImportBatch& batch)
{
    QStringList words;
    for (const ImportedLink& link : batch.links)
        words << batch.persons[link.person].value.text(PersonField::Name) + QLatin1Char(' ') + link.kind
                     + QLatin1Char(' ') + batch.persons[link.other].value.text(PersonField::Name);
    words.sort();
    return words;
}

}  // namespace orvanel::testing
