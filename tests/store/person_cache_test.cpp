// The cache of the persons' list fields must give what reading the records gives, after any
// mix of the register's writes: checked against the document after random sequences of them.

#include "store/errors.h"
#include "store/person_cache.h"
#include "store/lookup.h"
#include "store/person_id.h"
#include "store/save.h"

#include "support/loaded_register.h"
#include "support/read_in_place.h"

#include <gtest/gtest.h>
#include <random>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

// What reading a record's child gives: its text, or the error of a missing required child; a
// field added later reads as empty text.
QString DocumentRead(const Element& person, const PersonFieldInfo& info)
{
    try {
        return QStringLiteral("text:") + person.child(info.element).text();
    } catch (const NodeNotFound& e) {
        if (!info.required)
            return QStringLiteral("text:");
        return QStringLiteral("error:") + e.message();
    }
}

QString CacheRead(const ListedPerson& person, PersonField field)
{
    try {
        return QStringLiteral("text:") + person.text(field);
    } catch (const NodeNotFound& e) {
        return QStringLiteral("error:") + e.message();
    }
}

void ExpectSamePerson(Register& reg, const Element& element, int index, const char* when)
{
    const ListedPerson listed = reg.persons().of(element);
    EXPECT_EQ(listed.element(), element) << when;
    EXPECT_EQ(listed.id(), element.attribute("ID")) << when << " person " << index;
    for (const PersonFieldInfo& info : kPersonFields) {
        const char* name = info.element;
        const PersonField field = info.field;
        EXPECT_EQ(CacheRead(listed, field), DocumentRead(element, info))
            << when << " person " << index << " " << name;
        EXPECT_EQ(listed.has(field), static_cast<bool>(element.childOrNull(name)))
            << when << " person " << index << " " << name;
        if (listed.has(field) && info.keeping != CacheKeeping::None) {
            EXPECT_EQ(listed.view(field), listed.text(field))
                << when << " person " << index << " " << name;
        }
    }
}

void ExpectCacheMatchesDocument(Register& reg, const char* when)
{
    int index = 0;
    for (int i = 0; i < reg.doc.rootCount(); ++i) {
        const Element node = reg.doc.rootChild(i);
        if (!node.hasLocalName("Person"))
            continue;
        ASSERT_LT(index, reg.persons().size()) << when;
        EXPECT_EQ(reg.persons().at(index).element(), node) << when << " person " << index;
        ExpectSamePerson(reg, node, index, when);
        ++index;
    }
    EXPECT_EQ(reg.persons().size(), index) << when;
}

// Records a hand-edited file may hold: children missing, twice, out of order, in pieces, under a
// prefix, beside unrelated ones.
QByteArray DamagedRecords()
{
    return BarePerson("AB0001-7")  // nothing but a Status
           + " <Person ID=\"AB0002-3\"><Name>first</Name><Name>second</Name>"
             "<Status>Active</Status><Surname>B<![CDATA[&r]]>z<!-- c -->i&amp;s</Surname>"
             "<x:City xmlns:x=\"urn:x\">Rīga</x:City><Sex/><Note>n</Note>"
             "<DateOfBirth>1950/01/01</DateOfBirth></Person>\n"
             " <Note>Active</Note>\n"
           + RelXml("AB0001-7", "AB0002-3")
           + " <Person ID=\"AB0003-9\"><Comment>c</Comment><EMail>e@x</EMail>"
             "<Status>Deleted</Status><Phone1>1</Phone1><Phone1>2</Phone1></Person>\n";
}

// Texts that share values (as names and statuses do) and texts the document stores differently
// from how they were given (line breaks, characters XML cannot hold).
QString RandomText(std::mt19937& random)
{
    static const QString pool[] = {
        QString(), QStringLiteral(""), QStringLiteral("Active"), QStringLiteral("Deleted"),
        QStringLiteral("M"), QStringLiteral("F"), QStringLiteral("Anna"), QStringLiteral("Bērziņš"),
        QStringLiteral("1950/1/1"), QStringLiteral(" spaced "), QStringLiteral("a\r\nb\nc"),
        QStringLiteral("<&>\"'"), QStringLiteral("ctl\x01" "x"), QStringLiteral("山田 😀"),
    };
    const size_t pick = random() % (std::size(pool) + 1);
    if (pick < std::size(pool))
        return pool[pick];
    return QStringLiteral("t%1").arg(random() % 1000);
}

// Any set of fields a writer might be given, some of them without a text.
PersonValue RandomValue(std::mt19937& random, const QString& id)
{
    PersonValue value;
    value.id = id;
    for (const PersonFieldInfo& info : kPersonFields) {
        if (random() % 3 == 0)
            value.set(info.field, RandomText(random));
    }
    return value;
}

class PersonCacheSequence : public ::testing::TestWithParam<unsigned> {};

TEST_P(PersonCacheSequence, ReadsWhatTheRecordsHoldAfterEveryKindOfWrite)
{
    LoadedRegister r(RegisterFile(DamagedRecords(), 3, 1));
    ASSERT_TRUE(Accepted(r.report));
    Register& reg = r.reg;
    ExpectCacheMatchesDocument(reg, "after loading");

    std::mt19937 random(GetParam());
    std::vector<QString> ids = {"AB0001-7", "AB0002-3", "AB0003-9"};
    auto anyId = [&] {
        // Now and then one that no person carries.
        return random() % 16 == 0 ? FormatId(QStringLiteral("AB"), 9999) : ids[random() % ids.size()];
    };
    constexpr int kSteps = 1500;
    for (int step = 0; step < kSteps; ++step) {
        const unsigned kind = random() % 4;
        Element touched;
        if (kind == 0) {
            // New persons: every field written, some of them empty.
            const QString id = NextFreeId(reg, reg.personCounter());
            touched = reg.persons().of(reg.addPerson(RandomValue(random, id))).element();
            ids.push_back(id);
        } else if (kind == 1) {
            touched = reg.doc.findPerson(anyId());
            if (!touched)
                continue;
            try {
                reg.updatePerson(PersonRef(reg.persons().placeOf(touched)),
                                 RandomValue(random, QString()));
            } catch (const NodeNotFound&) {
                // A child the record lacks stops the update; what came before it stays.
            }
        } else if (kind == 2) {
            const QString id = anyId();
            touched = reg.doc.findPerson(id);
            try {
                reg.deletePerson(id, RandomText(random));
            } catch (const NodeNotFound&) {
                // Nothing changed: checked like any other step.
            }
        } else {
            // The person dialog's commit: the person's relationships removed, then written anew.
            const QString id = anyId();
            reg.removeRelationsOf(id);
            for (unsigned n = random() % 3; n > 0; --n) {
                reg.appendRelationship(id, anyId(), QStringLiteral("sibling"),
                                       QStringLiteral("sibling"));
            }
        }
        if (touched)
            ExpectSamePerson(reg, touched, -1, "the person just written");
        if (step % 100 == 99)
            ExpectCacheMatchesDocument(reg, "during the sequence");
        if (::testing::Test::HasFailure())
            FAIL() << "step " << step << " of seed " << GetParam();
    }
    ExpectCacheMatchesDocument(reg, "after the sequence");

    // The load builds the same cache from the saved file, records damaged or not.
    reg.markModified();
    SaveRegister(reg, r.clock);
    LoadedRegister again(r.folder.read(QStringLiteral("zok.xml")));
    ASSERT_TRUE(Accepted(again.report));
    ExpectCacheMatchesDocument(again.reg, "after saving and loading again");
}

INSTANTIATE_TEST_SUITE_P(Seeds, PersonCacheSequence, ::testing::Values(1u, 2u, 3u, 4u));

TEST(PersonCache, KnowsOnlyTheRegistersOwnPersonElements)
{
    LoadedRegister r(RegisterFile(BarePerson("AB0001-7") + RelXml("AB0001-7", "AB0001-7"), 1, 1));
    ASSERT_TRUE(Accepted(r.report));
    EXPECT_THROW(r.reg.persons().of(Element()), NodeNotFound);
    EXPECT_THROW(r.reg.persons().of(r.reg.doc.rootChild(1)), NodeNotFound);  // the Rel
    EXPECT_THROW(r.reg.updatePerson(PersonRef(), ValueOf(QString(), {{"Name", "x"}})), NodeNotFound);
    EXPECT_THROW(r.reg.updatePerson(PersonRef(1), ValueOf(QString(), {{"Name", "x"}})), NodeNotFound);
    // A deletion that cannot find its Status changes nothing, relationships included.
    LoadedRegister bare(RegisterFile(" <Person ID=\"AB0001-7\"/>\n" + RelXml("AB0001-7", "AB0002-3"), 1, 1));
    ASSERT_TRUE(Accepted(bare.report));
    EXPECT_THROW(bare.reg.deletePerson(QStringLiteral("AB0001-7"), QStringLiteral("2026/1/1")),
                 NodeNotFound);
    EXPECT_EQ(bare.reg.relCounter(), 1);
    EXPECT_FALSE(bare.reg.modified());
}

// The texts read from the cache go on into rows, cells, edit fields and the clipboard, which
// outlive the register (a clipboard manager reads the clipboard as the program ends): each must
// hold its characters itself.
TEST(PersonCache, TextsReadFromItStayWholeAfterTheRegisterIsGone)
{
    const QHash<QString, QString> plain{
        {"Sex", "F"}, {"DateOfBirth", "1950/3/5"}, {"Status", "Active"}};
    QStringList read;
    {
        LoadedRegister r(RegisterXml().person(PersonXml::Labelled(Id(1)).set(plain)));
        const ListedPerson person = r.reg.persons().at(0);
        read << person.idOrEmpty() << *person.id();
        for (const PersonFieldInfo& info : kPersonFields)
            read << person.text(info.field);
    }
    QStringList expected{Id(1), Id(1)};
    for (const PersonFieldInfo& info : kPersonFields)
        expected << plain.value(QString::fromLatin1(info.element), QString::fromLatin1(info.element));
    EXPECT_EQ(CharactersReadHere(read), CharactersReadHere(expected));
}

// The load lists the persons on a thread of its own while the parser still reads the file, in
// batches, and gives the file's memory back as it goes: a register of several megabytes goes
// through all of that, with identifiers in the older form spread over every batch.
TEST(PersonCache, ALargeRegisterIsListedAsItsRecordsReadBesideTheParser)
{
    constexpr int kPersons = 8000;
    QByteArray records;
    for (int n = 1; n <= kPersons; ++n) {
        const QString id = n % 7 == 0 ? Id(n).remove(QLatin1Char('-')) : Id(n);
        records += PersonXml(id)
                       .set("Name", QStringLiteral("Name %1").arg(n % 50))
                       .set("EMail", QStringLiteral("p%1@example.org").arg(n))
                       .xml();
        records += RelXml(id, Id(1));
    }
    LoadedRegister r(RegisterFile(records, kPersons, kPersons));
    ASSERT_TRUE(Accepted(r.report));
    ASSERT_GT(r.fileBytes().size(), 4 << 20);
    EXPECT_EQ(r.report.conversions.size(), 2u * (kPersons / 7));
    EXPECT_EQ(r.reg.personCounter(), kPersons);
    EXPECT_EQ(r.reg.relCounter(), kPersons);
    EXPECT_EQ(r.reg.persons().at(6).idOrEmpty(), Id(7));
    ExpectCacheMatchesDocument(r.reg, "after the load");

    // Whatever stops the load late in the file, the first fault in the file is what is told.
    QByteArray late = records;
    late.replace(Id(7001).toUtf8(), Id(7001).toUtf8() + "9");
    late.replace(Id(7502).toUtf8(), Id(7502).toUtf8() + "9");
    LoadedRegister wrongIds(RegisterFile(late, kPersons, kPersons));
    EXPECT_EQ(wrongIds.refusals(),
              QStringList{"Invalid data file content (wrong ID : " + Id(7001) + "9 )!"});
    LoadedRegister broken(
        RegisterFile(records, kPersons, kPersons).replace("</Register>", "<Person>"));
    ASSERT_TRUE(broken.report.refused());
    EXPECT_TRUE(broken.report.refusal->startsWith("Invalid data file content (line "));
    EXPECT_EQ(broken.reg.persons().size(), 0);
}

// The contact texts lie in blocks of 262,144 characters, each known by its block and place: texts
// in later blocks, one longer than a block (a block of its own) and the block after it read whole.
TEST(PersonCache, ContactTextsReadWholeFromEveryBlock)
{
    const std::pair<int, int> streetAndMail[] = {{200000, 30}, {300000, 40}, {70000, 250000}};
    QByteArray records;
    for (int n = 1; n <= 3; ++n) {
        const auto [street, mail] = streetAndMail[n - 1];
        records += PersonXml(Id(n))
                       .set("StreetAddress", QString(street, QLatin1Char('a' + n)))
                       .set("EMail", QString(mail, QLatin1Char('m' + n)))
                       .set("Phone1", QString::number(n))
                       .xml();
    }
    LoadedRegister r(RegisterFile(records, 3, 0));
    ASSERT_TRUE(Accepted(r.report));
    ExpectCacheMatchesDocument(r.reg, "after the load");
    EXPECT_EQ(r.reg.persons().at(1).view(PersonField::StreetAddress).size(), 300000);
    EXPECT_EQ(r.reg.persons().at(2).text(PersonField::EMail), QString(250000, QLatin1Char('p')));
}

}  // namespace
