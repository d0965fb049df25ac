// A save of the kept register copies every byte it was not told to change, and writes what it was
// told in the file's own form.

#include "store/errors.h"
#include "store/kept_edits.h"
#include "store/record_writing.h"
#include "store/kept_record.h"
#include "store/kept_save.h"
#include "store/record_names.h"
#include "support/loaded_register.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace orvanel {
namespace {

using testing::kTestToday;
using testing::LoadedRegister;
using testing::RegisterXml;

KeptRegister Kept(const QByteArray& bytes)
{
    const FixedClock clock(kTestToday);
    return ReadKeptRegister(bytes, clock);
}

QByteArray Written(const KeptRegister& kept, const KeptChanges& changes)
{
    QByteArray out;
    WriteKeptFile(kept, changes, [&out](QByteArrayView piece) { out.append(piece); });
    return out;
}

// ASCII text in the file's encoding and line ends.
QByteArray InForm(QByteArray ascii, const KeptRegister& kept)
{
    if (kept.form.crlf)
        ascii.replace("\n", "\r\n");
    if (!kept.form.utf16)
        return ascii;
    QByteArray out;
    for (const char c : ascii) {
        if (kept.form.utf16BigEndian)
            out.append('\0').append(c);
        else
            out.append(c).append('\0');
    }
    return out;
}

QByteArray AsUtf16(const QByteArray& utf8File, bool bigEndian)
{
    const QString text = QString::fromUtf8(utf8File).replace(QStringLiteral("UTF-8"),
                                                             QStringLiteral("UTF-16"));
    QByteArray out(bigEndian ? "\xFE\xFF" : "\xFF\xFE");
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bigEndian ? out.append(high).append(low) : out.append(low).append(high);
    }
    return out;
}

QByteArray ThreePersons()
{
    RegisterXml xml;
    xml.person(testing::PersonXml(testing::Id(1)).set(QStringLiteral("Name"), QStringLiteral("Ann")))
        .raw("<!-- kept as it is --><Other><Empty></Empty>&#x41;</Other>\n")
        .person(testing::PersonXml(testing::Id(2)).set(QStringLiteral("Name"), QStringLiteral("Bob")))
        .person(testing::PersonXml(testing::Id(3)).set(QStringLiteral("Name"), QStringLiteral("Cy")))
        .rel(testing::Id(1), testing::Id(2), QStringLiteral("child"), QStringLiteral("parent"));
    return xml.bytes();
}

TEST(KeptSave, WritesAnUntouchedFileBackByteForByte)
{
    std::vector<std::pair<QString, QByteArray>> files;
    const QDir seeds(QStringLiteral(ORVANEL_LOAD_SEEDS));
    for (const QString& name : seeds.entryList(QDir::Files, QDir::Name)) {
        QFile file(seeds.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        files.emplace_back(name, file.readAll());
    }
    QByteArray crlf = ThreePersons();
    crlf.replace("\n", "\r\n");
    files.emplace_back(QStringLiteral("three"), ThreePersons());
    files.emplace_back(QStringLiteral("three, CR LF"), crlf);
    files.emplace_back(QStringLiteral("three, UTF-16BE"), AsUtf16(ThreePersons(), true));
    int read = 0;
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name.toStdString());
        std::optional<KeptRegister> kept;
        try {
            kept = Kept(bytes);
        } catch (const Error&) {
            continue;  // refused: nothing to save
        }
        ++read;
        EXPECT_EQ(Written(*kept, {}), bytes);
        // Setting the root's counts to what they are changes no byte either.
        KeptChanges same;
        same.rootAttributes = {{kPersonCountAttribute, QByteArray::number(kept->table.personCount())},
                               {kRelCountAttribute, QByteArray::number(kept->table.relCount())}};
        EXPECT_EQ(Written(*kept, same), bytes);
    }
    EXPECT_GE(read, 10);
}

TEST(KeptSave, ChangesOnlyTheRecordsAndRootAttributesItIsGiven)
{
    QByteArray crlf = ThreePersons();
    crlf.replace("\n", "\r\n");
    for (const auto& [what, bytes] : {std::pair{"LF", ThreePersons()}, std::pair{"CR LF", crlf},
                                      std::pair{"UTF-16LE", AsUtf16(ThreePersons(), false)}}) {
        SCOPED_TRACE(what);
        const KeptRegister kept = Kept(bytes);
        ASSERT_EQ(kept.table.recordCount(), 5);
        KeptChanges changes;
        // Bob renamed, Cy removed, two persons and a relationship added.
        changes.records[2] = InForm("<Person ID=\"" + testing::Id(2).toUtf8() +
                                        "\"><Name>Robert</Name><Status>Active</Status></Person>",
                                    kept);
        changes.records[3] = QByteArray();
        changes.appended = {
            InForm("<Person ID=\"" + testing::Id(4).toUtf8() + "\"><Name>Dee</Name></Person>", kept),
            InForm("<Rel ID1=\"" + testing::Id(4).toUtf8() + "\" ID2=\"" + testing::Id(1).toUtf8() +
                       "\" Dir=\"child\" Inv=\"parent\"/>",
                   kept)};
        changes.rootAttributes = {{kPersonCountAttribute, "3"},
                                  {kRelCountAttribute, "2"},
                                  {kDateModifiedAttribute, "2026/12/9"},
                                  {"Added", "yes"}};
        const QByteArray saved = Written(kept, changes);

        // Everything up to the changed record is the file's own, but for the root's start tag.
        const RecordSpan root = FindRootStartTag(bytes, ByteFormOf(bytes));
        EXPECT_EQ(saved.left(root.begin), bytes.left(root.begin));
        const qsizetype grown = saved.indexOf(InForm("<Person ID=\"" + testing::Id(2).toUtf8(), kept));
        ASSERT_GT(grown, 0);
        const qsizetype rootGrowth = grown - kept.table.spanOf(2).begin;
        EXPECT_EQ(saved.mid(root.end + rootGrowth, kept.table.spanOf(2).begin - root.end),
                  bytes.mid(root.end, kept.table.spanOf(2).begin - root.end));

        LoadedRegister reloaded(saved);
        ASSERT_TRUE(testing::Accepted(reloaded.report));
        const KeptRegister again = Kept(saved);
        ASSERT_EQ(again.table.personCount(), 3);
        EXPECT_EQ(again.table.personText(0, PersonField::Name), QStringLiteral("Ann"));
        EXPECT_EQ(again.table.personText(1, PersonField::Name), QStringLiteral("Robert"));
        EXPECT_EQ(again.table.personText(2, PersonField::Name), QStringLiteral("Dee"));
        EXPECT_EQ(again.table.relationsOf(testing::Id(1)).size(), 2u);
        EXPECT_EQ(Document::parse(saved).root().attribute("Added"), QStringLiteral("yes"));
        // The removed record's line went with it, and the added ones stand on lines of their
        // own, indented as their neighbours, in the file's line ends.
        EXPECT_TRUE(saved.contains(InForm("Robert</Name><Status>Active</Status></Person>\n <Rel", kept)));
        EXPECT_TRUE(saved.contains(InForm("parent\"/>\n <Person ID=\"" + testing::Id(4).toUtf8(), kept)));
        if (kept.form.crlf) {
            EXPECT_EQ(saved.count("\n"), saved.count("\r\n"));
        }
    }
}

TEST(KeptRecord, ChangesARecordAndWritesItBackInTheFilesForm)
{
    QByteArray crlf = ThreePersons();
    crlf.replace("\n", "\r\n");
    const QByteArray latin = testing::AsWindows1257(ThreePersons());
    for (const auto& [what, bytes] :
         {std::pair{"LF", ThreePersons()}, std::pair{"CR LF", crlf},
          std::pair{"UTF-16BE", AsUtf16(ThreePersons(), true)}, std::pair{"windows-1257", latin}}) {
        SCOPED_TRACE(what);
        const KeptRegister kept = Kept(bytes);
        // A record read alone and written unchanged gives the bytes the file holds.
        for (const int record : {0, 2, 4}) {
            const RecordSpan span = kept.table.spanOf(record);
            EXPECT_EQ(KeptRecord(kept, record).bytes(), bytes.mid(span.begin, span.end - span.begin))
                << "record " << record;
        }
        KeptRecord bob(kept, 2);
        // Š is in windows-1257; the Cyrillic letter is not and goes as a character reference.
        bob.element().child("Name").setText(QStringLiteral("Šarūnas & <Ж>\nline"));
        KeptChanges changes;
        changes.records[2] = bob.bytes();
        const QByteArray saved = Written(kept, changes);
        LoadedRegister reloaded(saved);
        ASSERT_TRUE(testing::Accepted(reloaded.report));
        EXPECT_EQ(reloaded.reg.persons().at(1).text(PersonField::Name),
                  QStringLiteral("Šarūnas & <Ж>\nline"));
        if (kept.form.crlf) {
            EXPECT_EQ(saved.count("\n"), saved.count("\r\n"));
        }
    }
}

TEST(KeptSave, OpensARootWrittenEmptyForTheRecordsAdded)
{
    const QByteArray empty =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Register Prefix=\"AB\" "
        "DateModified=\"2025/1/2\" PersonCount=\"0\" RelCount=\"0\"/>\n";
    for (const auto& [what, bytes] : {std::pair{"UTF-8", empty}, std::pair{"UTF-16BE", AsUtf16(empty, true)}}) {
        SCOPED_TRACE(what);
        const KeptRegister kept = Kept(bytes);
        KeptEdits edits(kept);
        PersonValue person;
        person.id = testing::Id(1);
        person.set(PersonField::Name, QStringLiteral("Ann"));
        edits.addPerson(kept.table.recordCount(), person);
        KeptChanges changes = edits.changes();
        changes.rootAttributes = {{kPersonCountAttribute, "1"}};
        LoadedRegister reloaded(Written(kept, changes));
        ASSERT_TRUE(testing::Accepted(reloaded.report));
        ASSERT_EQ(reloaded.reg.persons().size(), 1);
        EXPECT_EQ(reloaded.reg.persons().at(0).text(PersonField::Name), QStringLiteral("Ann"));
    }
}

TEST(KeptSave, RemovesTheFirstAndLastRecordsAndAddsAfterWhatIsLeft)
{
    const QByteArray bytes = ThreePersons();
    const KeptRegister kept = Kept(bytes);
    KeptChanges changes;
    changes.records[0] = QByteArray();
    changes.records[4] = QByteArray();
    changes.appended = {"<Rel ID1=\"" + testing::Id(2).toUtf8() + "\" ID2=\"" +
                        testing::Id(3).toUtf8() + "\" Dir=\"child\" Inv=\"parent\"/>"};
    changes.rootAttributes = {{kPersonCountAttribute, "2"}};
    const QByteArray saved = Written(kept, changes);
    const RecordSpan root = FindRootStartTag(bytes, ByteFormOf(bytes));
    // The root's start tag now stands right before the line of the record that followed Ann.
    EXPECT_TRUE(saved.contains(">\n<!-- kept as it is -->"));
    EXPECT_TRUE(saved.contains("</Person>\n <Rel ID1=\"" + testing::Id(2).toUtf8()));
    EXPECT_TRUE(saved.endsWith(bytes.mid(kept.table.spanOf(4).end)));
    LoadedRegister reloaded(saved);
    ASSERT_TRUE(testing::Accepted(reloaded.report));
    EXPECT_EQ(Kept(saved).table.relationsOf(testing::Id(1)).size(), 0u);
    EXPECT_EQ(Kept(saved).table.relationsOf(testing::Id(3)).size(), 1u);
    EXPECT_EQ(saved.left(root.begin), bytes.left(root.begin));
}

}  // namespace
}  // namespace orvanel
