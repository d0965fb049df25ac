#pragma once

#include "store/person_fields.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What a CSV column holds, known by its header: this program's own export and the address-book
// exports people bring their contacts in.

namespace orvanel {

enum class CsvColumnKind : std::uint8_t {
    Unknown,       // no field: its data is counted as lost
    Ignored,       // says nothing the register could lose (an ID, a record date, a type of e-mail)
    Field,         // the text as it is into `field`
    Phone,         // a phone number: the first free phone field
    Mobile,        // a mobile phone number
    Fax,           // a fax number
    EMail,         // an e-mail address: the e-mail field when it is free
    AddressPart,   // part of address `group` into `field`; lines of a street add up
    AddressWhole,  // address `group` written whole: taken when its parts are empty
    FullName,      // a name written whole, split when the name parts are empty
    Birthday,      // a birth date
    BirthYear,     // a birth date in three columns
    BirthMonth,
    BirthDay,
    Sex,           // "M", "F", "Male", "Female"
    NumberedPhone, // the phone of number `group`, whose type a column of its own gives
    PhoneType,     // the type of phone `group` ("Mobile", "Home Fax", ...)
};

struct CsvColumn {
    CsvColumnKind kind = CsvColumnKind::Unknown;
    PersonField field = PersonField::Comment;
    int group = 0;
    // Where the column stands among those that fill the same field: a home phone before a work
    // phone, the first e-mail before the second, whatever order the header has.
    int rank = 0;
};

// The columns of a header row, in its order. The elements of the field table's CSV columns and
// "ID" are this program's own export; the others are the address books'. "Name" is this
// program's given name, unless the header gives the given name under another title: then it is
// the whole name, as some address books write it beside its parts.
std::vector<CsvColumn> CsvColumns(const QStringList& header);

// True when the header is exactly this program's own export's.
bool IsOwnCsvHeader(const QStringList& header);

}  // namespace orvanel
