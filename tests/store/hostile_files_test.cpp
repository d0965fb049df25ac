// Data files made to hurt the loader, at sizes that load in a moment. Whether they open anything
// else is watched in tests/faults; the costs at full size are printed by hostile_figures.
#include "faults/hostile_files.h"
#include "store/lookup.h"
#include "store/save.h"

#include "store_fixture.h"

#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;
using namespace orvanel::hostile;

namespace {

void expectRefusedNaming(const LoadedRegister& r, const char* problem)
{
    EXPECT_TRUE(r.reg.loadFailed);
    EXPECT_TRUE(r.reg.doc.isNull());
    ASSERT_EQ(r.messages.errors.size(), 1);
    EXPECT_TRUE(r.messages.errors.first().startsWith("Invalid data file content ("))
        << r.messages.errors.first().toStdString();
    EXPECT_TRUE(r.messages.errors.first().contains(problem)) << r.messages.errors.first().toStdString();
}

// The file as loaded is written back unchanged when saved on the day it was last saved.
void expectSavedUnchanged(LoadedRegister& r, const QByteArray& original)
{
    ASSERT_FALSE(r.reg.loadFailed) << r.messages.errors.join("|").toStdString();
    r.clock.set(QDate(2025, 1, 2));
    SaveRegister(r.reg, r.clock);
    EXPECT_TRUE(r.folder.read("zok.xml") == original) << "the file changed on saving";
}

}  // namespace

TEST(HostileFiles, EntityBombsAreRefusedBeforeTheyGrow)
{
    expectRefusedNaming(LoadedRegister(entityBomb(10, "text")), "entity");
    expectRefusedNaming(LoadedRegister(entityBomb(10, "attribute")), "entity");
    expectRefusedNaming(LoadedRegister(quadraticBlowup(100000, 1000)),
                        "entity declarations are not allowed");
}

TEST(HostileFiles, ExternalEntitiesAreRefusedAndNeverRead)
{
    TempFolder outside;
    outside.write("secret.txt", "secret");
    for (const QByteArray& bytes :
         {externalEntity("file://" + outside.file("secret.txt")),
          externalEntity(outside.file("secret.txt")),
          externalEntity("http://127.0.0.1:9/x"),
          externalParameterEntity("file://" + outside.file("secret.txt"))}) {
        LoadedRegister r(bytes);
        expectRefusedNaming(r, "entity declarations are not allowed");
        EXPECT_FALSE(r.messages.errors.first().contains("secret"));
    }
}

TEST(HostileFiles, AnOutsideDocumentTypeIsNeitherReadNorLost)
{
    // The reference to an entity of the outside file stays a reference: nothing of the file
    // comes in, and saving writes the document type and the reference back as they were.
    TempFolder outside;
    outside.write("outside.dtd", "<!ENTITY fromOutside \"secret\">");
    const QByteArray original = externalDocumentType(outside.file("outside.dtd"));
    LoadedRegister r(original);
    ASSERT_FALSE(r.reg.loadFailed) << r.messages.errors.join("|").toStdString();
    EXPECT_EQ(r.reg.doc.rootChild(0).text(), "");
    expectSavedUnchanged(r, original);
    EXPECT_FALSE(r.folder.read("zok.xml").contains("secret"));
}

TEST(HostileFiles, NestingIsRefusedPastAFixedDepthAndKeptBelowIt)
{
    expectRefusedNaming(LoadedRegister(deepNesting(100000)), "nested deeper than 256");
    const QByteArray shallow = deepNesting(200);
    LoadedRegister r(shallow);
    expectSavedUnchanged(r, shallow);
}

TEST(HostileFiles, ManyElementsOfOtherNamesAreSkippedAndKept)
{
    const QByteArray many = manyOtherElements(100000);
    LoadedRegister r(many);
    ASSERT_FALSE(r.reg.loadFailed);
    EXPECT_EQ(r.reg.personCounter, 0);
    EXPECT_EQ(r.reg.doc.rootCount(), 100000);
    expectSavedUnchanged(r, many);
}

TEST(HostileFiles, HugeCommentsAndTextsLoadAndAreKept)
{
    // Past libxml2's usual 10 MB limit: a text the program wrote must load again, however long.
    const QByteArray comment = bigComment(11 * 1000 * 1000);
    LoadedRegister withComment(comment);
    expectSavedUnchanged(withComment, comment);

    LoadedRegister r(bigText(1000));
    const QString pasted(6 * 1000 * 1000, QChar(u'ž'));
    FindPerson(r.reg, "AB0001-7").child("Comment").setText(pasted);
    SaveRegister(r.reg, r.clock);
    LoadedRegister again(r.folder.read("zok.xml"));
    ASSERT_FALSE(again.reg.loadFailed) << again.messages.errors.join("|").toStdString();
    EXPECT_TRUE(FindPerson(again.reg, "AB0001-7").child("Comment").text() == pasted);
}
