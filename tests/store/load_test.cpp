#include "store/lookup.h"

#include "support/loaded_register.h"
#include "support/register_records.h"

#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

void expectRefused(const LoadedRegister& r, const QString& message)
{
    EXPECT_TRUE(r.reg.loadFailed());
    ASSERT_EQ(r.refusals().size(), 1);
    EXPECT_EQ(r.refusals().first(), message);
    EXPECT_EQ(r.report.refusal, message);
    // Never half a register: nothing of a refused file can reach a save.
    EXPECT_TRUE(!r.reg.loaded());
    EXPECT_FALSE(r.reg.modified());
}

}  // namespace

TEST(Load, MissingFileIsReportedAndNothingIsCreated)
{
    LoadedRegister r;
    r.load();
    EXPECT_TRUE(r.reg.loadFailed());
    EXPECT_EQ(r.refusals(), QStringList{"File \"zok.xml\" not found!"});
    EXPECT_FALSE(r.folder.exists("zok.xml"));
}

TEST(Load, ValidRegisterSetsTheSharedState)
{
    LoadedRegister r(RegisterFile(BarePerson("XY0001-6") + " <Note>kept</Note>\n <!-- c -->\n" +
                                      BarePerson("XY0002-2", "deleted") +
                                      RelXml("XY0001-6", "XY0002-2"),
                                  2, 1, "XYZ"));
    ASSERT_FALSE(r.reg.loadFailed()) << r.refusals().join("|").toStdString();
    EXPECT_TRUE(r.refusals().isEmpty());
    EXPECT_EQ(r.reg.personCounter(), 2);
    EXPECT_EQ(r.reg.relCounter(), 1);
    EXPECT_EQ(r.reg.idPrefix, "XY");
    EXPECT_FALSE(r.reg.modified());
    EXPECT_EQ(RegisterDocument(r.reg).rootCount(), 4);  // Note counts as a node, not as a record
    EXPECT_TRUE(r.report.conversions.empty());
}

TEST(Load, OldIdentifiersAreConvertedEverywhereAndMarkTheRegisterModified)
{
    LoadedRegister r(RegisterFile(BarePerson("AB00017") + BarePerson("AB0002") +
                                      RelXml("AB00017", "AB0002-3"),
                                  2, 1));
    ASSERT_FALSE(r.reg.loadFailed());
    EXPECT_TRUE(r.reg.modified());
    EXPECT_TRUE(FindPerson(r.reg, "AB0001-7"));
    EXPECT_EQ(RegisterDocument(r.reg).rootChild(2).attribute("ID1"), "AB0001-7");
    ASSERT_EQ(r.report.conversions.size(), 3u);
    EXPECT_EQ(r.report.conversions[0].from, "AB00017");
    EXPECT_EQ(r.report.conversions[1].to, "AB0002-3");
}

TEST(Load, CountsMustMatchExactlyAsText)
{
    expectRefused(LoadedRegister(RegisterFile(BarePerson("AB0001-7"), 2, 0)),
                  "Invalid data file content!");
    expectRefused(LoadedRegister(QByteArray("<R Prefix=\"AB\" DateModified=\"2025/1/1\" "
                                            "PersonCount=\"007\" RelCount=\"0\">") +
                                 BarePerson("AB0001-7") + BarePerson("AB0002-3") +
                                 BarePerson("AB0003-9") + BarePerson("AB0004-5") +
                                 BarePerson("AB0005-1") + BarePerson("AB0006-7") +
                                 BarePerson("AB0007-3") + "</R>"),
                  "Invalid data file content!");
    expectRefused(LoadedRegister("<R Prefix=\"AB\" DateModified=\"2025/1/1\" PersonCount=\"0\"/>"),
                  "Invalid data file content!");
}

TEST(Load, WrongIdentifierIsNamedAndReportedBeforeTheCounts)
{
    expectRefused(LoadedRegister(RegisterFile(
                      BarePerson("AB0001-7") + RelXml("AB0001-7", "AB0001-77"), 5, 5)),
                  "Invalid data file content (wrong ID : AB0001-77 )!");
    expectRefused(LoadedRegister(RegisterFile(BarePerson("AB-12"), 1, 0)),
                  "Invalid data file content (wrong ID : AB-12 )!");
}

TEST(Load, FilesThatCannotBeARegisterAreRefusedNamingTheProblem)
{
    expectRefused(LoadedRegister("<R Prefix=\"AB\" DateModified=\"2025/1/1\" PersonCount=\"0\" "
                                 "RelCount=\"0\">\n<Person>\n</R>"),
                  "Invalid data file content (line 3: Opening and ending tag mismatch: Person "
                  "line 2 and R)!");
    expectRefused(LoadedRegister("<R DateModified=\"2025/1/1\" PersonCount=\"0\" RelCount=\"0\"/>"),
                  "Invalid data file content (the root has no Prefix)!");
    expectRefused(LoadedRegister("<R Prefix=\"AB\" PersonCount=\"0\" RelCount=\"0\"/>"),
                  "Invalid data file content (the root has no DateModified)!");
    expectRefused(LoadedRegister("<R Prefix=\"AB\" DateModified=\"2025-1-1\" PersonCount=\"0\" "
                                 "RelCount=\"0\"/>"),
                  "Invalid data file content (DateModified: '2025-1-1' is not a valid date)!");
    expectRefused(LoadedRegister(RegisterFile(" <Person/>\n", 1, 0)),
                  "Invalid data file content (a Person without ID)!");
    expectRefused(LoadedRegister(RegisterFile(BarePerson("AB0001-7") +
                                                  " <Rel ID1=\"AB0001-7\" Dir=\"child\"/>\n",
                                              1, 1)),
                  "Invalid data file content (a Rel without ID2)!");
    expectRefused(LoadedRegister(RegisterFile(BarePerson(""), 1, 0)),
                  "Invalid data file content (a Person with an empty ID)!");
    expectRefused(LoadedRegister(""), "Invalid data file content (line 1: Document is empty)!");
}

TEST(Load, AnEmptyRegisterAndANamespacedRecordAreAccepted)
{
    LoadedRegister empty("<R Prefix=\"\" DateModified=\"2025/1/1\" PersonCount=\"0\" RelCount=\"0\"/>");
    EXPECT_FALSE(empty.reg.loadFailed());
    EXPECT_EQ(empty.reg.idPrefix, "");

    LoadedRegister ns("<R xmlns:x=\"urn:x\" Prefix=\"A\" DateModified=\"2025/1/1\" "
                      "PersonCount=\"1\" RelCount=\"0\"><x:Person ID=\"AB0001-7\"/></R>");
    EXPECT_FALSE(ns.reg.loadFailed());
    EXPECT_EQ(ns.reg.idPrefix, "A");
    EXPECT_TRUE(FindPerson(ns.reg, "AB0001-7"));
}

TEST(Load, EntityDeclarationsAndExternalReferencesAreNeverFollowed)
{
    TempFolder secret;
    secret.write("secret.txt", "top secret");
    const QByteArray external =
        "<!DOCTYPE R [<!ENTITY s SYSTEM \"file://" + secret.file("secret.txt").toUtf8() +
        "\">]>\n<R Prefix=\"AB\" DateModified=\"2025/1/1\" PersonCount=\"0\" "
        "RelCount=\"0\"><Note>&s;</Note></R>";
    expectRefused(LoadedRegister(external),
                  "Invalid data file content (entity declarations are not allowed)!");

    QByteArray bomb = "<!DOCTYPE R [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">";
    for (char c = 'b'; c <= 'k'; ++c)
        bomb += QByteArray("<!ENTITY ") + c + " \"" + QByteArray(10, '&').replace("&", QByteArray("&") + char(c - 1) + ";") + "\">";
    bomb += "]>\n<R Prefix=\"AB\" DateModified=\"2025/1/1\" PersonCount=\"0\" RelCount=\"0\">"
            "<Note>&k;</Note></R>";
    LoadedRegister r(bomb);
    EXPECT_TRUE(r.reg.loadFailed());
    EXPECT_TRUE(!r.reg.loaded());
}
