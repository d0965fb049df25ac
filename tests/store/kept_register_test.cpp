// The register read into its kept bytes and record table must agree with the register read into
// a whole document: the same refusals in the same words, and where the file is accepted the same
// persons, listed fields, relationships, identifier conversions and code page.

#include "store/errors.h"
#include "store/kept_register.h"
#include "store/record_names.h"
#include "support/loaded_register.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace orvanel {
namespace {


using testing::kTestToday;
using testing::LoadedRegister;
using testing::PersonXml;
using testing::RegisterFile;
using testing::RegisterXml;

struct KeptReading {
    std::optional<KeptRegister> kept;
    QString refusal;
};

KeptReading ReadKept(const QByteArray& bytes, LoadProgress* progress = nullptr)
{
    KeptReading reading;
    const FixedClock clock(kTestToday);
    try {
        reading.kept = ReadKeptRegister(bytes, clock, progress);
    } catch (const Error& e) {
        reading.refusal = e.message();
    } catch (const std::exception& e) {
        reading.refusal = QString::fromLocal8Bit(e.what());
    }
    return reading;
}

QStringList RelTexts(std::optional<QString> id1, std::optional<QString> id2,
                     std::optional<QString> dir, std::optional<QString> inv)
{
    QStringList out;
    for (const auto& text : {id1, id2, dir, inv})
        out << text.value_or(QStringLiteral("<none>"));
    return out;
}

// Reads the file both ways and compares everything the table holds with the document.
void ExpectSameReading(const QByteArray& bytes, const QString& what, bool mustLoad = false)
{
    SCOPED_TRACE(what.toStdString());
    LoadedRegister dom(bytes);
    const KeptReading reading = ReadKept(bytes);
    ASSERT_TRUE(!mustLoad || !dom.report.refused()) << dom.report.refusal->toStdString();
    if (dom.report.refused()) {
        EXPECT_FALSE(reading.kept);
        EXPECT_EQ(reading.refusal, *dom.report.refusal);
        return;
    }
    ASSERT_TRUE(reading.kept) << reading.refusal.toStdString();
    const KeptRegister& kept = *reading.kept;
    const RecordTable& table = kept.table;
    Register& reg = dom.reg;
    EXPECT_EQ(kept.idPrefix, reg.idPrefix);
    EXPECT_EQ(kept.idCodePage.name(), reg.idCodePage.name());
    ASSERT_EQ(kept.conversions.size(), dom.report.conversions.size());
    for (size_t i = 0; i < kept.conversions.size(); ++i) {
        EXPECT_EQ(kept.conversions[i].from, dom.report.conversions[i].from);
        EXPECT_EQ(kept.conversions[i].to, dom.report.conversions[i].to);
    }
    EXPECT_EQ(kept.changedRecords.empty(), kept.conversions.empty());

    ASSERT_EQ(table.recordCount(), reg.doc.rootCount());
    ASSERT_EQ(table.personCount(), reg.persons().size());
    ASSERT_EQ(table.personCount(), reg.personCounter());
    ASSERT_EQ(table.relCount(), reg.relCounter());
    std::vector<Element> rels;
    for (int i = 0; i < reg.doc.rootCount(); ++i) {
        const Element record = reg.doc.rootChild(i);
        const RecordKind kind = record.hasLocalName(kPersonElement) ? RecordKind::Person
                                : record.hasLocalName(kRelElement)  ? RecordKind::Rel
                                                                     : RecordKind::Other;
        EXPECT_EQ(table.kindOf(i), kind) << "record " << i;
        if (kind == RecordKind::Rel)
            rels.push_back(record);
        // Each span holds its record's start tag, in the file's own encoding.
        const RecordSpan span = table.spanOf(i);
        ASSERT_LT(span.begin, span.end);
        ASSERT_LE(span.end, kept.bytes.size());
        const bool utf16 = kept.form.utf16;
        const char first = kept.bytes[span.begin + (utf16 && kept.form.utf16BigEndian ? 1 : 0)];
        EXPECT_EQ(first, '<') << "record " << i;
    }
    for (int p = 0; p < table.personCount(); ++p) {
        const ListedPerson listed = reg.persons().at(p);
        EXPECT_EQ(table.personId(p), listed.id()) << "person " << p;
        for (const PersonFieldInfo& info : kPersonFields) {
            if (info.keeping == CacheKeeping::None)
                continue;
            EXPECT_EQ(table.personHas(p, info.field), listed.has(info.field)) << info.element;
            EXPECT_EQ(table.personText(p, info.field), listed.textOrEmpty(info.field))
                << info.element;
        }
    }
    QStringList ids;
    for (int r = 0; r < table.relCount(); ++r) {
        const Element rel = rels[static_cast<size_t>(r)];
        EXPECT_EQ(RelTexts(table.relId(r, 0), table.relId(r, 1), table.relWord(r, 0),
                           table.relWord(r, 1)),
                  RelTexts(rel.attribute(kId1Attribute), rel.attribute(kId2Attribute),
                           rel.attribute(kDirAttribute), rel.attribute(kInvAttribute)))
            << "relationship " << r;
        for (const auto& id : {table.relId(r, 0), table.relId(r, 1)})
            if (id)
                ids << *id;
    }
    for (int p = 0; p < table.personCount(); ++p)
        ids << table.personId(p).value_or(QString());
    ids << QStringLiteral("nobody");
    for (const QString& id : ids) {
        std::vector<int> expected;
        for (const Element& rel : reg.relationsOf(id))
            expected.push_back(static_cast<int>(std::find(rels.begin(), rels.end(), rel) -
                                                rels.begin()));
        EXPECT_EQ(table.relationsOf(id), expected) << id.toStdString();
        const int first = table.findPerson(id);
        const Element found = reg.doc.findPerson(id);
        if (!found)
            EXPECT_EQ(first, -1) << id.toStdString();
        else
            EXPECT_EQ(table.personId(first), id);
    }
}

TEST(KeptRegister, ReadsEveryLoadSeedAsTheDocumentDoes)
{
    const QDir seeds(QStringLiteral(ORVANEL_LOAD_SEEDS));
    const QStringList names = seeds.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ExpectSameReading(file.readAll(), name);
    }
}

TEST(KeptRegister, ReadsFieldsAsTheDocumentGivesTheirText)
{
    RegisterXml xml;
    xml.person(PersonXml::Labelled(testing::Id(1)))
        .person(PersonXml(testing::Id(2))
                    .set(QStringLiteral("Name"), QStringLiteral("Tom & Jerry <x>"))
                    .set(QStringLiteral("Surname"), QStringLiteral("O'Brien \"Ö\""))
                    .without(QStringLiteral("Phone2")))
        .raw("<Person ID=\"" + testing::Id(3).toUtf8() + "\"><Name>a<![CDATA[<b>&]]>c<!-- no -->d<Inner>e</Inner>f</Name>"
             "<Name>second</Name><City>&#x160;&#38;&amp;</City><Status>Active</Status></Person>\n",
             1)
        .raw("<x:Person xmlns:x=\"urn:x\" ID=\"" + testing::Id(4).toUtf8() + "\" x:ID=\"other\"><x:Name>N</x:Name></x:Person>\n", 1)
        .raw("<?keep me?><!-- between --><Other ID=\"" + testing::Id(1).toUtf8() + "\"><Person ID=\"no\"/></Other>\n")
        .rel(testing::Id(1), testing::Id(2), QStringLiteral("child"),
             QStringLiteral("parent"))
        .rel(testing::Id(2), testing::Id(2), QStringLiteral("twin"),
             QStringLiteral("twin"))
        .rel(testing::Id(9), testing::Id(1), QStringLiteral("a&amp;b"),
             QStringLiteral(""))
        .raw("<Rel ID1=\"" + testing::Id(1).toUtf8() + "\" ID2=\"" + testing::Id(3).toUtf8() + "\"/>\n", 0, 1);
    ExpectSameReading(xml.bytes(), QStringLiteral("fields"), true);

    QByteArray crlf = xml.bytes();
    crlf.replace("\n", "\r\n");
    ExpectSameReading(crlf, QStringLiteral("CR LF"), true);
    const QString text = QString::fromUtf8(xml.bytes()).replace(QStringLiteral("UTF-8"),
                                                                QStringLiteral("UTF-16"));
    QByteArray utf16("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    ExpectSameReading(utf16, QStringLiteral("UTF-16"), true);
}

TEST(KeptRegister, RefusesWhatTheDocumentRefusesInTheSameWords)
{
    const QByteArray person = testing::BarePerson(testing::Id(1));
    // The same identifier with another check digit.
    const QString wrongId = testing::Id(1).chopped(1) + (testing::Id(1).endsWith(u'0') ? u'1' : u'0');
    const std::pair<const char*, QByteArray> cases[] = {
        {"no ID", RegisterFile("<Person><Status>Active</Status></Person>", 1, 0)},
        {"an ID only the DTD gives",
         "<?xml version=\"1.0\"?><!DOCTYPE ZOK [<!ATTLIST Person ID CDATA \"AB0001-7\">]>"
         "<ZOK Prefix=\"AB\" DateModified=\"2020/1/1\" PersonCount=\"1\" RelCount=\"0\">"
         "<Person/></ZOK>"},
        {"empty ID1", RegisterFile(person + testing::RelXml(QStringLiteral(""), testing::Id(1)), 1, 1)},
        {"wrong ID", RegisterFile(testing::BarePerson(wrongId), 1, 0)},
        {"wrong count", RegisterFile(person, 2, 0)},
        {"a wrong ID before a wrong root", QByteArray(RegisterFile(testing::BarePerson(wrongId), 1, 0)).replace("Prefix", "Prefax")},
        {"a bad date", QByteArray(RegisterFile(person, 1, 0)).replace("DateModified=\"", "DateModified=\"x")},
        {"cut short", RegisterFile(person, 1, 0).chopped(10)},
        {"no root", "<?xml version=\"1.0\"?>"},
    };
    for (const auto& [what, bytes] : cases)
        ExpectSameReading(bytes, QString::fromLatin1(what));
}

TEST(KeptRegister, StopsWhenItsProgressSaysSo)
{
    struct Stop final : LoadProgress {
        bool goOn(qint64, qint64) noexcept override { return false; }
    } stop;
    const QByteArray bytes = RegisterFile(testing::BarePerson(testing::Id(1)), 1, 0);
    const FixedClock clock(kTestToday);
    EXPECT_THROW(ReadKeptRegister(bytes, clock, &stop), ParseStopped);
}

}  // namespace
}  // namespace orvanel
