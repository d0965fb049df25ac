// Files of unusual form, found by fuzzing, that once loaded but then saved as something else or
// as a file the next start refused. A register that loads must save, and load again, the same.
#include "store/lookup.h"
#include "store/person_id.h"
#include "store/save.h"

#include "store_fixture.h"

#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

QByteArray utf16le(const QString& text)
{
    return QByteArray("\xFF\xFE", 2) +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

// Adds a person as the program does, saves, and loads the result in a fresh register.
QString addPersonAndSave(LoadedRegister& r)
{
    const QString id = NextFreeId(r.reg, r.reg.personCounter);
    r.reg.doc.appendRootChild("Person").setAttribute("ID", id);
    ++r.reg.personCounter;
    SaveRegister(r.reg, r.clock);
    return id;
}

}  // namespace

TEST(HostileForms, AUtf16DeclarationStaysThroughRepeatedSaves)
{
    for (const char* declaration :
         {"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n", "<?xml version=\"1.0\"?>\n"}) {
        LoadedRegister r(utf16le(QString::fromLatin1(declaration) +
                                 "<R Prefix=\"AB\" DateModified=\"2025/1/2\" PersonCount=\"0\" "
                                 "RelCount=\"0\"><N>Jānis 山田</N></R>\n"));
        ASSERT_FALSE(r.reg.loadFailed) << declaration;
        SaveRegister(r.reg, r.clock);
        const QByteArray first = r.folder.read("zok.xml");
        EXPECT_TRUE(first.startsWith(utf16le("<?xml "))) << declaration;
        LoadedRegister again(first);
        ASSERT_FALSE(again.reg.loadFailed) << declaration;
        SaveRegister(again.reg, again.clock);
        EXPECT_TRUE(again.folder.read("zok.xml") == first) << declaration;
        EXPECT_EQ(again.reg.doc.rootChild(0).text(), QStringLiteral("Jānis 山田"));
    }
}

TEST(HostileForms, ADeclarationSpreadOverWindowsLinesIsKeptAsItWas)
{
    const QByteArray original =
        "<?xml version=\"1.0\"\r\n encoding=\"UTF-8\"?>\r\n<R Prefix=\"AB\" DateModified=\"2025/1/2\" "
        "PersonCount=\"0\" RelCount=\"0\">\r\n</R>\r\n";
    LoadedRegister r(original);
    r.clock.set(QDate(2025, 1, 2));
    SaveRegister(r.reg, r.clock);
    SaveRegister(r.reg, r.clock);
    EXPECT_EQ(r.folder.read("zok.xml"), original);
}

TEST(HostileForms, AnEncodingThatCannotBeWrittenBackIsRefusedAtOnce)
{
    // libxml2 reads UTF-7 only while the declaration is plain ASCII, but writes it encoded.
    LoadedRegister r("<?xml version=\"1.0\" encoding=\"UTF-7\"?>\n<R Prefix=\"AB\" "
                     "DateModified=\"2025/1/2\" PersonCount=\"0\" RelCount=\"0\"/>\n");
    EXPECT_TRUE(r.reg.loadFailed);
    EXPECT_EQ(r.messages.errors,
              QStringList{"Invalid data file content (the encoding UTF-7 cannot be written back)!"});
}

TEST(HostileForms, APrefixThatMakesUnreadableIdentifiersStillLoadsButIsDetected)
{
    for (const char* prefix : {"A-", "-", "-B"}) {
        LoadedRegister r(registerFile("", 0, 0, prefix));
        EXPECT_FALSE(r.reg.loadFailed) << prefix;
        EXPECT_FALSE(IdReadsBack(NextFreeId(r.reg, 0))) << prefix;
    }
    // Only the first two characters make identifiers.
    LoadedRegister longer(registerFile("", 0, 0, "AB-C"));
    EXPECT_FALSE(longer.reg.loadFailed);
    EXPECT_TRUE(IdReadsBack(NextFreeId(longer.reg, 0)));
    EXPECT_FALSE(IdReadsBack("AB0001"));  // would be converted on loading
    EXPECT_FALSE(IdReadsBack(""));
}

TEST(HostileForms, APrefixBeyondTheBasicPlaneMakesIdentifiersThatSurviveASave)
{
    // The prefix is two characters, never half of one.
    LoadedRegister r(registerFile("", 0, 0, "A😀"));
    ASSERT_FALSE(r.reg.loadFailed);
    EXPECT_EQ(r.reg.idPrefix, QStringLiteral("A😀"));
    const QString id = addPersonAndSave(r);
    LoadedRegister again(r.folder.read("zok.xml"));
    ASSERT_FALSE(again.reg.loadFailed) << again.messages.errors.join("|").toStdString();
    EXPECT_FALSE(again.reg.modified);
    EXPECT_TRUE(FindPerson(again.reg, id));
}
