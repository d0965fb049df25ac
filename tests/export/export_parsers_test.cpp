// Export files read back by independent parsers from the system (Python's csv module and the
// vobject package), with names in several scripts and values full of the characters the two
// formats must escape or quote.

#include "export/exported_person.h"
#include "export/person_export.h"
#include "support/register_xml.h"
#include "support/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
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
      {"Phone2", "+30 210 111"}}},
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
    QJsonArray readBack(const char* kind, const QString& file)
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
        QProcess run;
        run.start(python, {QStringLiteral(ORVANEL_TEST_SOURCE "/export/read_export.py"),
                           QString::fromLatin1(kind), file});
        if (!run.waitForFinished(30000) || run.exitStatus() != QProcess::NormalExit
            || run.exitCode() != 0) {
            ADD_FAILURE() << "the " << kind << " parser failed (is python3-vobject installed? "
                          << "run scripts/install-deps.sh): "
                          << run.readAllStandardError().toStdString();
            return {};
        }
        return QJsonDocument::fromJson(run.readAllStandardOutput()).array();
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
    const QJsonArray records = readBack("csv", file);
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
    const QJsonArray cards = readBack("vcard", file);
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

}  // namespace
}  // namespace orvanel::testing
