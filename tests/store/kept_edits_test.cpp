// The register's operations made on the kept register save the same register as the same
// operations made on the document, in every form a register file is kept in, while every record
// they did not touch keeps its bytes.

#include "store/file_date.h"
#include "store/kept_edits.h"
#include "store/lookup.h"
#include "store/record_names.h"
#include "store/save.h"
#include "support/loaded_register.h"

#include <QFile>
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

// Every record of a loaded register as text: name, the register's attributes and every field.
QStringList Records(Register& reg)
{
    QStringList out;
    for (int i = 0; i < reg.doc.rootCount(); ++i) {
        const Element record = reg.doc.rootChild(i);
        QString line = record.localName();
        for (const char* name : {kIdAttribute, kId1Attribute, kId2Attribute, kDirAttribute,
                                 kInvAttribute})
            line += u' ' + record.attribute(name).value_or(QStringLiteral("-"));
        for (const PersonFieldInfo& info : kPersonFields) {
            const Element child = record.childOrNull(info.element);
            line += u'|' + (child ? child.text() : QStringLiteral("-"));
        }
        out << line;
    }
    return out;
}

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
            LoadedRegister dom(bytes);
            ASSERT_TRUE(testing::Accepted(dom.report));
            const KeptRegister kept = ReadKeptRegister(bytes, dom.clock);
            KeptEdits edits(kept);
            int keptPersons = kept.table.personCount();
            int keptRels = kept.table.relCount();
            std::mt19937 random(seed);
            const auto any = [&random](int n) { return static_cast<int>(random() % n); };
            for (int step = 0; step < 30; ++step) {
                const int person = any(12);
                const QString id = testing::Id(person + 1);
                switch (any(4)) {
                case 0: {
                    PersonValue value;
                    value.id = id;
                    value.set(edited[any(5)], QStringLiteral("Š %1 & <x>\n").arg(step));
                    dom.reg.updatePerson(FindPerson(dom.reg, id), value);
                    edits.updatePerson(kept, person, value);
                    break;
                }
                case 1: {
                    PersonValue value;
                    value.id = testing::Id(100 + step);
                    value.set(PersonField::Name, QStringLiteral("new %1").arg(step));
                    dom.reg.addPerson(value);
                    edits.addPerson(value);
                    ++keptPersons;
                    break;
                }
                case 2:
                    dom.reg.appendRelationship(id, testing::Id(any(12) + 1), QStringLiteral("child"),
                                               QStringLiteral("parent"));
                    edits.appendRelationship(id, dom.reg.doc.rootChild(dom.reg.doc.rootCount() - 1)
                                                     .attribute(kId2Attribute)
                                                     .value(),
                                             QStringLiteral("child"), QStringLiteral("parent"));
                    ++keptRels;
                    break;
                default: {
                    const int removed = dom.reg.removeRelationsOf(id);
                    EXPECT_EQ(edits.removeRelationsOf(kept, id), removed);
                    keptRels -= removed;
                }
                }
            }
            ASSERT_EQ(keptPersons, dom.reg.personCounter());
            ASSERT_EQ(keptRels, dom.reg.relCounter());
            SaveRegister(dom.reg, dom.clock);
            const QByteArray domSaved = dom.fileBytes();

            KeptChanges changes = edits.changes();
            changes.rootAttributes = {
                {kDateModifiedAttribute, FormatFileDate(kTestToday).toLatin1()},
                {kPersonCountAttribute, QByteArray::number(keptPersons)},
                {kRelCountAttribute, QByteArray::number(keptRels)}};
            QByteArray keptSaved;
            WriteKeptFile(kept, changes, [&keptSaved](QByteArrayView p) { keptSaved.append(p); });

            LoadedRegister fromDom(domSaved);
            LoadedRegister fromKept(keptSaved);
            ASSERT_TRUE(testing::Accepted(fromDom.report));
            ASSERT_TRUE(testing::Accepted(fromKept.report));
            EXPECT_EQ(Records(fromKept.reg), Records(fromDom.reg));
            // What the edits left alone is the file's own bytes.
            for (int record = 0; record < kept.table.recordCount(); ++record) {
                if (changes.records.contains(record))
                    continue;
                const RecordSpan span = kept.table.spanOf(record);
                EXPECT_TRUE(keptSaved.contains(bytes.mid(span.begin, span.end - span.begin)))
                    << "record " << record;
            }
        }
    }
}

TEST(KeptEdits, WriteIdentifiersTheLoadConvertedAsTheDocumentWritesThem)
{
    QFile seed(QStringLiteral(ORVANEL_LOAD_SEEDS "/old_ids.xml"));
    ASSERT_TRUE(seed.open(QIODevice::ReadOnly));
    const QByteArray bytes = seed.readAll();
    LoadedRegister dom(bytes);
    ASSERT_TRUE(testing::Accepted(dom.report));
    ASSERT_FALSE(dom.report.conversions.empty());
    const KeptRegister kept = ReadKeptRegister(bytes, dom.clock);
    SaveRegister(dom.reg, dom.clock);
    KeptChanges changes = KeptEdits(kept).changes();
    EXPECT_EQ(changes.records.size(), kept.changedRecords.size());
    changes.rootAttributes = {{kDateModifiedAttribute, FormatFileDate(kTestToday).toLatin1()}};
    QByteArray keptSaved;
    WriteKeptFile(kept, changes, [&keptSaved](QByteArrayView p) { keptSaved.append(p); });
    LoadedRegister fromDom(dom.fileBytes());
    LoadedRegister fromKept(keptSaved);
    ASSERT_TRUE(testing::Accepted(fromKept.report));
    EXPECT_TRUE(fromKept.report.conversions.empty());
    EXPECT_EQ(Records(fromKept.reg), Records(fromDom.reg));
}

}  // namespace
}  // namespace orvanel
