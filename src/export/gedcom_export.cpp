#include "export/gedcom_export.h"

#include "export/gedcom_date.h"
#include "export/gedcom_families.h"
#include "store/record_names.h"

#include <QStringList>

#ifndef ORVANEL_VERSION
#error "the build gives the program's version as ORVANEL_VERSION"
#endif

namespace orvanel {

namespace {

// Where the tags of our own are described, as 7.0 wants every extension tag declared.
constexpr const char* kOwnTags[][2] = {
    {"_MIDN", "https://orvanel.example.org/gedcom/_MIDN"},
    {"_FIELD", "https://orvanel.example.org/gedcom/_FIELD"},
};

QString PersonXref(size_t index)
{
    return QStringLiteral("I%1").arg(index + 1);
}

QString FamilyXref(size_t index)
{
    return QStringLiteral("F%1").arg(index + 1);
}

const QString kSubmitter = QStringLiteral("U1");

void AddHeader(GedcomLines& lines, GedcomVersion version, QDate today)
{
    lines.add(0, "HEAD");
    if (version == GedcomVersion::V70) {
        lines.add(1, "GEDC");
        lines.add(2, "VERS", QStringLiteral("7.0"));
        lines.add(1, "SCHMA");
        for (const auto& [tag, uri] : kOwnTags)
            lines.add(2, "TAG", QLatin1String(tag) + QLatin1Char(' ') + QLatin1String(uri));
    }
    lines.add(1, "SOUR", QStringLiteral("ORVANEL"));
    lines.add(2, "VERS", QStringLiteral(ORVANEL_VERSION));
    lines.add(2, "NAME", QStringLiteral("Orvanel"));
    lines.add(1, "DATE", GedcomDate(today));
    if (version == GedcomVersion::V551) {
        lines.add(1, "GEDC");
        lines.add(2, "VERS", QStringLiteral("5.5.1"));
        lines.add(2, "FORM", QStringLiteral("LINEAGE-LINKED"));
        lines.add(1, "CHAR", QStringLiteral("UTF-8"));
        lines.pointer(1, "SUBM", kSubmitter);
    }
}

QString Joined(std::initializer_list<QString> parts)
{
    QStringList present;
    for (const QString& part : parts) {
        if (!part.isEmpty())
            present << part;
    }
    return present.join(QLatin1Char(' '));
}

void AddName(GedcomLines& lines, const PersonValue& value)
{
    const QString& middle = value.text(PersonField::MiddleName);
    const QString& surname = value.text(PersonField::Surname);
    const QString given = Joined({value.text(PersonField::Name), middle});
    lines.add(1, "NAME", Joined({given, QLatin1Char('/') + surname + QLatin1Char('/')}));
    if (!given.isEmpty())
        lines.add(2, "GIVN", given);
    if (!surname.isEmpty())
        lines.add(2, "SURN", surname);
    if (!middle.isEmpty())
        lines.add(2, "_MIDN", middle);
}

QString SexCode(const QString& stored)
{
    for (const char* code : {kMaleSex, kFemaleSex}) {
        if (stored.compare(QLatin1String(code), Qt::CaseInsensitive) == 0)
            return QLatin1String(code);
    }
    return QStringLiteral("U");
}

// The address, phones, fax and e-mail, in the residence event both versions give them.
void AddResidence(GedcomLines& lines, const PersonValue& value)
{
    using F = PersonField;
    static constexpr std::pair<F, const char*> kAddressParts[] = {
        {F::StreetAddress, "ADR1"}, {F::City, "CITY"}, {F::State, "STAE"},
        {F::ZipCode, "POST"},       {F::Country, "CTRY"},
    };
    // Phone2 and Mobile say which they are, so that a reading gives each its own field back.
    static constexpr std::pair<F, const char*> kPhones[] = {
        {F::Phone1, nullptr}, {F::Phone2, "Phone2"}, {F::Mobile, "Mobile"}};

    bool address = false;
    for (const auto& [field, tag] : kAddressParts)
        address = address || !value.text(field).isEmpty();
    bool any = address;
    for (const F field : {F::Phone1, F::Phone2, F::Mobile, F::Fax, F::EMail})
        any = any || !value.text(field).isEmpty();
    if (!any)
        return;

    lines.add(1, "RESI");
    if (address) {
        // ADDR holds the street with all its lines. ADR1 is one line in 5.5.1, with no CONT of
        // its own: a street of several lines is left to ADDR alone, where a reader finds it
        // whole, rather than cut to its first line.
        const QString& street = value.text(F::StreetAddress);
        lines.add(2, "ADDR", street);
        for (const auto& [field, tag] : kAddressParts) {
            const QString& text = value.text(field);
            const bool oneLine =
                !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
            if (!text.isEmpty() && (field != F::StreetAddress || oneLine))
                lines.add(3, tag, text);
        }
    }
    for (const auto& [field, name] : kPhones) {
        if (value.text(field).isEmpty())
            continue;
        lines.add(2, "PHON", value.text(field));
        if (name != nullptr)
            lines.add(3, "_FIELD", QLatin1String(name));
    }
    if (!value.text(F::Fax).isEmpty())
        lines.add(2, "FAX", value.text(F::Fax));
    if (!value.text(F::EMail).isEmpty())
        lines.add(2, "EMAIL", value.text(F::EMail));
}

// The families of each person, as a child and as a parent, in the families' order.
struct FamiliesOfPersons {
    explicit FamiliesOfPersons(const GedcomLinks& links)
        : asChild(links.twinsOf.size()), asParent(links.twinsOf.size())
    {
        for (size_t f = 0; f < links.families.size(); ++f) {
            const GedcomFamily& family = links.families[f];
            for (const std::optional<size_t>& parent : {family.husband, family.wife}) {
                if (parent)
                    asParent[*parent].push_back(f);
            }
            for (const size_t child : family.children)
                asChild[child].push_back(f);
        }
    }
    std::vector<std::vector<size_t>> asChild;
    std::vector<std::vector<size_t>> asParent;
};

void AddPerson(GedcomLines& lines, GedcomVersion version, const ExportedPerson& person,
               size_t index, const GedcomLinks& links, const FamiliesOfPersons& families,
               QDate today)
{
    const PersonValue& value = person.value;
    lines.record(PersonXref(index), "INDI");
    AddName(lines, value);
    lines.add(1, "SEX", SexCode(value.text(PersonField::Sex)));
    if (const QString& birth = value.text(PersonField::DateOfBirth); !birth.isEmpty()) {
        lines.add(1, "BIRT");
        AddGedcomDate(lines, version, 2, birth, today);
    }
    AddResidence(lines, value);
    if (const QString& comment = value.text(PersonField::Comment); !comment.isEmpty())
        lines.add(1, "NOTE", comment);
    lines.add(1, "REFN", value.id);
    if (const QString& optional = value.text(PersonField::OptionalID); !optional.isEmpty()) {
        lines.add(1, "REFN", optional);
        lines.add(2, "TYPE", QStringLiteral("OptionalID"));
    }
    for (const size_t family : families.asChild[index])
        lines.pointer(1, "FAMC", FamilyXref(family));
    for (const size_t family : families.asParent[index])
        lines.pointer(1, "FAMS", FamilyXref(family));
    for (const size_t twin : links.twinsOf[index]) {
        lines.pointer(1, "ASSO", PersonXref(twin));
        if (version == GedcomVersion::V551) {
            lines.add(2, "RELA", QStringLiteral("twin"));
        } else {
            lines.add(2, "ROLE", QStringLiteral("OTHER"));
            lines.add(3, "PHRASE", QStringLiteral("twin"));
        }
    }
}

void AddFamily(GedcomLines& lines, const GedcomFamily& family, size_t index)
{
    lines.record(FamilyXref(index), "FAM");
    if (family.husband)
        lines.pointer(1, "HUSB", PersonXref(*family.husband));
    if (family.wife)
        lines.pointer(1, "WIFE", PersonXref(*family.wife));
    for (const size_t child : family.children)
        lines.pointer(1, "CHIL", PersonXref(child));
}

}  // namespace

GedcomFile GedcomExport(const std::vector<ExportedPerson>& persons, GedcomVersion version,
                        QDate today)
{
    const GedcomLinks links = GedcomFamilies(persons);
    GedcomLines lines(version);
    AddHeader(lines, version, today);
    const FamiliesOfPersons families(links);
    for (size_t i = 0; i < persons.size(); ++i)
        AddPerson(lines, version, persons[i], i, links, families, today);
    for (size_t f = 0; f < links.families.size(); ++f)
        AddFamily(lines, links.families[f], f);
    if (version == GedcomVersion::V551) {
        lines.record(kSubmitter, "SUBM");
        lines.add(1, "NAME", QStringLiteral("Orvanel"));
    }
    lines.add(0, "TRLR");
    return {lines.take(), links.report};
}

}  // namespace orvanel
