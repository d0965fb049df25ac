#pragma once

// Small registers for the logic tests: XML text built record by record, written as the data
// file of a scratch folder and loaded the way the program loads it.

#include "store/load.h"
#include "store/person_id.h"
#include "store/register.h"
#include "store/save.h"
#include "support/fixed_clock.h"
#include "support/accepted_load.h"
#include "support/temp_folder.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <gtest/gtest.h>

namespace orvanel::testing {

// The identifier the program generates for sequence number `n` under the prefix "AB".
inline QString Id(int n)
{
    return FormatId(QStringLiteral("AB"), n);
}

inline QByteArray Escaped(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

class RegisterXml {
public:
    // A Person with all twenty children; the other values are plain fixed texts.
    RegisterXml& person(const QString& id, const QString& name, const QString& middleName,
                        const QString& surname, const QString& status = QStringLiteral("Active"))
    {
        QByteArray xml = " <Person ID=\"" + Escaped(id) + "\">\n";
        auto field = [&xml](const char* element, const QString& value) {
            xml += QByteArray("  <") + element + ">" + Escaped(value) + "</" + element + ">\n";
        };
        field("OptionalID", QString());
        field("Name", name);
        field("MiddleName", middleName);
        field("Surname", surname);
        field("Sex", QStringLiteral("M"));
        field("DateOfBirth", QStringLiteral("1960/5/17"));
        field("StreetAddress", QString());
        field("City", QString());
        field("State", QString());
        field("ZipCode", QString());
        field("Country", QString());
        field("Phone1", QString());
        field("Phone2", QString());
        field("Fax", QString());
        field("Mobile", QString());
        field("EMail", QString());
        field("Comment", QString());
        field("Status", status);
        field("DateCreated", QStringLiteral("2020/1/1"));
        field("DateModified", QStringLiteral("2020/1/1"));
        xml += " </Person>\n";
        return raw(xml, 1, 0);
    }

    RegisterXml& rel(const QString& id1, const QString& id2, const QString& dir,
                     const QString& inv)
    {
        return raw(" <Rel ID1=\"" + Escaped(id1) + "\" ID2=\"" + Escaped(id2) + "\" Dir=\"" +
                       Escaped(dir) + "\" Inv=\"" + Escaped(inv) + "\"/>\n",
                   0, 1);
    }

    // Any other markup; the counts say how many Person and Rel elements it holds.
    RegisterXml& raw(const QByteArray& xml, int persons = 0, int rels = 0)
    {
        body_ += xml;
        persons_ += persons;
        rels_ += rels;
        return *this;
    }

    QByteArray bytes() const
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Register Prefix=\"AB\" "
               "DateModified=\"2026/1/1\" PersonCount=\"" +
               QByteArray::number(persons_) + "\" RelCount=\"" + QByteArray::number(rels_) +
               "\">\n" + body_ + "</Register>\n";
    }

private:
    QByteArray body_;
    int persons_ = 0;
    int rels_ = 0;
};

// A register loaded from a data file in a scratch folder, as the program would load it.
class LoadedRegister {
public:
    explicit LoadedRegister(const RegisterXml& xml, QDate today = QDate(2026, 12, 6))
        : clock(today)
    {
        folder.write(QString::fromLatin1(kDataFileName), xml.bytes());
        load();
    }

    // Writes the register as the program's save does and reads it back from the file.
    void saveAndReload()
    {
        SaveRegister(reg, clock);
        load();
    }

    QByteArray fileBytes() const { return folder.read(QString::fromLatin1(kDataFileName)); }

    TempFolder folder;
    FixedClock clock;
    Register reg;

private:
    void load()
    {
        reg = Register();
        reg.folder = folder.path();
        EXPECT_TRUE(Accepted(LoadRegister(reg, clock)));
    }
};

}  // namespace orvanel::testing
