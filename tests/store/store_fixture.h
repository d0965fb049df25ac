#pragma once

#include "store/load.h"
#include "store/register.h"
#include "support/accepted_load.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

#include <QByteArray>

namespace orvanel::testing {

// A register loaded from the given file bytes in a scratch folder, on a fixed day.
struct LoadedRegister {
    TempFolder folder;
    FixedClock clock{QDate(2026, 12, 7)};
    Register reg;
    LoadReport report;

    explicit LoadedRegister(const QByteArray& fileBytes)
    {
        folder.write(QStringLiteral("zok.xml"), fileBytes);
        reg.folder = folder.path();
        report = LoadRegister(reg, clock);
    }
};

// A person element with only an ID: enough for the store, which looks at nothing else.
inline QByteArray person(const char* id, const char* status = "Active")
{
    return QByteArray(" <Person ID=\"") + id + "\"><Status>" + status + "</Status></Person>\n";
}

inline QByteArray rel(const char* id1, const char* id2, const char* dir = "child",
                      const char* inv = "parent")
{
    return QByteArray(" <Rel ID1=\"") + id1 + "\" ID2=\"" + id2 + "\" Dir=\"" + dir +
           "\" Inv=\"" + inv + "\"/>\n";
}

inline QByteArray registerFile(const QByteArray& children, int persons, int rels,
                               const char* prefix = "AB")
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Register Prefix=\"") + prefix +
           "\" DateModified=\"2025/1/2\" PersonCount=\"" + QByteArray::number(persons) +
           "\" RelCount=\"" + QByteArray::number(rels) + "\">\n" + children + "</Register>\n";
}

}  // namespace orvanel::testing
