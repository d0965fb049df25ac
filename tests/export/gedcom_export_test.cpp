// The GEDCOM export: families rebuilt from the relationships, what is left out, the lines split
// for 5.5.1 and 7.0, birth dates the register holds only in part, and the records of a person.

#include "export/gedcom_date.h"
#include "export/gedcom_export.h"
#include "export/gedcom_families.h"
#include "export/gedcom_lines.h"

#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>

namespace orvanel::testing {
namespace {

const QDate kToday(2026, 12, 6);

// Persons named by their IDs, with a sex, and the relationships each reads ("child" of ...).
struct Given {
    const char* id;
    const char* sex;
    std::initializer_list<std::pair<const char*, const char*>> relations;
};

std::vector<ExportedPerson> Persons(std::initializer_list<Given> given)
{
    std::vector<ExportedPerson> persons;
    for (const Given& g : given) {
        ExportedPerson person;
        person.value.id = QString::fromUtf8(g.id);
        person.value.set(PersonField::Sex, QString::fromUtf8(g.sex));
        for (const auto& [kind, other] : g.relations)
            person.relations.push_back({QString::fromUtf8(kind), QString::fromUtf8(other)});
        persons.push_back(std::move(person));
    }
    return persons;
}

// A family as IDs: "husband,wife:child child", an empty place as "-".
QStringList Families(const std::vector<ExportedPerson>& persons, const GedcomLinks& links)
{
    auto id = [&](std::optional<size_t> i) {
        return i ? persons[*i].value.id : QStringLiteral("-");
    };
    QStringList out;
    for (const GedcomFamily& family : links.families) {
        QStringList children;
        for (const size_t child : family.children)
            children << persons[child].value.id;
        out << id(family.husband) + ',' + id(family.wife) + ':' + children.join(' ');
    }
    return out;
}

TEST(GedcomFamilies, ChildrenOfTheSameParentsShareAFamilyAndParentsTakePlacesBySex)
{
    // A and B are children of Mother and Father, B's links stored from both sides and twice;
    // C is Mother's alone. G has a parent of unknown sex beside a father; H two mothers.
    const auto persons = Persons({
        {"Mother", "F", {{"parent", "A"}, {"parent", "B"}, {"parent", "C"}}},
        {"A", "M", {{"child", "Mother"}, {"child", "Father"}}},
        {"B", "F", {{"child", "Father"}, {"child", "Mother"}, {"child", "Father"}}},
        {"Father", "m", {{"parent", "B"}}},
        {"C", "", {{"child", "Mother"}}},
        {"Unknown", "", {{"parent", "G"}}},
        {"Dad", "M", {{"parent", "G"}}},
        {"G", "", {}},
        {"Ann", "F", {{"parent", "H"}}},
        {"Eve", "f", {{"parent", "H"}}},
        {"H", "", {}},
    });
    const GedcomLinks links = GedcomFamilies(persons);
    EXPECT_EQ(Families(persons, links),
              (QStringList{"Father,Mother:A B", "-,Mother:C", "Dad,Unknown:G", "Eve,Ann:H"}));
    EXPECT_EQ(links.report.relationsLeftOut, 0);
    EXPECT_EQ(links.report.relationsUnwritable, 0);
    EXPECT_EQ(links.report.parentsInFamiliesOfTheirOwn, 0);
}

TEST(GedcomFamilies, SiblingsWithoutACommonFamilyShareOneOfChildrenAndTwinsAssociateOnce)
{
    // S1, S2 and S3 are siblings with no parent, S2 and S3 twins stored from both sides. T1
    // and T2 are twins in their parents' family, which already makes them siblings. Half-
    // siblings H1 and H2 each have a parent of their own.
    const auto persons = Persons({
        {"S1", "", {{"sibling", "S2"}}},
        {"S2", "", {{"twin", "S3"}, {"sibling", "S1"}}},
        {"S3", "", {{"twin", "S2"}}},
        {"P", "M", {{"parent", "T1"}, {"parent", "T2"}}},
        {"T1", "", {{"twin", "T2"}}},
        {"T2", "", {{"twin", "T1"}, {"twin", "T1"}}},
        {"Q", "F", {{"parent", "H1"}}},
        {"H1", "", {{"sibling", "H2"}}},
        {"R", "F", {{"parent", "H2"}}},
        {"H2", "", {}},
    });
    const GedcomLinks links = GedcomFamilies(persons);
    EXPECT_EQ(Families(persons, links), (QStringList{"P,-:T1 T2", "-,Q:H1", "-,R:H2",
                                                     "-,-:S1 S2 S3", "-,-:H1 H2"}));
    EXPECT_EQ(links.twinsOf[1], (std::vector<size_t>{2}));
    EXPECT_EQ(links.twinsOf[2], (std::vector<size_t>{1}));
    EXPECT_EQ(links.twinsOf[4], (std::vector<size_t>{5}));
    EXPECT_EQ(links.twinsOf[5], (std::vector<size_t>{4}));
    EXPECT_TRUE(links.twinsOf[0].empty());
}

TEST(GedcomFamilies, CountsEveryLinkItCannotWriteOnceAndKeepsAThirdParentApart)
{
    // A's parent Out is not exported, stored in two records; A also has a hand-edited kind
    // stored from both sides, a link to herself, and B a third and fourth parent.
    const auto persons = Persons({
        {"A", "F", {{"child", "Out"}, {"child", "Out"}, {"sibling", "Out2"}, {"cousin", "B"},
                    {"sibling", "A"}}},
        {"B", "", {{"error", "A"}, {"child", "P1"}, {"child", "P2"}, {"child", "P3"},
                   {"child", "P4"}}},
        {"P1", "F", {}},
        {"P2", "M", {}},
        {"P3", "M", {}},
        {"P4", "", {}},
        {"C", "", {{"child", "P1"}, {"child", "P2"}, {"child", "P3"}, {"child", "P4"}}},
    });
    const GedcomLinks links = GedcomFamilies(persons);
    EXPECT_EQ(links.report.relationsLeftOut, 2);
    EXPECT_EQ(links.report.relationsUnwritable, 2);
    EXPECT_EQ(links.report.parentsInFamiliesOfTheirOwn, 4);  // two for B, two for C
    EXPECT_EQ(Families(persons, links),
              (QStringList{"P2,P1:B C", "P3,-:B C", "P4,-:B C"}));
}

// The lines of a GEDCOM text, without their CRLF.
QStringList Lines(const QByteArray& bytes)
{
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Joins the values of CONT and CONC lines back onto the first line's value, as a reader does.
QString Joined(const QByteArray& bytes, int level)
{
    QString value;
    const QString conc = QString::number(level + 1) + QStringLiteral(" CONC");
    const QString cont = QString::number(level + 1) + QStringLiteral(" CONT");
    const QStringList lines = Lines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (i == 0)
            value = line.section(QLatin1Char(' '), 2);
        else if (line.startsWith(conc))
            value += line.mid(conc.size() + 1);
        else if (line.startsWith(cont))
            value += QLatin1Char('\n') + line.mid(cont.size() + 1);
        else
            ADD_FAILURE() << "not a continuation: " << line.toStdString();
    }
    return value;
}

TEST(GedcomLines, SplitsLongLinesBetweenNonSpacesWithinCharactersAndKeepsLineBreaks)
{
    // Two-, three- and four-octet characters and words at every offset against the limit.
    for (const QString& piece : {QStringLiteral("ž"), QStringLiteral("漢字 "),
                                 QStringLiteral("😀a"), QStringLiteral("word ")}) {
        for (int lead = 0; lead < 5; ++lead) {
            const QString value = QString(lead, QLatin1Char('x')) + piece.repeated(150)
                                  + QStringLiteral("\r\nsecond line\rthird");
            GedcomLines lines(GedcomVersion::V551);
            lines.add(1, "NOTE", value);
            const QByteArray bytes = lines.take();
            const QList<QByteArray> physical = bytes.split('\n');
            for (qsizetype i = 0; i < physical.size(); ++i) {
                EXPECT_LE(physical[i].size() + 1, kGedcomMaxLine);
                EXPECT_EQ(QString::fromUtf8(physical[i]).toUtf8(), physical[i])
                    << "split character";
                if (physical[i].startsWith("2 CONC ")) {
                    EXPECT_FALSE(physical[i].startsWith("2 CONC  ")) << "a space after a CONC";
                    EXPECT_FALSE(physical[i - 1].endsWith(" \r")) << "a space before a CONC";
                }
            }
            QString expected = value;
            expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            expected.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            EXPECT_EQ(Joined(bytes, 1), expected);
            EXPECT_GT(bytes.count("2 CONC "), 0);
        }
    }

    // Only spaces: no place between non-spaces, so it is split anyway rather than not at all.
    GedcomLines spaces(GedcomVersion::V551);
    spaces.add(1, "NOTE", QString(600, QLatin1Char(' ')));
    const QByteArray spaced = spaces.take();
    EXPECT_EQ(Joined(spaced, 1), QString(600, QLatin1Char(' ')));

    // 5.5.1 doubles every '@' and never splits a doubled one.
    for (int lead = 0; lead < 3; ++lead) {
        const QString value = QString(lead, QLatin1Char('x')) + QStringLiteral("@").repeated(400);
        GedcomLines ats(GedcomVersion::V551);
        ats.add(1, "NOTE", value);
        const QByteArray bytes = ats.take();
        for (const QString& line : Lines(bytes))
            EXPECT_EQ(line.section(QLatin1Char(' '), 2).count(QLatin1Char('@')) % 2, 0);
        EXPECT_EQ(Joined(bytes, 1),
                  QString(value).replace(QStringLiteral("@"), QStringLiteral("@@")));
    }
}

TEST(GedcomLines, SevenHasNoConcAndDoublesOnlyALeadingAt)
{
    const QString longLine = QStringLiteral("a b ").repeated(200);
    GedcomLines lines(GedcomVersion::V70);
    lines.add(1, "NOTE", longLine + QStringLiteral("\n@home a@b\n\nlast"));
    lines.add(1, "NOTE", QStringLiteral("x@y"));
    lines.pointer(1, "FAMC", QStringLiteral("F1"));
    EXPECT_EQ(Lines(lines.take()),
              (QStringList{"1 NOTE " + longLine, "2 CONT @@home a@b", "2 CONT", "2 CONT last",
                           "1 NOTE x@y", "1 FAMC @F1@"}));
}

TEST(GedcomDate, WholeDatesInGedcomFormAndSuppliedYearsAsAPhraseOfTheStoredText)
{
    auto date = [](GedcomVersion version, const char* stored) {
        GedcomLines lines(version);
        AddGedcomDate(lines, version, 2, QString::fromUtf8(stored), kToday);
        return Lines(lines.take());
    };
    const auto v551 = GedcomVersion::V551;
    const auto v70 = GedcomVersion::V70;
    EXPECT_EQ(date(v551, "1948/3/12"), QStringList{"2 DATE 12 MAR 1948"});
    EXPECT_EQ(date(v70, " 1948 / 03 / 12 /"), QStringList{"2 DATE 12 MAR 1948"});
    EXPECT_EQ(date(v551, "0987/12/24"), QStringList{"2 DATE 24 DEC 0987"});
    EXPECT_EQ(date(v551, "987/12/24"), QStringList{"2 DATE 24 DEC 0987"});
    // The date rules would give these a year of today's: never written as known.
    EXPECT_EQ(date(v551, "12/25"), QStringList{"2 DATE (12/25)"});
    EXPECT_EQ(date(v551, "48/3/12"), QStringList{"2 DATE (48/3/12)"});
    EXPECT_EQ(date(v70, "12/25"), (QStringList{"2 DATE", "3 PHRASE 12/25"}));
    EXPECT_EQ(date(v70, "48/3/12"), (QStringList{"2 DATE", "3 PHRASE 48/3/12"}));
    EXPECT_EQ(date(v551, "spring 1950"), QStringList{"2 DATE (spring 1950)"});
}

ExportedPerson Full()
{
    ExportedPerson person;
    person.value.id = QStringLiteral("AB0001-7");
    const std::pair<PersonField, const char*> values[] = {
        {PersonField::OptionalID, "opt@1"}, {PersonField::Name, "Anna"},
        {PersonField::MiddleName, "Marija"}, {PersonField::Surname, "Ozola"},
        {PersonField::Sex, "f"}, {PersonField::DateOfBirth, "1950/2/1"},
        {PersonField::StreetAddress, "Main 1\nFlat 2"}, {PersonField::City, "Riga"},
        {PersonField::State, "Vidzeme"}, {PersonField::ZipCode, "LV-1000"},
        {PersonField::Country, "Latvia"}, {PersonField::Phone1, "111"},
        {PersonField::Phone2, "222"}, {PersonField::Fax, "333"}, {PersonField::Mobile, "444"},
        {PersonField::EMail, "a@b.lv"}, {PersonField::Comment, "note\nsecond"},
        {PersonField::Status, "Active"}};
    for (const auto& [field, text] : values)
        person.value.set(field, QString::fromUtf8(text));
    return person;
}

TEST(GedcomExport, WritesAPersonInTheAgreedRecordsAndTheFileFrame)
{
    ExportedPerson bare;
    bare.value.id = QStringLiteral("B");
    bare.value.set(PersonField::Surname, QStringLiteral("Ozols"));
    bare.value.set(PersonField::Sex, QStringLiteral("?"));
    bare.value.set(PersonField::DateOfBirth, QStringLiteral("12/25"));
    bare.relations = {{QStringLiteral("twin"), QStringLiteral("AB0001-7")}};
    const QStringList lines =
        Lines(GedcomExport({Full(), bare}, GedcomVersion::V551, kToday).bytes);
    // The program's version, whatever it is now.
    const QString version = lines.value(2);
    static const QRegularExpression kVersion(QStringLiteral("^2 VERS \\d+\\.\\d+\\.\\d+$"));
    EXPECT_TRUE(kVersion.match(version).hasMatch()) << version.toStdString();
    const QStringList expected = {
        "0 HEAD", "1 SOUR ORVANEL", version, "2 NAME Orvanel",
        "1 DATE 6 DEC 2026", "1 GEDC", "2 VERS 5.5.1", "2 FORM LINEAGE-LINKED", "1 CHAR UTF-8",
        "1 SUBM @U1@",
        "0 @I1@ INDI", "1 NAME Anna Marija /Ozola/", "2 GIVN Anna Marija", "2 SURN Ozola",
        "2 _MIDN Marija", "1 SEX F", "1 BIRT", "2 DATE 1 FEB 1950", "1 RESI", "2 ADDR Main 1",
        "3 CONT Flat 2", "3 CITY Riga", "3 STAE Vidzeme",
        "3 POST LV-1000", "3 CTRY Latvia", "2 PHON 111", "2 PHON 222", "3 _FIELD Phone2",
        "2 PHON 444", "3 _FIELD Mobile", "2 FAX 333", "2 EMAIL a@@b.lv", "1 NOTE note",
        "2 CONT second", "1 REFN AB0001-7", "1 REFN opt@@1", "2 TYPE OptionalID",
        "1 FAMC @F1@", "1 ASSO @I2@", "2 RELA twin",
        "0 @I2@ INDI", "1 NAME /Ozols/", "2 SURN Ozols", "1 SEX U", "1 BIRT",
        "2 DATE (12/25)", "1 REFN B", "1 FAMC @F1@", "1 ASSO @I1@", "2 RELA twin",
        "0 @F1@ FAM", "1 CHIL @I1@", "1 CHIL @I2@",
        "0 @U1@ SUBM", "1 NAME Orvanel", "0 TRLR"};
    EXPECT_EQ(lines, expected);
}

TEST(GedcomExport, SevenDeclaresItsOwnTagsAndHasNeitherCharNorSubmitter)
{
    ExportedPerson twin = Full();
    twin.relations = {{QStringLiteral("twin"), QStringLiteral("Z")}};
    ExportedPerson other;
    other.value.id = QStringLiteral("Z");
    const GedcomFile file = GedcomExport({twin, other}, GedcomVersion::V70, kToday);
    const QStringList lines = Lines(file.bytes);
    const QString schema = QStringLiteral("https://orvanel.example.org/gedcom/");
    EXPECT_EQ(lines.mid(0, 6), (QStringList{"0 HEAD", "1 GEDC", "2 VERS 7.0", "1 SCHMA",
                                            "2 TAG _MIDN " + schema + "_MIDN",
                                            "2 TAG _FIELD " + schema + "_FIELD"}));
    EXPECT_FALSE(lines.contains(QStringLiteral("1 CHAR UTF-8")));
    EXPECT_FALSE(file.bytes.contains("SUBM"));
    EXPECT_FALSE(file.bytes.contains("CONC"));
    const qsizetype asso = lines.indexOf(QStringLiteral("1 ASSO @I2@"));
    ASSERT_GE(asso, 0);
    EXPECT_EQ(lines.mid(asso + 1, 2), (QStringList{"2 ROLE OTHER", "3 PHRASE twin"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("2 EMAIL a@b.lv")));
    EXPECT_EQ(lines.last(), QStringLiteral("0 TRLR"));
    EXPECT_EQ(file.report.relationsLeftOut, 0);
}

}  // namespace
}  // namespace orvanel::testing
