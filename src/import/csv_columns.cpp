#include "import/csv_columns.h"

#include "store/record_names.h"

#include <QRegularExpression>

namespace orvanel {

namespace {

using K = CsvColumnKind;
using F = PersonField;

// The groups of address columns, in the order the register's one address is taken from: the
// first that holds anything in a record.
constexpr int kHomeAddress = 1;
constexpr int kWorkAddress = 2;
constexpr int kOtherAddress = 3;
// "Address 1 - Street" and so on are groups 11, 12, ...; their phones and types are numbered.
constexpr int kNumberedAddress = 10;

struct KnownHeader {
    const char* header;  // compared without case
    CsvColumn column;
};

// The address books' titles. One table: a title added here is read wherever it appears.
const KnownHeader kKnownHeaders[] = {
    {"First Name", {K::Field, F::Name}},
    {"Given Name", {K::Field, F::Name}},
    {"Middle Name", {K::Field, F::MiddleName}},
    {"Additional Name", {K::Field, F::MiddleName}},
    {"Last Name", {K::Field, F::Surname}},
    {"Family Name", {K::Field, F::Surname}},
    {"Display Name", {K::FullName}},
    {"Full Name", {K::FullName}},
    {"Notes", {K::Field, F::Comment}},
    {"Note", {K::Field, F::Comment}},
    {"Gender", {K::Sex}},
    {"Birthday", {K::Birthday}},
    {"Birth Date", {K::Birthday}},
    {"Birth Year", {K::BirthYear}},
    {"Birth Month", {K::BirthMonth}},
    {"Birth Day", {K::BirthDay}},
    {"E-mail Address", {K::EMail}},
    {"E-mail 2 Address", {K::EMail}},
    {"E-mail 3 Address", {K::EMail}},
    {"Primary Email", {K::EMail}},
    {"Secondary Email", {K::EMail}},
    {"E-mail", {K::EMail}},
    {"E-mail Type", {K::Ignored}},
    {"E-mail 2 Type", {K::Ignored}},
    {"E-mail 3 Type", {K::Ignored}},
    {"E-mail Display Name", {K::Ignored}},
    {"E-mail 2 Display Name", {K::Ignored}},
    {"E-mail 3 Display Name", {K::Ignored}},
    {"Home Phone", {K::Phone}},
    {"Home Phone 2", {K::Phone}},
    {"Primary Phone", {K::Phone}},
    {"Business Phone", {K::Phone}},
    {"Business Phone 2", {K::Phone}},
    {"Work Phone", {K::Phone}},
    {"Other Phone", {K::Phone}},
    {"Phone", {K::Phone}},
    {"Mobile Phone", {K::Mobile}},
    {"Mobile Number", {K::Mobile}},
    {"Home Fax", {K::Fax}},
    {"Business Fax", {K::Fax}},
    {"Other Fax", {K::Fax}},
    {"Fax Number", {K::Fax}},
    {"Home Street", {K::AddressPart, F::StreetAddress, kHomeAddress}},
    {"Home Street 2", {K::AddressPart, F::StreetAddress, kHomeAddress}},
    {"Home Street 3", {K::AddressPart, F::StreetAddress, kHomeAddress}},
    {"Home Address", {K::AddressPart, F::StreetAddress, kHomeAddress}},
    {"Home Address 2", {K::AddressPart, F::StreetAddress, kHomeAddress}},
    {"Home Address PO Box", {K::AddressPart, F::StreetAddress, kHomeAddress}},
    {"Home City", {K::AddressPart, F::City, kHomeAddress}},
    {"Home State", {K::AddressPart, F::State, kHomeAddress}},
    {"Home Postal Code", {K::AddressPart, F::ZipCode, kHomeAddress}},
    {"Home ZipCode", {K::AddressPart, F::ZipCode, kHomeAddress}},
    {"Home Country/Region", {K::AddressPart, F::Country, kHomeAddress}},
    {"Home Country", {K::AddressPart, F::Country, kHomeAddress}},
    {"Business Street", {K::AddressPart, F::StreetAddress, kWorkAddress}},
    {"Business Street 2", {K::AddressPart, F::StreetAddress, kWorkAddress}},
    {"Business Street 3", {K::AddressPart, F::StreetAddress, kWorkAddress}},
    {"Business Address PO Box", {K::AddressPart, F::StreetAddress, kWorkAddress}},
    {"Business City", {K::AddressPart, F::City, kWorkAddress}},
    {"Business State", {K::AddressPart, F::State, kWorkAddress}},
    {"Business Postal Code", {K::AddressPart, F::ZipCode, kWorkAddress}},
    {"Business Country/Region", {K::AddressPart, F::Country, kWorkAddress}},
    {"Work Address", {K::AddressPart, F::StreetAddress, kWorkAddress}},
    {"Work Address 2", {K::AddressPart, F::StreetAddress, kWorkAddress}},
    {"Work City", {K::AddressPart, F::City, kWorkAddress}},
    {"Work State", {K::AddressPart, F::State, kWorkAddress}},
    {"Work ZipCode", {K::AddressPart, F::ZipCode, kWorkAddress}},
    {"Work Country", {K::AddressPart, F::Country, kWorkAddress}},
    {"Other Street", {K::AddressPart, F::StreetAddress, kOtherAddress}},
    {"Other Street 2", {K::AddressPart, F::StreetAddress, kOtherAddress}},
    {"Other Street 3", {K::AddressPart, F::StreetAddress, kOtherAddress}},
    {"Other Address PO Box", {K::AddressPart, F::StreetAddress, kOtherAddress}},
    {"Other City", {K::AddressPart, F::City, kOtherAddress}},
    {"Other State", {K::AddressPart, F::State, kOtherAddress}},
    {"Other Postal Code", {K::AddressPart, F::ZipCode, kOtherAddress}},
    {"Other Country/Region", {K::AddressPart, F::Country, kOtherAddress}},
};

// The numbered columns: "Address 2 - City", "Phone 1 - Value", "E-mail 1 - Label".
struct NumberedPart {
    const char* part;  // compared without case
    CsvColumn column;  // group: the address group is kNumberedAddress + the number
};

const NumberedPart kAddressParts[] = {
    {"Street", {K::AddressPart, F::StreetAddress}},
    {"Extended Address", {K::AddressPart, F::StreetAddress}},
    {"PO Box", {K::AddressPart, F::StreetAddress}},
    {"City", {K::AddressPart, F::City}},
    {"Region", {K::AddressPart, F::State}},
    {"Postal Code", {K::AddressPart, F::ZipCode}},
    {"Country", {K::AddressPart, F::Country}},
    {"Formatted", {K::AddressWhole, F::StreetAddress}},
    {"Type", {K::Ignored}},
    {"Label", {K::Ignored}},
};

std::optional<CsvColumn> Numbered(const QString& title)
{
    static const QRegularExpression kForm(
        QStringLiteral("^(address|phone|e-mail) (\\d{1,3}) - (.+)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kForm.match(title);
    if (!match.hasMatch())
        return std::nullopt;
    const QString what = match.captured(1).toLower();
    const int number = match.captured(2).toInt();
    const QString part = match.captured(3);
    const auto is = [&](const char* name) {
        return part.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (what == QLatin1String("address")) {
        for (const NumberedPart& known : kAddressParts) {
            if (is(known.part)) {
                CsvColumn column = known.column;
                column.group = kNumberedAddress + number;
                return column;
            }
        }
        return std::nullopt;
    }
    if (what == QLatin1String("phone")) {
        if (is("Value"))
            return CsvColumn{K::NumberedPhone, F::Phone1, number};
        if (is("Type") || is("Label"))
            return CsvColumn{K::PhoneType, F::Phone1, number};
        return std::nullopt;
    }
    if (is("Value"))
        return CsvColumn{K::EMail};
    if (is("Type") || is("Label"))
        return CsvColumn{K::Ignored};
    return std::nullopt;
}

// The column of this program's own export with this title.
std::optional<CsvColumn> Own(const QString& title)
{
    if (title.compare(QLatin1String(kIdAttribute), Qt::CaseInsensitive) == 0)
        return CsvColumn{K::Ignored};  // an imported person gets an ID of its register's
    for (const PersonFieldInfo& info : kPersonFields) {
        if (!info.csv || title.compare(QLatin1String(info.element), Qt::CaseInsensitive) != 0)
            continue;
        if (!info.edited)
            return CsvColumn{K::Ignored};  // the record's status and dates are the register's
        if (info.form == TextForm::SexWord)
            return CsvColumn{K::Sex, info.field};
        if (info.form == TextForm::Date)
            return CsvColumn{K::Birthday, info.field};
        return CsvColumn{K::Field, info.field};
    }
    return std::nullopt;
}

std::optional<CsvColumn> Known(const QString& title)
{
    int rank = 0;
    for (const KnownHeader& known : kKnownHeaders) {
        ++rank;
        if (title.compare(QLatin1String(known.header), Qt::CaseInsensitive) == 0) {
            CsvColumn column = known.column;
            column.rank = rank;
            return column;
        }
    }
    std::optional<CsvColumn> numbered = Numbered(title);
    if (numbered)
        numbered->rank = rank + numbered->group;
    return numbered;
}

}  // namespace

bool IsOwnCsvHeader(const QStringList& header)
{
    QStringList own{QString::fromLatin1(kIdAttribute)};
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.csv)
            own << QString::fromLatin1(info.element);
    }
    return header == own;
}

std::vector<CsvColumn> CsvColumns(const QStringList& header)
{
    QStringList titles;
    for (const QString& title : header)
        titles << title.trimmed();
    // Does the header give the given name under an address book's title?
    bool givenElsewhere = false;
    for (const QString& title : titles) {
        const std::optional<CsvColumn> known = Known(title);
        givenElsewhere = givenElsewhere
                         || (known && known->kind == K::Field && known->field == F::Name);
    }
    std::vector<CsvColumn> columns;
    columns.reserve(static_cast<std::size_t>(titles.size()));
    for (const QString& title : titles) {
        const bool wholeName = givenElsewhere && title.compare(QLatin1String(ElementOf(F::Name)),
                                                               Qt::CaseInsensitive) == 0;
        if (wholeName)
            columns.push_back({K::FullName});
        else if (const std::optional<CsvColumn> own = Own(title))
            columns.push_back(*own);
        else
            columns.push_back(Known(title).value_or(CsvColumn{}));
    }
    return columns;
}

}  // namespace orvanel
