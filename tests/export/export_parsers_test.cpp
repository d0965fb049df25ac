// Export files read back by independent parsers from the system (Python's csv module, the
// vobject package and the Gedcom module of Perl, which also validates), with names in several
// scripts and values full of the characters the formats must escape, quote or split.

#include "export/exported_person.h"
#include "export/person_export.h"
#include "support/register_xml.h"
#include "support/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace orvanel::testing {
namespace {

const QDate kToday(2026, 12, 6);

// The register's own values, by field, for each person.
using Values = QMap<QString, QString>;

const QList<std::pair<QString, Values>> kPersons = {
    {QStringLiteral("AB0001-7"),
     {{"OptionalID", "LV;01,2"},
      {"Name", "Ērika"},
      {"MiddleName", "Līga, \"Lī\""},
      {"Surname", "Ģirts-Ozoliņa; jun."},
      {"Sex", "F"},
      {"DateOfBirth", "1950/2/1"},
      {"StreetAddress", "Brīvības iela 1, dz. 2\nOtrā rinda; \\ ar slīpsvītru"},
      {"City", "Rīga"},
      {"ZipCode", "LV-1010"},
      {"Country", "Latvija"},
      {"Phone1", "+371 2000 0000"},
      {"Mobile", "+371 2999 9999"},
      {"EMail", "erika@example.org"},
      {"Comment", "  Starts with spaces,\nends with a quote \"  "}}},
    {QStringLiteral("AB0002-5"),
     {{"Name", "Лев"},
      {"MiddleName", "Николаевич"},
      {"Surname", "Толстой"},
      {"Sex", "M"},
      {"DateOfBirth", "1828/9/9"},
      {"StreetAddress", "Ясная Поляна"},
      {"State", "Тульская область"},
      {"Comment", QStringLiteral("Длинная заметка ").repeated(12)}}},
    {QStringLiteral("AB0003-3"),
     {{"Name", "Αλέξανδρος"},
      {"Surname", "Παπαδόπουλος"},
      {"City", "Αθήνα"},
      {"Fax", "+30 210 000"},
      {"Phone2", "+30 210 111"},
      {"DateOfBirth", "12/25"}}},
    {QStringLiteral("AB0004-1"),
     {{"Name", "太郎"},
      {"Surname", "山田"},
      {"StreetAddress", QStringLiteral("東京都千代田区").repeated(9) + "\n一丁目"},
      {"Comment", "日本語のコメント、テスト。"}}},
    {QStringLiteral("AB0005-9"),
     {{"Name", "محمد"},
      {"Surname", "العلي"},
      {"Country", "مصر"},
      {"Comment", "سطر أول\nسطر, ثان; \"مقتبس\""}}},
};

// 1 is a child of 2 and a twin of 3; 4 is a sibling of a person not exported.
const char* const kRelations =
    "<Rel ID1=\"AB0001-7\" ID2=\"AB0002-5\" Dir=\"child\" Inv=\"parent\"/>\n"
    "<Rel ID1=\"AB0003-3\" ID2=\"AB0001-7\" Dir=\"twin\" Inv=\"twin\"/>\n"
    "<Rel ID1=\"AB0004-1\" ID2=\"AB0009-X\" Dir=\"sibling\" Inv=\"sibling\"/>\n";

class ExportReadByOthers : public ::testing::Test {
protected:
    void SetUp() override
    {
        QByteArray children;
        for (const auto& [id, values] : kPersons) {
            PersonXml person(id);
            for (auto value = values.begin(); value != values.end(); ++value)
                person.set(value.key(), value.value());
            children += person.xml();
        }
        children += PersonXml(QStringLiteral("AB0009-X")).xml() + kRelations;
        ParseRecordsInto(reg, children);
        for (const auto& person : kPersons)
            ids << person.first;
    }

    // What the parser of `kind` found in `file`, or a failure saying why nothing could be read.
    QJsonDocument readBack(const char* kind, const QString& file)
    {
        // The system's interpreter, where the Debian packages are, before any other on the PATH.
        QString python = QStandardPaths::findExecutable(QStringLiteral("python3"),
                                                        {QStringLiteral("/usr/bin")});
        if (python.isEmpty())
            python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty()) {
            ADD_FAILURE() << "python3 is missing: run scripts/install-deps.sh";
            return {};
        }
        return run(python, {QStringLiteral(ORVANEL_TEST_SOURCE "/export/read_export.py"),
                            QString::fromLatin1(kind), file},
                   "is python3-vobject installed?");
    }

    QJsonDocument run(const QString& program, const QStringList& arguments, const char* hint)
    {
        QProcess run;
        run.start(program, arguments);
        if (!run.waitForFinished(30000) || run.exitStatus() != QProcess::NormalExit
            || run.exitCode() != 0) {
            ADD_FAILURE() << "the parser " << arguments.join(' ').toStdString() << " failed ("
                          << hint << " run scripts/install-deps.sh): "
                          << run.readAllStandardError().toStdString();
            return {};
        }
        return QJsonDocument::fromJson(run.readAllStandardOutput());
    }

    TempFolder folder;
    Register reg;
    QStringList ids;
};

QStringList Texts(const QJsonValue& value)
{
    QStringList texts;
    for (const QJsonValue& text : value.toArray())
        texts << text.toString();
    return texts;
}

TEST_F(ExportReadByOthers, CsvRecordsHoldEveryStoredTextExactly)
{
    const QString file = folder.file(QStringLiteral("persons.csv"));
    ExportPersons(reg, ids, {file, ExportFormat::Csv}, kToday);
    const QJsonArray records = readBack("csv", file).array();
    ASSERT_EQ(records.size(), kPersons.size() + 1);

    // The twenty children the file format fixes, then any field added after them.
    QStringList header{"ID", "OptionalID", "Name", "MiddleName", "Surname", "Sex", "DateOfBirth",
                       "StreetAddress", "City", "State", "ZipCode", "Country", "Phone1", "Phone2",
                       "Fax", "Mobile", "EMail", "Comment", "Status", "DateCreated", "DateModified"};
    for (const PersonFieldInfo& info : kPersonFields) {
        if (info.csv && !info.required)
            header << QString::fromLatin1(info.element);
    }
    EXPECT_EQ(Texts(records[0]), header);
    for (qsizetype i = 0; i < kPersons.size(); ++i) {
        const QStringList record = Texts(records[i + 1]);
        ASSERT_EQ(record.size(), header.size());
        EXPECT_EQ(record[0], kPersons[i].first);
        for (qsizetype column = 1; column < header.size(); ++column) {
            const Values& values = kPersons[i].second;
            // Fields not set hold what PersonXml stores by default.
            if (values.contains(header[column])) {
                EXPECT_EQ(record[column], values[header[column]]) << header[column].toStdString();
            }
        }
        EXPECT_EQ(record[header.indexOf(QStringLiteral("Status"))], QStringLiteral("Active"));
    }
}

TEST_F(ExportReadByOthers, VCardsReadBackWithEveryValueAndLinksBetweenTheirUids)
{
    const QString file = folder.file(QStringLiteral("persons.vcf"));
    ExportPersons(reg, ids, {file, ExportFormat::VCard}, kToday);
    const QJsonArray cards = readBack("vcard", file).array();
    ASSERT_EQ(cards.size(), kPersons.size());

    QMap<QString, QString> idOfUid;
    QList<QMap<QString, QList<QJsonObject>>> byName;
    for (const QJsonValue& card : cards) {
        QMap<QString, QList<QJsonObject>> lines;
        for (const QJsonValue& line : card[QLatin1String("lines")].toArray())
            lines[line[QLatin1String("name")].toString()] << line.toObject();
        const QString uid = lines.value("UID").value(0)["value"].toString();
        EXPECT_EQ(uid, card[QLatin1String("uid_of_id")].toString());
        idOfUid[uid] = lines.value("X-ORVANEL-ID").value(0)["value"].toString();
        byName << lines;
    }

    for (qsizetype i = 0; i < kPersons.size(); ++i) {
        const auto& [id, values] = kPersons[i];
        const auto& lines = byName[i];
        auto only = [&](const char* name) { return lines.value(name).value(0)["value"]; };
        EXPECT_EQ(only("X-ORVANEL-ID").toString(), id);
        EXPECT_EQ(only("VERSION").toString(), QStringLiteral("4.0"));
        EXPECT_EQ(Texts(only("N")), (QStringList{values["Surname"], values["Name"],
                                                 values["MiddleName"], "", ""}));
        EXPECT_TRUE(only("FN").toString().contains(values["Surname"]));
        EXPECT_EQ(only("NOTE").toString(), values["Comment"]);
        EXPECT_EQ(only("EMAIL").toString(), values["EMail"]);
        EXPECT_EQ(only("X-ORVANEL-OPTIONAL-ID").toString(), values["OptionalID"]);
        // A birthday stored without a year has none in the card either.
        if (values["DateOfBirth"] == QStringLiteral("12/25")) {
            EXPECT_EQ(only("BDAY").toString(), QStringLiteral("--1225"));
        }
        const QStringList address = {"", "", values["StreetAddress"], values["City"],
                                     values["State"], values["ZipCode"], values["Country"]};
        EXPECT_EQ(Texts(only("ADR")), address);

        QStringList phones;
        for (const QJsonObject& tel : lines.value("TEL"))
            phones << Texts(tel["params"][QLatin1String("TYPE")]).join(',') + ' '
                          + tel["value"].toString();
        QStringList expectedPhones;
        const std::pair<const char*, const char*> kinds[] = {
            {"Phone1", "voice"}, {"Phone2", "voice"}, {"Fax", "fax"}, {"Mobile", "cell"}};
        for (const auto& [field, type] : kinds) {
            if (!values[field].isEmpty())
                expectedPhones << QString::fromLatin1(type) + ' ' + values[field];
        }
        EXPECT_EQ(phones, expectedPhones) << id.toStdString();
    }

    // Every link names a card of the same file, with the kind the other person has.
    auto links = [&](qsizetype card) {
        QStringList out;
        for (const QJsonObject& related : byName[card].value("RELATED"))
            out << Texts(related["params"][QLatin1String("TYPE")]).join(',') + ' '
                       + idOfUid.value(related["value"].toString(), QStringLiteral("?"));
        return out;
    };
    EXPECT_EQ(links(0), (QStringList{"parent AB0002-5", "sibling AB0003-3"}));
    EXPECT_EQ(links(1), (QStringList{"child AB0001-7"}));
    EXPECT_EQ(links(2), (QStringList{"sibling AB0001-7"}));
    EXPECT_EQ(links(3), QStringList());
}

// The children of a record read by the Gedcom module, by tag.
QMap<QString, QList<QJsonObject>> Items(const QJsonValue& record)
{
    QMap<QString, QList<QJsonObject>> items;
    for (const QJsonValue& item : record[QLatin1String("items")].toArray())
        items[item[QLatin1String("tag")].toString()] << item.toObject();
    return items;
}

QString Value(const QMap<QString, QList<QJsonObject>>& items, const char* tag, int n = 0)
{
    return items.value(QString::fromLatin1(tag)).value(n)[QLatin1String("value")].toString();
}

TEST_F(ExportReadByOthers, GedcomIsValidToAnotherReaderWithEveryValueAndTheFamilies)
{
    const QString perl =
        QStandardPaths::findExecutable(QStringLiteral("perl"), {QStringLiteral("/usr/bin")});
    if (perl.isEmpty() || !QFile::exists(QStringLiteral("/usr/share/perl5/Gedcom.pm")))
        GTEST_SKIP() << "libgedcom-perl is missing: run scripts/install-deps.sh test";
    const QString file = folder.file(QStringLiteral("persons.ged"));
    const ExportReport report = ExportPersons(reg, ids, {file, ExportFormat::Gedcom551}, kToday);
    EXPECT_EQ(report.relationsLeftOut, 1);  // the sibling not exported

    // No line is longer than 5.5.1 allows, whatever the characters.
    for (const QByteArray& line : folder.read(QStringLiteral("persons.ged")).split('\n'))
        EXPECT_LE(line.size() + 1, 255);

    const QJsonObject read =
        run(perl, {QStringLiteral(ORVANEL_TEST_SOURCE "/export/read_gedcom.pl"), file},
            "is libgedcom-perl installed?")
            .object();
    EXPECT_TRUE(read[QLatin1String("valid")].toBool());
    const QJsonArray warnings = read[QLatin1String("warnings")].toArray();
    EXPECT_TRUE(warnings.isEmpty()) << QJsonDocument(warnings).toJson().toStdString();

    QMap<QString, QJsonObject> byXref;
    QList<QJsonObject> individuals;
    for (const QJsonValue& record : read[QLatin1String("records")].toArray()) {
        byXref[record[QLatin1String("xref")].toString()] = record.toObject();
        if (record[QLatin1String("tag")].toString() == QStringLiteral("INDI"))
            individuals << record.toObject();
    }
    ASSERT_EQ(individuals.size(), kPersons.size());
    for (qsizetype i = 0; i < kPersons.size(); ++i) {
        const auto& [id, values] = kPersons[i];
        const auto items = Items(individuals[i]);
        EXPECT_EQ(Value(items, "REFN"), id);
        const auto name = Items(items.value("NAME").value(0));
        EXPECT_EQ(Value(name, "SURN"), values["Surname"]);
        EXPECT_EQ(Value(name, "_MIDN"), values["MiddleName"]);
        // The module drops the spaces that start a value, as many readers do; the rest of the
        // comment, its line breaks and spaces included, comes back whole.
        static const QRegularExpression kLeadingSpaces(QStringLiteral("^ +"));
        EXPECT_EQ(Value(items, "NOTE"), QString(values["Comment"]).remove(kLeadingSpaces))
            << id.toStdString();
        const auto residence = Items(items.value("RESI").value(0));
        EXPECT_EQ(Value(residence, "ADDR"), values["StreetAddress"]);
        const auto address = Items(residence.value("ADDR").value(0));
        EXPECT_EQ(Value(address, "CITY"), values["City"]);
        if (!values["StreetAddress"].contains(QLatin1Char('\n'))) {
            EXPECT_EQ(Value(address, "ADR1"), values["StreetAddress"]);
        }
        EXPECT_EQ(Value(residence, "FAX"), values["Fax"]);
    }

    // Erika is the child of Lev, and twin of Alexandros in a family of siblings.
    const auto erika = Items(individuals[0]);
    auto family = [&](const QString& xref) { return Items(byXref.value(xref)); };
    ASSERT_EQ(erika.value("FAMC").size(), 2);
    const auto parents = family(Value(erika, "FAMC", 0));
    EXPECT_EQ(Value(parents, "HUSB"), individuals[1][QLatin1String("xref")].toString());
    const auto siblings = family(Value(erika, "FAMC", 1));
    EXPECT_EQ(siblings.value("CHIL").size(), 2);
    EXPECT_TRUE(siblings.value("HUSB").isEmpty() && siblings.value("WIFE").isEmpty());
    EXPECT_EQ(Value(erika, "ASSO"), individuals[2][QLatin1String("xref")].toString());
    EXPECT_EQ(Value(Items(erika.value("ASSO").value(0)), "RELA"), QStringLiteral("twin"));
    EXPECT_EQ(Value(Items(Items(individuals[2]).value("BIRT").value(0)), "DATE"),
              QStringLiteral("(12/25)"));
}

}  // namespace
}  // namespace orvanel::testing
