// The register read into its kept bytes and record table, by the own scan and by the parser
// alone, must agree with each other and with the file parsed into a whole document: the same
// refusals in the same words, and where the file is accepted the same records, persons, listed
// fields and relationships, identifiers converted alike.

#include "store/document.h"
#include "store/errors.h"
#include "store/kept_register.h"
#include "store/record_names.h"
#include "support/loaded_register.h"

#include <QDir>
#include <QHash>
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

KeptReading ReadKept(const QByteArray& bytes, KeptReader readers = KeptReader::OwnScanFirst)
{
    KeptReading reading;
    const FixedClock clock(kTestToday);
    try {
        reading.kept = ReadKeptRegister(bytes, clock, nullptr, readers);
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

// Which reader a file is for: the own scan must read it, must leave it to the parser, or either.
enum class Scan { Reads, Leaves, Either };

// The whole file parsed into a document, the reference the kept readers are held to.
struct WholeReading {
    std::optional<Document> doc;
    QString refusal;
};

WholeReading ParseWhole(const QByteArray& bytes)
{
    WholeReading reading;
    try {
        reading.doc = Document::parse(bytes);
    } catch (const Error& e) {
        reading.refusal = e.message();
    }
    return reading;
}

void ExpectSameAsDocument(const KeptRegister& kept, Document& doc);

// Reads the file three ways: into a whole document, and into a kept register with the own scan
// first and with the parser alone. The two kept readers must agree with each other in everything,
// refusals included, and with the document's records; a file the document's parse refuses they
// must refuse in its words.
void ExpectSameReading(const QByteArray& bytes, const QString& what, bool mustLoad = false,
                       Scan scan = Scan::Either)
{
    SCOPED_TRACE(what.toStdString());
    const KeptReading fast = ReadKept(bytes, KeptReader::OwnScanFirst);
    const KeptReading parsed = ReadKept(bytes, KeptReader::ParserOnly);
    ASSERT_TRUE(!mustLoad || fast.kept) << fast.refusal.toStdString();
    EXPECT_EQ(fast.refusal, parsed.refusal);
    ASSERT_EQ(fast.kept.has_value(), parsed.kept.has_value());
    WholeReading whole = ParseWhole(bytes);
    if (!whole.doc) {
        EXPECT_FALSE(fast.kept);
        EXPECT_EQ(fast.refusal, whole.refusal);
        return;
    }
    // Refused past the markup, by the root's or the identifiers' checks, alike by both readers.
    if (!fast.kept)
        return;
    {
        SCOPED_TRACE("own scan first");
        ExpectSameAsDocument(*fast.kept, *whole.doc);
    }
    {
        SCOPED_TRACE("parser alone");
        ExpectSameAsDocument(*parsed.kept, *whole.doc);
    }
    if (scan != Scan::Either) {
        EXPECT_EQ(fast.kept->readByOwnScan, scan == Scan::Reads);
    }
    EXPECT_FALSE(parsed.kept->readByOwnScan);
    EXPECT_EQ(fast.kept->idPrefix, parsed.kept->idPrefix);
    EXPECT_EQ(fast.kept->idCodePage.name(), parsed.kept->idCodePage.name());
    ASSERT_EQ(fast.kept->conversions.size(), parsed.kept->conversions.size());
    for (size_t i = 0; i < fast.kept->conversions.size(); ++i) {
        EXPECT_EQ(fast.kept->conversions[i].from, parsed.kept->conversions[i].from);
        EXPECT_EQ(fast.kept->conversions[i].to, parsed.kept->conversions[i].to);
    }
    EXPECT_EQ(fast.kept->form.crlf, parsed.kept->form.crlf);
    EXPECT_EQ(fast.kept->form.utf8Bom, parsed.kept->form.utf8Bom);
    EXPECT_EQ(fast.kept->form.hasDeclaration, parsed.kept->form.hasDeclaration);
    EXPECT_EQ(fast.kept->prolog, parsed.kept->prolog);
    for (int i = 0; i < fast.kept->table.recordCount(); ++i) {
        EXPECT_EQ(fast.kept->table.spanOf(i).begin, parsed.kept->table.spanOf(i).begin) << i;
        EXPECT_EQ(fast.kept->table.spanOf(i).end, parsed.kept->table.spanOf(i).end) << i;
    }
}

// The table against the document's records, their identifiers as the load converted them.
void ExpectSameAsDocument(const KeptRegister& kept, Document& doc)
{
    const RecordTable& table = kept.table;
    EXPECT_EQ(kept.changedRecords.empty(), kept.conversions.empty());
    QHash<QString, QString> converted;
    for (const IdConversion& conversion : kept.conversions)
        converted.insert(conversion.from, conversion.to);
    const auto idOf = [&converted](const Element& record, const char* name) {
        std::optional<QString> id = record.attribute(name);
        if (id)
            id = converted.value(*id, *id);
        return id;
    };

    ASSERT_EQ(table.recordCount(), doc.rootCount());
    std::vector<Element> persons;
    std::vector<Element> rels;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element record = doc.rootChild(i);
        const RecordKind kind = record.hasLocalName(kPersonElement) ? RecordKind::Person
                                : record.hasLocalName(kRelElement)  ? RecordKind::Rel
                                                                     : RecordKind::Other;
        EXPECT_EQ(table.kindOf(i), kind) << "record " << i;
        if (kind == RecordKind::Person)
            persons.push_back(record);
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
    ASSERT_EQ(table.personCount(), static_cast<int>(persons.size()));
    ASSERT_EQ(table.relCount(), static_cast<int>(rels.size()));
    for (int p = 0; p < table.personCount(); ++p) {
        const Element person = persons[static_cast<size_t>(p)];
        EXPECT_EQ(table.personId(p), idOf(person, kIdAttribute)) << "person " << p;
        for (const PersonFieldInfo& info : kPersonFields) {
            if (info.keeping == CacheKeeping::None)
                continue;
            const Element child = person.childOrNull(info.element);
            EXPECT_EQ(table.personHas(p, info.field), static_cast<bool>(child)) << info.element;
            EXPECT_EQ(table.personText(p, info.field), child ? child.text() : QString())
                << info.element;
        }
    }
    QStringList ids;
    for (int r = 0; r < table.relCount(); ++r) {
        const Element rel = rels[static_cast<size_t>(r)];
        EXPECT_EQ(RelTexts(table.relId(r, 0), table.relId(r, 1), table.relWord(r, 0),
                           table.relWord(r, 1)),
                  RelTexts(idOf(rel, kId1Attribute), idOf(rel, kId2Attribute),
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
        // Every relationship naming the person on either side, once, in file order.
        std::vector<int> expected;
        for (size_t r = 0; r < rels.size(); ++r) {
            if (idOf(rels[r], kId1Attribute) == id || idOf(rels[r], kId2Attribute) == id)
                expected.push_back(static_cast<int>(r));
        }
        EXPECT_EQ(table.relationsOf(id), expected) << id.toStdString();
        int first = -1;
        for (size_t p = 0; p < persons.size() && first < 0; ++p) {
            if (idOf(persons[p], kIdAttribute) == id)
                first = static_cast<int>(p);
        }
        EXPECT_EQ(table.findPerson(id), first) << id.toStdString();
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
    ExpectSameReading(utf16, QStringLiteral("UTF-16"), true, Scan::Leaves);
}

// Plain markup in every form the own scan reads: entities, character references, CDATA,
// comments and instructions inside a field, nested and foreign elements, attribute values with
// whitespace to normalise, characters of two to four bytes, line ends and quotes of both kinds.
TEST(KeptRegister, ReadsPlainUtf8WithItsOwnScanAsTheDocumentDoes)
{
    const QByteArray id2 = testing::Id(2).toUtf8();
    const QByteArray id3 = testing::Id(3).toUtf8();
    RegisterXml xml;
    xml.person(PersonXml::Labelled(testing::Id(1)))
        .person(PersonXml(testing::Id(2))
                    .set(QStringLiteral("Name"),
                         QStringLiteral("Tom & Jerry <x> \u0160\u4e2d\U0001F600"))
                    .set(QStringLiteral("Surname"), QStringLiteral("O'Brien \"\u00d6\""))
                    .set(QStringLiteral("StreetAddress"), QStringLiteral("Street 1\n\tFlat 2\n"))
                    .without(QStringLiteral("Phone2")))
        .raw("<Person ID='" + id3 + "' ><Name >a<![CDATA[<b>&\n]]]>c<!-- no -->d<?pi x?>"
             "<Inner x=\"1\">e</Inner>f</Name >\n<Name>second</Name><City>&#x160;&#38;&amp;&lt;"
             "&gt;&apos;&quot;&#65;&#x1F600;&#13;&#9;]]</City><Status>Active</Status>"
             "<Phone1/><Fax></Fax></Person>\n",
             1)
        .raw("<?keep me?><!-- between --><Other ID=\"" + testing::Id(1).toUtf8() +
                 "\"><Person ID=\"no\"/></Other>\n<Empty/>\n")
        .rel(testing::Id(1), testing::Id(2), QStringLiteral("child"), QStringLiteral("parent"))
        .raw("<Rel ID1 = \"" + id2 + "\" ID2=\"" + id2 + "\" Dir=\"a&amp;b&#38;c&#x26;#38;\" "
             "Inv=\"tab\there\nnew line&#9;&#10;&#13;\"/>\n",
             0, 1)
        .raw("<Rel ID1=\"" + testing::Id(1).toUtf8() + "\" ID2=\"" + id3 + "\"/>\n", 0, 1);
    const QByteArray bytes = xml.bytes();
    ExpectSameReading(bytes, QStringLiteral("plain"), true, Scan::Reads);
    QByteArray crlf = bytes;
    ExpectSameReading(crlf.replace("\n", "\r\n"), QStringLiteral("CR LF"), true, Scan::Reads);
    ExpectSameReading("\xEF\xBB\xBF" + bytes, QStringLiteral("byte-order mark"), true, Scan::Reads);
    QByteArray undeclared = bytes;
    undeclared.remove(0, undeclared.indexOf('\n') + 1);
    ExpectSameReading(undeclared, QStringLiteral("no declaration"), true, Scan::Reads);
    ExpectSameReading(QByteArray(bytes).replace("encoding=\"UTF-8\"",
                                                "encoding='utf-8' standalone='yes' "),
                      QStringLiteral("other declaration"), true, Scan::Reads);
    ExpectSameReading("<!-- first -->\n<?app data?>" + undeclared + "<!-- last -->\n",
                      QStringLiteral("comments around the root"), true, Scan::Reads);
    ExpectSameReading(RegisterFile("", 0, 0).replace("\">\n</Register>", "\"/>"),
                      QStringLiteral("an empty root"), true, Scan::Reads);
}

// Relationships are appended in batches: chains across many of them, persons named before and
// after their records or not at all, both sides one person, and identifiers in the older form
// that the load converts, stay in file order and in their places.
TEST(KeptRegister, ChainsManyRelationshipsAsTheDocumentDoes)
{
    RegisterXml xml;
    for (int i = 0; i < 300; ++i) {
        if (i % 3 == 0)
            xml.person(PersonXml(testing::Id(1 + i / 3)));
        const int other = 1 + (i * 13) % 130;  // up to 30 persons that have no record
        QString second = testing::Id(i % 17 == 0 ? 1 + (i * 7) % 100 : other);
        if (i % 5 == 0)
            second.remove(u'-');  // "AB00017", read as "AB0001-7"
        xml.rel(testing::Id(1 + (i * 7) % 100), second, QStringLiteral("child"),
                QStringLiteral("parent"));
    }
    ExpectSameReading(xml.bytes(), QStringLiteral("300 relationships"), true, Scan::Reads);
}

// Whatever the own scan does not fully handle goes to the parser, which accepts or refuses it
// as the document does, in the same words.
TEST(KeptRegister, LeavesWhatItsOwnScanDoesNotHandleToTheParser)
{
    const QByteArray id1 = testing::Id(1).toUtf8();
    const auto withName = [&](const QByteArray& name) {
        return RegisterFile(" <Person ID=\"" + id1 + "\"><Name>" + name +
                                "</Name><Status>Active</Status></Person>\n",
                            1, 0);
    };
    const auto withAttributes = [&](const QByteArray& attributes) {
        return RegisterFile(" <Person ID=\"" + id1 + "\" " + attributes +
                                "><Status>Active</Status></Person>\n",
                            1, 0);
    };
    QByteArray deep;
    for (int i = 0; i < 200; ++i)
        deep += "<d>";
    for (int i = 0; i < 200; ++i)
        deep += "</d>";
    QByteArray many;
    for (int i = 0; i < 40; ++i)
        many += " a" + QByteArray::number(i) + "=\"\"";
    const std::pair<const char*, QByteArray> cases[] = {
        {"a document type",
         QByteArray(withName("x")).replace("<Register", "<!DOCTYPE Register><Register")},
        {"a namespace prefix",
         RegisterFile(" <p:Person xmlns:p=\"urn:p\" ID=\"" + id1 + "\"/>\n", 1, 0)},
        {"a namespace declaration", withAttributes("xmlns=\"urn:x\"")},
        {"a prefixed attribute", withAttributes("xml:lang=\"lv\"")},
        {"a name beyond ASCII", withName("<N\xC4\x81me>x</N\xC4\x81me>")},
        {"a reference to NUL", withName("&#x0;")},
        {"a reference to a surrogate", withName("&#xD800;")},
        {"a capital X", withName("&#X41;")},
        {"an undeclared entity", withName("&nbsp;")},
        {"a reference without its semicolon", withName("&amp")},
        {"a stray continuation byte", withName("a\x80z")},
        {"an overlong form", withName("\xC0\xAF")},
        {"a surrogate in UTF-8", withName("\xED\xA0\x80")},
        {"U+FFFE", withName("\xEF\xBF\xBE")},
        {"cut inside a character", withName("\xC5")},
        {"a control character", withName("a\x01z")},
        {"a C1 control", withName("\xC2\x85")},
        {"a lone CR", withName("a\rz")},
        {"the same attribute twice", withAttributes("a=\"1\" a=\"2\"")},
        {"attributes without space", withAttributes("a=\"1\"b=\"2\"")},
        {"an unquoted value", withAttributes("a=1")},
        {"a '<' in a value", withAttributes("a=\"<\"")},
        {"a lone CR in a value", withAttributes("a=\"x\ry\"")},
        {"an unclosed tag", withName("<Inner>")},
        {"a wrong end tag", withName("<Inner></Inne>")},
        {"']]>' in text", withName("a]]>b")},
        {"'--' in a comment", withName("<!-- a -- b -->")},
        {"a comment opening with '-'", withName("<!---a-->")},
        {"an instruction named xml", withName("<?xml-stylesheet href=\"a\"?>")},
        {"CDATA outside the root", withName("x") + "<![CDATA[x]]>"},
        {"text after the root", withName("x") + "x"},
        {"a second root", withName("x") + "<R/>"},
        {"cut short", withName("x").chopped(3)},
        {"nested 200 deep", withName(deep)},
        {"40 attributes", withAttributes(many)},
        {"version 1.1", QByteArray(withName("x")).replace("version=\"1.0\"", "version=\"1.1\"")},
        {"declared Latin-1", QByteArray(withName("x")).replace("UTF-8", "ISO-8859-1")},
        {"a space before the declaration", " " + withName("x")},
    };
    for (const auto& [what, bytes] : cases)
        ExpectSameReading(bytes, QString::fromLatin1(what), false, Scan::Leaves);
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
    // Stops at the progress's call `stopAt`, the first or one in the middle of the file.
    struct Stop final : LoadProgress {
        explicit Stop(int at) : stopAt(at) {}
        bool goOn(qint64 done, qint64 total) noexcept override
        {
            lastDone = done;
            fileSize = total;
            return ++calls < stopAt;
        }
        int stopAt;
        int calls = 0;
        qint64 lastDone = -1;
        qint64 fileSize = 0;
    };
    QByteArray records;
    for (int i = 1; i <= 2000; ++i)
        records += testing::BarePerson(testing::Id(i));
    const QByteArray bytes = RegisterFile(records, 2000, 0);
    const FixedClock clock(kTestToday);
    for (const KeptReader readers : {KeptReader::OwnScanFirst, KeptReader::ParserOnly}) {
        for (const int at : {1, 2}) {
            Stop stop(at);
            EXPECT_THROW(ReadKeptRegister(bytes, clock, &stop, readers), ParseStopped);
            EXPECT_EQ(stop.calls, at);
            EXPECT_EQ(stop.fileSize, bytes.size());
            EXPECT_LT(stop.lastDone, bytes.size());
        }
    }
}

}  // namespace
}  // namespace orvanel
