// The register's operations on its kept form save the same register as the same operations
// made on the whole document, in every form a register file is kept in, while every record they
// did not touch keeps its bytes.

#include "store/document.h"
#include "store/file_date.h"
#include "store/kept_edits.h"
#include "store/lookup.h"
#include "store/record_names.h"
#include "store/record_writing.h"
#include "store/save.h"
#include "support/loaded_register.h"

#include <QFile>
#include <QHash>
#include <gtest/gtest.h>
#include <random>

namespace orvanel {
namespace {

using testing::kTestToday;
using testing::LoadedRegister;
using testing::PersonXml;
using testing::RegisterXml;

QByteArray AsUtf16(const QByteArray& utf8File)
{
    const QString text = QString::fromUtf8(utf8File).replace(QStringLiteral("UTF-8"),
                                                             QStringLiteral("UTF-16"));
    QByteArray out("\xFF\xFE");
    out.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return out;
}

// Every record of a register file as text: name, the register's attributes (identifiers as
// `converted` says) and every field.
QStringList Records(const QByteArray& file, const QHash<QString, QString>& converted = {})
{
    Document doc = Document::parse(file);
    QStringList out;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const Element record = doc.rootChild(i);
        QString line = record.localName();
        for (const char* name : {kIdAttribute, kId1Attribute, kId2Attribute, kDirAttribute,
                                 kInvAttribute}) {
            const QString value = record.attribute(name).value_or(QStringLiteral("-"));
            line += u' ' + (name == kDirAttribute || name == kInvAttribute
                                ? value
                                : converted.value(value, value));
        }
        for (const PersonFieldInfo& info : kPersonFields) {
            const Element child = record.childOrNull(info.element);
            line += u'|' + (child ? child.text() : QStringLiteral("-"));
        }
        out << line;
    }
    return out;
}

// The register's operations made on the whole document, as the register once made them: the
// reference the kept form is held to.
class DocumentRegister {
public:
    explicit DocumentRegister(const QByteArray& bytes) : doc_(Document::parse(bytes))
    {
        for (int i = 0; i < doc_.rootCount(); ++i) {
            persons_ += doc_.rootChild(i).hasLocalName(kPersonElement) ? 1 : 0;
            rels_ += doc_.rootChild(i).hasLocalName(kRelElement) ? 1 : 0;
        }
    }

    void updatePerson(const QString& id, const PersonValue& value)
    {
        for (int i = 0; i < doc_.rootCount(); ++i) {
            const Element record = doc_.rootChild(i);
            if (record.hasLocalName(kPersonElement) && record.attributeEquals(kIdAttribute, id)) {
                WritePersonFields(record, value);
                return;
            }
        }
    }
    void addPerson(const PersonValue& value)
    {
        WritePersonRecord(doc_.appendRootChild(kPersonElement), value);
        ++persons_;
    }
    void appendRelationship(const QString& id1, const QString& id2, const QString& dir,
                            const QString& inv)
    {
        WriteRelRecord(doc_.appendRootChild(kRelElement), id1, id2, dir, inv);
        ++rels_;
    }
    int removeRelationsOf(const QString& id)
    {
        std::vector<Element> gone;
        for (int i = 0; i < doc_.rootCount(); ++i) {
            const Element rel = doc_.rootChild(i);
            if (rel.hasLocalName(kRelElement) &&
                (rel.attributeEquals(kId1Attribute, id) || rel.attributeEquals(kId2Attribute, id)))
                gone.push_back(rel);
        }
        doc_.removeRootChildren(gone);
        rels_ -= static_cast<int>(gone.size());
        return static_cast<int>(gone.size());
    }
    QByteArray saved()
    {
        Element root = doc_.root();
        root.setAttribute(kDateModifiedAttribute, FormatFileDate(kTestToday));
        root.setAttribute(kPersonCountAttribute, QString::number(persons_));
        root.setAttribute(kRelCountAttribute, QString::number(rels_));
        return doc_.serialize();
    }

private:
    Document doc_;
    int persons_ = 0;
    int rels_ = 0;
};

TEST(KeptEdits, RandomEditsSaveTheRegisterTheDocumentSaves)
{
    RegisterXml xml;
    for (int i = 1; i <= 12; ++i)
        xml.person(PersonXml::Labelled(testing::Id(i)));
    for (int i = 1; i < 12; i += 2)
        xml.rel(testing::Id(i), testing::Id(i + 1), QStringLiteral("sibling"),
                QStringLiteral("sibling"));
    QByteArray crlf = xml.bytes();
    crlf.replace("\n", "\r\n");
    const std::pair<const char*, QByteArray> files[] = {
        {"LF", xml.bytes()}, {"CR LF", crlf}, {"UTF-16LE", AsUtf16(xml.bytes())},
        {"windows-1257", testing::AsWindows1257(xml.bytes())}};
    const PersonField edited[] = {PersonField::Name, PersonField::Surname, PersonField::City,
                                  PersonField::Comment, PersonField::EMail};
    for (const auto& [what, bytes] : files) {
        for (unsigned seed = 1; seed <= 5; ++seed) {
            SCOPED_TRACE(std::string(what) + " seed " + std::to_string(seed));
            DocumentRegister dom(bytes);
            LoadedRegister kept(bytes);
            ASSERT_TRUE(testing::Accepted(kept.report));
            const int fileRecords = kept.reg.kept().table.recordCount();
            std::mt19937 random(seed);
            const auto any = [&random](int n) { return static_cast<int>(random() % n); };
            // Persons added in the run are edited too: their records are then opened from the
            // bytes they were added as.
            std::vector<QString> added;
            for (int step = 0; step < 30; ++step) {
                const QString id = !added.empty() && any(3) == 0
                                       ? added[static_cast<size_t>(any(static_cast<int>(added.size())))]
                                       : testing::Id(any(12) + 1);
                switch (any(4)) {
                case 0: {
                    PersonValue value;
                    value.id = id;
                    value.set(edited[any(5)], QStringLiteral("Š %1 & <x>\n").arg(step));
                    dom.updatePerson(id, value);
                    kept.reg.updatePerson(FindPerson(kept.reg, id), value);
                    break;
                }
                case 1: {
                    PersonValue value;
                    value.id = testing::Id(100 + step);
                    value.set(PersonField::Name, QStringLiteral("new %1").arg(step));
                    dom.addPerson(value);
                    kept.reg.addPerson(value);
                    added.push_back(value.id);
                    break;
                }
                case 2: {
                    const QString other = testing::Id(any(12) + 1);
                    dom.appendRelationship(id, other, QStringLiteral("child"),
                                           QStringLiteral("parent"));
                    kept.reg.appendRelationship(id, other, QStringLiteral("child"),
                                                QStringLiteral("parent"));
                    break;
                }
                default:
                    EXPECT_EQ(kept.reg.removeRelationsOf(id), dom.removeRelationsOf(id));
                }
            }
            const KeptChanges changes = kept.reg.changes();
            kept.reg.markModified();
            SaveRegister(kept.reg, kept.clock);
            const QByteArray keptSaved = kept.fileBytes();
            const QByteArray domSaved = dom.saved();
            EXPECT_EQ(Records(keptSaved), Records(domSaved));
            LoadedRegister again(keptSaved);
            ASSERT_TRUE(testing::Accepted(again.report));
            const RecordTable& table = kept.reg.kept().table;
            // What the edits left alone is the file's own bytes.
            for (int record = 0; record < fileRecords; ++record) {
                if (changes.records.contains(record))
                    continue;
                const RecordSpan span = table.spanOf(record);
                EXPECT_TRUE(keptSaved.contains(bytes.mid(span.begin, span.end - span.begin)))
                    << "record " << record;
            }
        }
    }
}

// Records added to a file in declared UTF-8 are written straight from their texts, and must be
// byte for byte what the document writes, in each form such a file comes in: line ends, the
// declaration's spelling, either form of empty elements. Every other file takes the document.
TEST(KeptEdits, AddedRecordsAreWrittenAsTheDocumentWritesThem)
{
    RegisterXml longEmpty;  // its last record writes empty children as <X></X>
    longEmpty.person(PersonXml(testing::Id(1)));
    RegisterXml shortEmpty;  // its last record, a Rel, as <X/>
    shortEmpty.person(PersonXml(testing::Id(1))).rel(testing::Id(1), testing::Id(1),
                                                      QStringLiteral("twin"), QStringLiteral("twin"));
    QByteArray crlf = longEmpty.bytes();
    crlf.replace("\n", "\r\n");
    QByteArray lowerCase = shortEmpty.bytes();
    lowerCase.replace("UTF-8", "utf-8");
    QByteArray undeclared = shortEmpty.bytes();
    undeclared.replace(" encoding=\"UTF-8\"", "");

    PersonValue value;
    value.id = QStringLiteral("Jā\"<&>\t\n\r");
    value.set(PersonField::Name, QStringLiteral("a < b & c > d\r\nŠ \U0001F600 ]]>"));
    value.set(PersonField::Surname, QStringLiteral("x\u0001y\uFFFF"));  // not storable
    value.set(PersonField::Comment, QString());
    const QString kinds[] = {QStringLiteral("chi\"ld\n"), QStringLiteral("pa<r>&ent\t")};

    const std::tuple<const char*, QByteArray, bool> files[] = {
        {"long empty", longEmpty.bytes(), true}, {"short empty", shortEmpty.bytes(), true},
        {"CR LF", crlf, true}, {"utf-8", lowerCase, true}, {"undeclared", undeclared, false},
        {"UTF-16", AsUtf16(shortEmpty.bytes()), false},
        {"windows-1257", testing::AsWindows1257(shortEmpty.bytes()), false}};
    for (const auto& [what, bytes, straight] : files) {
        SCOPED_TRACE(what);
        LoadedRegister loaded(bytes);
        ASSERT_TRUE(testing::Accepted(loaded.report));
        const KeptRegister& kept = loaded.reg.kept();
        NewRecordBytes fast(kept);
        NewRecordBytes reference(kept, NewRecordBytes::Way::ThroughDocument);
        EXPECT_EQ(fast.straight(), straight);
        EXPECT_EQ(fast.person(value), reference.person(value));
        EXPECT_EQ(fast.person(PersonValue()), reference.person(PersonValue()));
        EXPECT_EQ(fast.rel(value.id, testing::Id(1), kinds[0], kinds[1]),
                  reference.rel(value.id, testing::Id(1), kinds[0], kinds[1]));

        // What the register lists of an added person is what its record reads back.
        const PersonRef added = loaded.reg.addPerson(value);
        const PersonValue stored = loaded.reg.readPerson(added);
        EXPECT_EQ(stored.text(PersonField::Surname), QStringLiteral("x\uFFFDy\uFFFD"));
        for (const PersonField field : {PersonField::Name, PersonField::Surname})
            EXPECT_EQ(loaded.reg.persons().of(added).text(field), stored.text(field));
        EXPECT_EQ(FindPerson(loaded.reg, stored.id), added);
    }
}

TEST(KeptEdits, WriteIdentifiersTheLoadConvertedInTheirCurrentForm)
{
    QFile seed(QStringLiteral(ORVANEL_LOAD_SEEDS "/old_ids.xml"));
    ASSERT_TRUE(seed.open(QIODevice::ReadOnly));
    const QByteArray bytes = seed.readAll();
    LoadedRegister r(bytes);
    ASSERT_TRUE(testing::Accepted(r.report));
    ASSERT_FALSE(r.report.conversions.empty());
    EXPECT_TRUE(r.reg.modified());
    EXPECT_EQ(r.reg.changes().records.size(), r.reg.kept().changedRecords.size());
    QHash<QString, QString> converted;
    for (const IdConversion& conversion : r.report.conversions)
        converted.insert(conversion.from, conversion.to);
    SaveRegister(r.reg, r.clock);
    LoadedRegister again(r.fileBytes());
    ASSERT_TRUE(testing::Accepted(again.report));
    EXPECT_TRUE(again.report.conversions.empty());
    EXPECT_EQ(Records(r.fileBytes()), Records(bytes, converted));
}

}  // namespace
}  // namespace orvanel
