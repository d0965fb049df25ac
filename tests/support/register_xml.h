#pragma once

// Data files for tests, built record by record: whole Person records with plain values, bare
// records with only what the store reads, relationships, and any markup a test needs to break.

#include "store/person_value.h"
#include "store/register.h"
#include "support/qt_printers.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace orvanel::testing {

// The identifier the program generates for sequence number `n` under the prefix "AB".
QString Id(int n);

QByteArray Escaped(const QString& text);

// The children of a person record, in the order they are stored: the field table's elements.
const QStringList& PersonChildren();

// The fields added after the twenty that this build has (none in the program's own build), by
// element name: a write of a record that lacks them appends them.
QStringList FieldsAddedLater();

// What a write appends to a record of the sample's indentation that lacks the fields added
// later: each as an empty child on a line of its own.
QByteArray EmptyChildrenAddedLater();

// A person value with this ID and these texts, each field named by its element (a name that is
// no field fails the test).
PersonValue ValueOf(const QString& id, const QHash<QString, QString>& texts = {});

// One Person element with all twenty children in stored order. Plain values unless set: "X" as
// name and surname, sex "M", status "Active", born 1960/5/17, created and modified 2020/1/1,
// the rest empty. Any child can be left out.
class PersonXml {
public:
    explicit PersonXml(const QString& id);
    // A record whose every child holds its own name as text, so that a test sees which child
    // reached which control; only sex, status and birth date keep plain values, as the program
    // reads them as a choice or a date.
    static PersonXml Labelled(const QString& id);

    PersonXml& set(const QString& child, const QString& value);
    PersonXml& set(const QHash<QString, QString>& values);
    PersonXml& without(const QString& child);
    QByteArray xml() const;

private:
    QString id_;
    QMap<QString, QString> values_;
    QSet<QString> missing_;
};

// A Person element with only an ID and a status: enough for the store, which reads nothing else.
QByteArray BarePerson(const QString& id, const QString& status = QStringLiteral("Active"));

QByteArray RelXml(const QString& id1, const QString& id2, const QString& dir = QStringLiteral("child"),
                  const QString& inv = QStringLiteral("parent"));

// A whole data file around `records`, with the counts its root states (right or not).
QByteArray RegisterFile(const QByteArray& records, int persons, int rels,
                        const QByteArray& prefix = "AB");

// `utf8File` as a system whose code page is Windows 1257 writes it, declaration included, for
// files whose only character beyond ASCII is Š (the byte 0xD0 there).
QByteArray AsWindows1257(QByteArray utf8File);

// A data file whose root counts follow the records added.
class RegisterXml {
public:
    RegisterXml& person(const PersonXml& record) { return raw(record.xml(), 1, 0); }
    RegisterXml& person(const QString& id, const QString& name, const QString& middleName,
                        const QString& surname, const QString& status = QStringLiteral("Active"));
    RegisterXml& rel(const QString& id1, const QString& id2, const QString& dir,
                     const QString& inv)
    {
        return raw(RelXml(id1, id2, dir, inv), 0, 1);
    }
    // Any other markup; the counts say how many Person and Rel elements it holds.
    RegisterXml& raw(const QByteArray& xml, int persons = 0, int rels = 0);

    QByteArray bytes() const { return RegisterFile(body_, persons_, rels_); }

private:
    QByteArray body_;
    int persons_ = 0;
    int rels_ = 0;
};

// Makes `reg` hold a document parsed from `records` directly, without the loader's checks; its
// persons and relationships are counted and listed as a load does. Whatever `reg` held before is
// dropped. Filled in place, as a register cannot move: its cache points into its document.
void ParseRecordsInto(Register& reg, const QByteArray& records);

// The Rel elements of the register as "ID1 ID2 Dir Inv", in document order.
QStringList RelRecords(Register& reg);

}  // namespace orvanel::testing
