#pragma once

#include "store/clock.h"
#include "store/document.h"
#include "store/register.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace orvanel {

// What the person dialog's controls hold for one person: the working copy of a record while it
// is edited. Multi-line values are kept as one text with lines separated by "\n".
struct PersonRecord {
    QString id;            // ed_id
    QString optionalId;    // ed_optional_id
    QString name;          // ed_name
    QString middleName;    // ed_mname
    QString surname;       // ed_surname
    int sexIndex = 0;      // rg_sex: 0 "Male", 1 "Female", -1 none chosen
    QDate birth;           // dt_Birth
    QString streetAddress; // mem_streetaddress
    QString city;          // ed_city
    QString state;         // ed_state
    QString zipCode;       // ed_zipcode
    QString country;       // ed_country
    QString phone1;        // ed_phone1
    QString phone2;        // ed_phone2
    QString fax;           // ed_fax
    QString mobile;        // ed_mobile
    QString email;         // ed_email
    QString comment;       // memo_comment
};

// The values a new person's dialog opens with.
PersonRecord NewPersonDefaults(const QString& personId, const Clock& clock);

// Reads a Person element into `out`, value by value in the dialog's order. On a missing child
// (NodeNotFound) or an unreadable birth date (InvalidDate) it throws, and `out` keeps the values
// read before the failing one. Multi-line values come back as their FillMemo lines joined by "\n".
// A null element (no record carries the ID) throws NodeNotFound for "Person", here and in
// UpdatePerson, before anything is read or written.
void ReadPerson(Element person, const QString& personId, const Clock& clock, PersonRecord& out);

// Appends the person to the register: ID, then the twenty children in order. Line breaks of
// multi-line values are stored as LF (a CR LF given is stored as LF). Returns the new element.
Element WriteNewPerson(Register& reg, const PersonRecord& record, const Clock& clock);

// Rewrites the values of an existing Person element through the register and stamps its
// DateModified with today.
void UpdatePerson(Register& reg, const PersonRecord& record, Element person, const Clock& clock);

// The lines of a stored multi-line text, split at LF; the whole text is kept. A CR right before
// an LF (from files written with CR LF) is dropped; a final LF adds no empty line.
QStringList FillMemo(const QString& stored);

}  // namespace orvanel
