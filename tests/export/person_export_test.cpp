// The export of listed persons: reading them from the document, the vCard and CSV texts, which
// files may be written, and the write itself.

#include "export/csv_export.h"
#include "export/exported_person.h"
#include "export/person_export.h"
#include "export/vcard_export.h"
#include "support/register_xml.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <unistd.h>
#include <utility>

namespace orvanel::testing {
namespace {

const QDate kToday(2026, 12, 6);

ExportedPerson Person(const QString& id,
                      std::initializer_list<std::pair<const char*, QString>> values = {},
                      std::vector<ExportedRelation> relations = {})
{
    ExportedPerson person;
    person.value.id = id;
    for (const auto& [element, value] : values) {
        const std::optional<PersonField> field = FieldOfElement(element);
        if (!field) {
            ADD_FAILURE() << "no field " << element;
            continue;
        }
        person.value.set(*field, value);
    }
    person.relations = std::move(relations);
    return person;
}

// The logical lines of a vCard text: folds undone, line ends removed.
QStringList Unfolded(const QByteArray& vcard)
{
    QByteArray joined = vcard;
    joined.replace("\r\n ", "");
    QStringList lines = QString::fromUtf8(joined).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList LinesStartingWith(const QStringList& lines, const QString& start)
{
    QStringList found;
    for (const QString& line : lines) {
        if (line.startsWith(start))
            found << line;
    }
    return found;
}

TEST(VCardText, EscapesBackslashCommaSemicolonAndEveryKindOfLineBreak)
{
    EXPECT_EQ(VCardEscaped(QStringLiteral("a\\b,c;d")), QStringLiteral("a\\\\b\\,c\\;d"));
    EXPECT_EQ(VCardEscaped(QStringLiteral("1\n2\r\n3\r4")), QStringLiteral("1\\n2\\n3\\n4"));
    const QString plain = QStringLiteral("  Ērika: \"x\"  ");
    EXPECT_EQ(VCardEscaped(plain), plain);
}

TEST(VCardText, FoldsAt75OctetsWithoutSplittingACharacter)
{
    const QByteArray exact(75, 'a');
    EXPECT_EQ(FoldedVCardLine(exact), exact + "\r\n");
    EXPECT_EQ(FoldedVCardLine(exact + "b"), exact + "\r\n b\r\n");

    // Two-, three- and four-octet characters, at every offset against the fold.
    for (const QString& letter :
         {QStringLiteral("ž"), QStringLiteral("漢"), QStringLiteral("😀")}) {
        for (int lead = 0; lead < 4; ++lead) {
            const QByteArray line = QByteArray(lead, 'x') + letter.repeated(60).toUtf8();
            const QByteArray folded = FoldedVCardLine(line);
            ASSERT_TRUE(folded.endsWith("\r\n"));
            const QList<QByteArray> physical = folded.chopped(2).split('\n');
            for (qsizetype i = 0; i < physical.size(); ++i) {
                const QByteArray text = physical[i].endsWith('\r') ? physical[i].chopped(1)
                                                                    : physical[i];
                EXPECT_LE(text.size(), 75) << i;
                EXPECT_TRUE(QString::fromUtf8(text).toUtf8() == text) << "split character";
                if (i > 0) {
                    EXPECT_TRUE(text.startsWith(' '));
                }
            }
            QByteArray unfolded = folded;
            unfolded.replace("\r\n ", "");
            EXPECT_EQ(unfolded, line + "\r\n");
        }
    }
}

TEST(VCardExport, LeavesOutEmptyValuesAndKeepsAnUnreadableBirthDateAsText)
{
    const QByteArray bytes = VCardExport(
        {Person(QStringLiteral("X0"), {{"Comment", QStringLiteral("a\nb")},
                                       {"DateOfBirth", QStringLiteral("1950/2/1")},
                                       {"Sex", QStringLiteral("F")}})},
        kToday);
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));  // every line ends in CRLF
    EXPECT_TRUE(Unfolded(bytes).contains(QStringLiteral("BDAY:19500201")));
    EXPECT_TRUE(Unfolded(bytes).contains(QStringLiteral("GENDER:F")));

    const QStringList bare = Unfolded(VCardExport(
        {Person(QStringLiteral("X1"), {{"Sex", QStringLiteral("?")}})}, kToday));
    EXPECT_EQ(bare, (QStringList{"BEGIN:VCARD", "VERSION:4.0", "UID:" + VCardUid("X1"), "FN:X1",
                                 "N:;;;;", "X-ORVANEL-ID:X1", "END:VCARD"}));

    const QStringList odd = Unfolded(VCardExport(
        {Person(QStringLiteral("X2"), {{"DateOfBirth", QStringLiteral("spring, 1950")},
                                       {"Sex", QStringLiteral("m")}})},
        kToday));
    EXPECT_TRUE(odd.contains(QStringLiteral("BDAY;VALUE=text:spring\\, 1950")));
    EXPECT_TRUE(odd.contains(QStringLiteral("GENDER:M")));
    const QStringList early = Unfolded(VCardExport(
        {Person(QStringLiteral("X3"), {{"DateOfBirth", QStringLiteral("0987/12/24")}})}, kToday));
    EXPECT_TRUE(early.contains(QStringLiteral("BDAY:09871224")));
}

TEST(VCardExport, NeverWritesAYearOrCenturyTheDateRulesSupplied)
{
    auto birthday = [](const char* stored) {
        return LinesStartingWith(
            Unfolded(VCardExport(
                {Person(QStringLiteral("X"), {{"DateOfBirth", QString::fromUtf8(stored)}})},
                kToday)),
            QStringLiteral("BDAY"));
    };
    // Without a year, vCard's own form for a date without one.
    EXPECT_EQ(birthday("12/25"), QStringList{"BDAY:--1225"});
    EXPECT_EQ(birthday(" 3 / 1"), QStringList{"BDAY:--0301"});
    // A two-digit year: the stored text, which neither drops the year nor claims a century.
    EXPECT_EQ(birthday("48/3/12"), QStringList{"BDAY;VALUE=text:48/3/12"});
    EXPECT_EQ(birthday("1948/3/12"), QStringList{"BDAY:19480312"});
}

TEST(VCardExport, WritesEveryFieldInItsPropertyInAFixedOrder)
{
    const ExportedPerson person = Person(
        QStringLiteral("P1"),
        {{"OptionalID", "opt"},       {"Name", "Anna"},          {"MiddleName", "Marija"},
         {"Surname", "Ozola"},        {"Sex", "F"},              {"DateOfBirth", "1950/2/1"},
         {"StreetAddress", "Main 1"}, {"City", "Riga"},          {"State", "Vidzeme"},
         {"ZipCode", "LV-1000"},      {"Country", "Latvia"},     {"Phone1", "111"},
         {"Phone2", "222"},           {"Fax", "333"},            {"Mobile", "444"},
         {"EMail", "a@b.lv"},         {"Comment", "note"},       {"Status", "Active"},
         {"DateCreated", "2020/1/1"}, {"DateModified", "2026/1/1"}});
    const QStringList lines = {"BEGIN:VCARD",
                               "VERSION:4.0",
                               "UID:" + VCardUid("P1"),
                               "FN:Anna Marija Ozola",
                               "N:Ozola;Anna;Marija;;",
                               "GENDER:F",
                               "BDAY:19500201",
                               "ADR:;;Main 1;Riga;Vidzeme;LV-1000;Latvia",
                               "TEL;VALUE=text;TYPE=voice:111",
                               "TEL;VALUE=text;TYPE=voice:222",
                               "TEL;VALUE=text;TYPE=fax:333",
                               "TEL;VALUE=text;TYPE=cell:444",
                               "EMAIL:a@b.lv",
                               "NOTE:note",
                               "X-ORVANEL-ID:P1",
                               "X-ORVANEL-OPTIONAL-ID:opt",
                               "END:VCARD"};
    EXPECT_EQ(VCardExport({person}, kToday), (lines.join("\r\n") + "\r\n").toUtf8());

    // An address of one part still has all seven components.
    EXPECT_TRUE(Unfolded(VCardExport({Person(QStringLiteral("P2"), {{"Country", "Latvia"}})},
                                     kToday))
                    .contains(QStringLiteral("ADR:;;;;;;Latvia")));
}

TEST(VCardExport, RelatesOnlyToPersonsInTheSameExportOnceEachNamingWhatTheOtherIs)
{
    // Anna is a child of Peteris, twin of Zane (stored from both sides), sibling of Karlis (not
    // exported), and has a hand-edited kind and a record naming herself.
    const ExportedPerson anna = Person(QStringLiteral("A"), {},
                                       {{QStringLiteral("child"), QStringLiteral("P")},
                                        {QStringLiteral("twin"), QStringLiteral("Z")},
                                        {QStringLiteral("twin"), QStringLiteral("Z")},
                                        {QStringLiteral("child"), QStringLiteral("P")},
                                        {QStringLiteral("sibling"), QStringLiteral("K")},
                                        {QStringLiteral("cousin"), QStringLiteral("P")},
                                        {QStringLiteral("sibling"), QStringLiteral("A")}});
    // Peteris reads the record of Anna's and one of his own for the same link; Zane reads the
    // twin record from her side and one of her own.
    const ExportedPerson peteris =
        Person(QStringLiteral("P"), {}, {{QStringLiteral("parent"), QStringLiteral("A")},
                                         {QStringLiteral("parent"), QStringLiteral("A")}});
    const ExportedPerson zane =
        Person(QStringLiteral("Z"), {}, {{QStringLiteral("twin"), QStringLiteral("A")},
                                         {QStringLiteral("twin"), QStringLiteral("A")}});
    const QStringList lines = Unfolded(VCardExport({anna, peteris, zane}, kToday));

    const QStringList related = LinesStartingWith(lines, QStringLiteral("RELATED"));
    EXPECT_EQ(related,
              (QStringList{"RELATED;TYPE=parent;VALUE=uri:" + VCardUid("P"),
                           "RELATED;TYPE=sibling;X-ORVANEL-KIND=twin;VALUE=uri:" + VCardUid("Z"),
                           "RELATED;VALUE=uri:" + VCardUid("P"),
                           "RELATED;TYPE=child;VALUE=uri:" + VCardUid("A"),
                           "RELATED;TYPE=sibling;X-ORVANEL-KIND=twin;VALUE=uri:" + VCardUid("A")}));
    EXPECT_FALSE(Unfolded(VCardExport({anna}, kToday)).join(QString()).contains("RELATED"));
}

TEST(CsvExport, HeaderNamesTheTwentyChildrenInRecordOrderThenTheFieldsAddedLater)
{
    QString header = QStringLiteral(
        "ID,OptionalID,Name,MiddleName,Surname,Sex,DateOfBirth,StreetAddress,City,State,"
        "ZipCode,Country,Phone1,Phone2,Fax,Mobile,EMail,Comment,Status,DateCreated,"
        "DateModified");
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.csv && !info.required)
            header += QLatin1Char(',') + QString::fromLatin1(info.element);
    }
    const QByteArray csv = CsvExport(
        {Person(QStringLiteral("P1"), {{"Name", "Anna"}, {"Fax", "=1"}, {"DateModified", "x"}})});
    const QList<QByteArray> records = csv.split('\n');
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0], (header + "\r").toUtf8());
    const QList<QByteArray> values = records[1].chopped(1).split(',');
    ASSERT_EQ(values.size(), header.count(QLatin1Char(',')) + 1);
    EXPECT_EQ(values[0], "P1");
    EXPECT_EQ(values[2], "Anna");
    EXPECT_EQ(values[14], "'=1");
    EXPECT_EQ(values[20], "x");
}

TEST(CsvExport, QuotesOnlyTheFieldsThatNeedItAndDoublesTheirQuotes)
{
    EXPECT_EQ(CsvField(QStringLiteral(" plain; text ")), QStringLiteral(" plain; text "));
    EXPECT_EQ(CsvField(QStringLiteral("a,b")), QStringLiteral("\"a,b\""));
    EXPECT_EQ(CsvField(QStringLiteral("say \"hi\"")), QStringLiteral("\"say \"\"hi\"\"\""));
    EXPECT_EQ(CsvField(QStringLiteral("1\n2")), QStringLiteral("\"1\n2\""));
    EXPECT_EQ(CsvField(QStringLiteral("1\r2")), QStringLiteral("\"1\r2\""));
    EXPECT_EQ(CsvField(QString()), QString());
}

QString Unquoted(const QString& field)
{
    if (!field.startsWith(QLatin1Char('"')))
        return field;
    return field.mid(1, field.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
}

TEST(CsvExport, TextsThatASpreadsheetWouldRunGetAnApostropheAndNumbersStayAsTheyAre)
{
    for (const char* formula : {"=HYPERLINK(\"http://x\",\"y\")", "@SUM(A1)", "+cmd|' /C calc'!A0",
                                "-2+3", "\t=1", "\r=1", "+", "-A1", "=", "+1e3"})
        EXPECT_EQ(Unquoted(CsvField(QString::fromUtf8(formula))),
                  QLatin1Char('\'') + QString::fromUtf8(formula))
            << formula;
    for (const char* plain : {"+371 2612 3456", "-5", "-5.25", "+1 (555) 123-4567", "a=b",
                              "Anna", "2026/12/8", "'quoted"})
        EXPECT_EQ(CsvField(QString::fromUtf8(plain)), QString::fromUtf8(plain)) << plain;
    EXPECT_EQ(CsvField(QStringLiteral("=1,2")), QStringLiteral("\"'=1,2\""));
}

TEST(ExportedPersons, ReadsTheStoredTextsAndEachRelationshipAsThePersonSeesIt)
{
    Register reg;
    ParseRecordsInto(
        reg,
        PersonXml(QStringLiteral("A")).set("Name", " Anna ").set("StreetAddress", "1\n2").xml()
            + PersonXml(QStringLiteral("B")).set("Sex", "f").xml()
            + PersonXml(QStringLiteral("C")).xml()
            + "<Rel ID1=\"A\" ID2=\"B\" Dir=\"child\" Inv=\"twin\"/>"
              "<Rel ID1=\"C\" ID2=\"A\" Dir=\"sibling\" Inv=\"sibling\"/>"
              "<Rel ID1=\"B\" ID2=\"B\" Dir=\"twin\" Inv=\"parent\"/>");
    const std::vector<ExportedPerson> persons =
        ExportedPersons(reg, {QStringLiteral("B"), QStringLiteral("A")});
    ASSERT_EQ(persons.size(), 2u);
    EXPECT_EQ(persons[0].value.id, QStringLiteral("B"));
    EXPECT_EQ(persons[0].value.text(PersonField::Sex), QStringLiteral("f"));
    EXPECT_EQ(persons[1].value.text(PersonField::Name), QStringLiteral(" Anna "));
    EXPECT_EQ(persons[1].value.text(PersonField::StreetAddress), QStringLiteral("1\n2"));
    EXPECT_EQ(persons[1].value.text(PersonField::Status), QStringLiteral("Active"));

    auto seen = [](const ExportedPerson& person) {
        QStringList out;
        for (const ExportedRelation& relation : person.relations)
            out << relation.kind + QLatin1Char(' ') + relation.otherId;
        return out;
    };
    // The second person of a record sees the stored inverse; a self-record is seen once.
    EXPECT_EQ(seen(persons[0]), (QStringList{"twin A", "twin B"}));
    EXPECT_EQ(seen(persons[1]), (QStringList{"child B", "sibling C"}));
}

TEST(ExportedPersons, ABrokenRecordStopsTheReadingWithItsError)
{
    Register reg;
    ParseRecordsInto(reg, PersonXml(QStringLiteral("AB0001-7")).without("Fax").without("Status").xml()
                              + PersonXml(QStringLiteral("AB0002-3")).xml());
    // The message names the first child missing in record order.
    try {
        ExportedPersons(reg, {QStringLiteral("AB0002-3"), QStringLiteral("AB0001-7")});
        ADD_FAILURE() << "a record without Fax was exported";
    } catch (const NodeNotFound& e) {
        EXPECT_EQ(e.message(), NodeNotFound(QStringLiteral("Fax")).message());
    }
    EXPECT_THROW(ExportedPersons(reg, {QStringLiteral("nobody")}), NodeNotFound);
}

TEST(ExportTarget, TheExtensionDecidesTheFormatAndAMissingOneIsAdded)
{
    auto target = [](const char* path, ExportFormat filter) {
        return ExportTargetOf({QString::fromUtf8(path), filter});
    };
    EXPECT_EQ(target("out.CSV", ExportFormat::VCard).format, ExportFormat::Csv);
    EXPECT_EQ(target("out.vcard", ExportFormat::Csv).format, ExportFormat::VCard);
    EXPECT_EQ(target("out.vcf", ExportFormat::Csv).path, QStringLiteral("out.vcf"));
    EXPECT_EQ(target("out.txt", ExportFormat::Csv).format, ExportFormat::Csv);
    EXPECT_EQ(target("out.txt", ExportFormat::Csv).path, QStringLiteral("out.txt"));
    EXPECT_EQ(target("out", ExportFormat::Csv).path, QStringLiteral("out.csv"));
    EXPECT_EQ(target("out", ExportFormat::VCard).path, QStringLiteral("out.vcf"));

    // Both GEDCOM versions write .ged: the filter's version, else 5.5.1.
    EXPECT_EQ(target("out.GED", ExportFormat::Gedcom70).format, ExportFormat::Gedcom70);
    EXPECT_EQ(target("out.ged", ExportFormat::Gedcom551).format, ExportFormat::Gedcom551);
    EXPECT_EQ(target("out.ged", ExportFormat::Csv).format, ExportFormat::Gedcom551);
    EXPECT_EQ(target("out.vcf", ExportFormat::Gedcom70).format, ExportFormat::VCard);
    EXPECT_EQ(target("out", ExportFormat::Gedcom70).path, QStringLiteral("out.ged"));
    EXPECT_EQ(target("out", ExportFormat::Gedcom70).format, ExportFormat::Gedcom70);

    EXPECT_EQ(ExportFormatNamed(QStringLiteral("gedcom")), ExportFormat::Gedcom551);
    EXPECT_EQ(ExportFormatNamed(QStringLiteral("gedcom7")), ExportFormat::Gedcom70);
    EXPECT_EQ(ExportFormatNamed(QStringLiteral("vcard")), ExportFormat::VCard);
    EXPECT_EQ(ExportFormatNamed(QStringLiteral("GEDCOM")), std::nullopt);
}

class ExportFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("zok.xml"), RegisterFile(PersonXml("AB0001-7").xml(), 1, 0));
        ParseRecordsInto(reg, PersonXml(QStringLiteral("AB0001-7")).set("Name", "Anna").xml()
                              + PersonXml(QStringLiteral("AB0002-3")).without("Comment").xml());
        reg.folder = folder.path();
    }
    bool link(const QString& target, const QString& name) const
    {
        return QFile::link(target, folder.file(name));
    }

    TempFolder folder;
    Register reg;
};

TEST_F(ExportFiles, TheRegisterAndItsBackupAreRefusedUnderEveryName)
{
    folder.write(QStringLiteral("zok.bak"), "old");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(link(folder.file("zok.xml"), "data-link.vcf"));
    ASSERT_TRUE(link(QStringLiteral("data-link.vcf"), "link-to-link.csv"));
    ASSERT_EQ(::link(QFile::encodeName(folder.file("zok.xml")).constData(),
                     QFile::encodeName(folder.file("hard-link.csv")).constData()),
              0);

    for (const QString& name : {QStringLiteral("zok.xml"), QStringLiteral("zok.bak"),
                                QStringLiteral("sub/../zok.xml"), QStringLiteral("data-link.vcf"),
                                QStringLiteral("link-to-link.csv"),
                                QStringLiteral("hard-link.csv")})
        EXPECT_TRUE(IsRegisterFile(reg, folder.file(name))) << name.toStdString();
    EXPECT_FALSE(IsRegisterFile(reg, folder.file("persons.vcf")));
    EXPECT_FALSE(IsRegisterFile(reg, folder.file("sub/zok.xml")));

    // A link to a backup that does not exist yet would become the backup.
    QFile::remove(folder.file("zok.bak"));
    ASSERT_TRUE(link(folder.file("zok.bak"), "dangling.vcf"));
    EXPECT_TRUE(IsRegisterFile(reg, folder.file("dangling.vcf")));

    const QByteArray data = folder.read(QStringLiteral("zok.xml"));
    EXPECT_THROW(ExportPersons(reg, {QStringLiteral("AB0001-7")},
                               {folder.file("data-link.vcf"), ExportFormat::VCard}, kToday),
                 ExportRefused);
    EXPECT_EQ(folder.read(QStringLiteral("zok.xml")), data);
    EXPECT_FALSE(folder.exists(QStringLiteral("zok.bak")));
}

TEST_F(ExportFiles, LeavesTheUsersFilesBesideTheTargetAsTheyWere)
{
    const QStringList usersOwn = {"persons.vcf.backup", "persons.vcf.Ab12Cd", "persons.vcf~",
                                  "zok.xml.backup", "zok.xml.201901"};
    for (const QString& name : usersOwn)
        folder.writeOld(name, "the user's own " + name.toUtf8());
    ExportPersons(reg, {QStringLiteral("AB0001-7")}, {folder.file("persons.vcf"), ExportFormat::VCard},
                  kToday);
    ExportPersons(reg, {QStringLiteral("AB0001-7")}, {folder.file("persons.vcf"), ExportFormat::VCard},
                  kToday);
    for (const QString& name : usersOwn)
        EXPECT_EQ(folder.read(name), "the user's own " + name.toUtf8()) << name.toStdString();
    EXPECT_TRUE(folder.read(QStringLiteral("persons.vcf")).startsWith("BEGIN:VCARD"));
}

TEST_F(ExportFiles, WritesTheChosenFormatAndABrokenRecordLeavesTheOldFile)
{
    ExportPersons(reg, {QStringLiteral("AB0001-7")}, {folder.file("out.csv"), ExportFormat::Csv}, kToday);
    EXPECT_EQ(folder.read(QStringLiteral("out.csv")),
              CsvExport(ExportedPersons(reg, {QStringLiteral("AB0001-7")})));
    ExportPersons(reg, {QStringLiteral("AB0001-7")}, {folder.file("out.vcf"), ExportFormat::VCard},
                  kToday);
    EXPECT_TRUE(folder.read(QStringLiteral("out.vcf")).startsWith("BEGIN:VCARD\r\nVERSION:4.0"));

    EXPECT_THROW(ExportPersons(reg, {QStringLiteral("AB0001-7"), QStringLiteral("AB0002-3")},
                               {folder.file("out.csv"), ExportFormat::Csv}, kToday),
                 NodeNotFound);
    EXPECT_EQ(folder.read(QStringLiteral("out.csv")),
              CsvExport(ExportedPersons(reg, {QStringLiteral("AB0001-7")})));
    EXPECT_THROW(ExportPersons(reg, {QStringLiteral("AB0001-7")},
                               {folder.file("no-such-folder/out.csv"), ExportFormat::Csv}, kToday),
                 IoError);
}

}  // namespace
}  // namespace orvanel::testing
