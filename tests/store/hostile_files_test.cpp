// Data files made to hurt the loader, at sizes that load in a moment. Whether they open anything
// else is watched in tests/faults; the costs at full size are printed by hostile_figures.
#include "faults/hostile_files.h"
#include "store/lookup.h"
#include "store/save.h"

#include "support/loaded_register.h"
#include "support/register_records.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvanel;
using namespace orvanel::testing;
using namespace orvanel::hostile;

namespace {

void expectRefusedNaming(const LoadedRegister& r, const char* problem)
{
    EXPECT_TRUE(r.reg.loadFailed());
    EXPECT_TRUE(!r.reg.loaded());
    ASSERT_EQ(r.refusals().size(), 1);
    EXPECT_TRUE(r.refusals().first().startsWith("Invalid data file content ("))
        << r.refusals().first().toStdString();
    EXPECT_TRUE(r.refusals().first().contains(problem)) << r.refusals().first().toStdString();
}

// The file as loaded is written back unchanged when saved on the day it was last saved.
void expectSavedUnchanged(LoadedRegister& r, const QByteArray& original)
{
    ASSERT_FALSE(r.reg.loadFailed()) << r.refusals().join("|").toStdString();
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
        EXPECT_FALSE(r.refusals().first().contains("secret"));
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
    ASSERT_FALSE(r.reg.loadFailed()) << r.refusals().join("|").toStdString();
    EXPECT_EQ(RegisterDocument(r.reg).rootChild(0).text(), "");
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
    ASSERT_FALSE(r.reg.loadFailed());
    EXPECT_EQ(r.reg.personCounter(), 0);
    EXPECT_EQ(RegisterDocument(r.reg).rootCount(), 100000);
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
    SetStoredText(r.reg, "AB0001-7", PersonField::Comment, pasted);
    SaveRegister(r.reg, r.clock);
    LoadedRegister again(r.folder.read("zok.xml"));
    ASSERT_FALSE(again.reg.loadFailed()) << again.refusals().join("|").toStdString();
    EXPECT_TRUE(StoredPerson(again.reg, "AB0001-7").text(PersonField::Comment) == pasted);
}

TEST(HostileFiles, EntitiesAreRefusedWhateverElseIsWrongWithTheFile)
{
    // After a declaration the parser rejects, it used to go on and define the entities unseen.
    expectRefusedNaming(LoadedRegister(entityBombAfterBadDeclaration(10)),
                        "entity declarations are not allowed");
    // A document type in a UTF-16 file is looked at as closely.
    const QString utf16 = QString::fromUtf8(
        entityBombAfterBadDeclaration(10).replace("encoding=\"UTF-8\"", "encoding=\"UTF-16\""));
    expectRefusedNaming(LoadedRegister(QByteArray("\xFF\xFE", 2) +
                                       QByteArray(reinterpret_cast<const char*>(utf16.utf16()),
                                                  utf16.size() * 2)),
                        "entity declarations are not allowed");
}

TEST(HostileFiles, AttributesPerElementAreBoundedBeforeParsing)
{
    expectRefusedNaming(LoadedRegister(manyAttributes(200000)), "more than 64 attributes");
    expectRefusedNaming(LoadedRegister(manyAttributes(65)), "more than 64 attributes");
    const QByteArray most = manyAttributes(64);
    LoadedRegister r(most);
    expectSavedUnchanged(r, most);
    // An "=" inside a quoted value is no attribute.
    const QByteArray quoted = rootOpen() + " <Note a=\"" + QByteArray(100, '=') + "\" b=\"x'='y\"/>\n" +
                              "<Note>" + QByteArray(100, '=') + "</Note>\n" + kRootClose;
    LoadedRegister withEquals(quoted);
    expectSavedUnchanged(withEquals, quoted);
    // Declared defaults are attributes of every element of their kind.
    QByteArray declared = "<!DOCTYPE Register [<!ATTLIST Note";
    for (int i = 0; i < 65; ++i)
        declared += " d" + QByteArray::number(i) + " CDATA \"x\"";
    QByteArray withDefaults = rootOpen() + " <Note/>\n" + kRootClose;
    withDefaults.insert(withDefaults.indexOf("<Register"), declared + ">]>\n");
    expectRefusedNaming(LoadedRegister(withDefaults), "more than 64 attributes");
}

TEST(HostileFiles, DistinctNamesAndShortTextsAreBounded)
{
    const char* tooMany = "more than 20000 different names or short texts";
    expectRefusedNaming(LoadedRegister(manyElementNames(1000000)), tooMany);
    QByteArray targets = rootOpen();
    for (int i = 0; i < 25000; ++i)
        targets += " <?t" + QByteArray::number(i) + "?>\n";
    expectRefusedNaming(LoadedRegister(targets + kRootClose), tooMany);
    // Short texts do not count: the register holds its texts in its own table, each once, and
    // no parser's dictionary keeps them.
    QByteArray shortTexts = rootOpen();
    for (int i = 0; i < 30000; ++i)
        shortTexts += "<N>" + QByteArray::number(i, 36) + "</N>";
    EXPECT_FALSE(LoadedRegister(shortTexts + kRootClose).reg.loadFailed());

    // What a large register holds: a thousand names, and every three-digit post code and
    // two-letter initial.
    QByteArray large = manyElementNames(1000);
    QByteArray codes;
    for (int i = 0; i < 1000; ++i)
        codes += "<ZipCode>" + QByteArray::number(i).rightJustified(3, '0') + "</ZipCode>";
    for (char a = 'A'; a <= 'Z'; ++a) {
        for (char b = 'A'; b <= 'Z'; ++b)
            codes += QByteArray("<Name>") + a + b + "</Name>";
    }
    large.insert(large.indexOf(kRootClose), codes + "\n");
    LoadedRegister r(large);
    expectSavedUnchanged(r, large);
}

TEST(HostileFiles, LongValuesAndManyNamespacesLoadAndAreKept)
{
    const QByteArray longValue = longAttributeValue(11 * 1000 * 1000);
    LoadedRegister r(longValue);
    expectSavedUnchanged(r, longValue);
    const QByteArray namespaces = manyNamespaceDeclarations(2000, 60);
    LoadedRegister withNamespaces(namespaces);
    expectSavedUnchanged(withNamespaces, namespaces);
}

TEST(HostileFiles, MessagesQuoteAtMostTheStartOfWhatTheFileHolds)
{
    LoadedRegister r(longIdentifier(10 * 1000 * 1000));
    ASSERT_EQ(r.refusals().size(), 1);
    EXPECT_EQ(r.refusals().first(), "Invalid data file content (wrong ID : " +
                                             QString(64, QLatin1Char('I')) + QChar(0x2026) + " )!");
    // A short identifier is quoted whole, as before.
    LoadedRegister shortId(RegisterFile(BarePerson("AB0001-77"), 1, 0));
    EXPECT_EQ(shortId.refusals(), QStringList{"Invalid data file content (wrong ID : AB0001-77 )!"});

    QByteArray date = RegisterFile("", 0, 0);
    date.replace("2025/1/2", QByteArray(1000000, '9'));
    LoadedRegister badDate(date);
    ASSERT_EQ(badDate.refusals().size(), 1);
    EXPECT_LT(badDate.refusals().first().size(), 200);
    EXPECT_TRUE(badDate.refusals().first().contains(QString(64, QLatin1Char('9')) + QChar(0x2026)));

    const QByteArray longName = "<" + QByteArray(1000000, 'n') + ">";
    LoadedRegister mismatch(rootOpen() + longName + "</x>\n" + kRootClose);
    ASSERT_EQ(mismatch.refusals().size(), 1);
    EXPECT_LT(mismatch.refusals().first().size(), 400);
}

namespace {

// A register whose "zok.xml" the test makes itself, loaded as the program does.
struct FolderLoad {
    Register reg;
    LoadReport report;
    explicit FolderLoad(const TempFolder& folder)
    {
        reg.folder = folder.path();
        report = LoadDataFile(reg, FixedClock(kTestToday));
    }
    QStringList refusals() const { return Refusals(report); }
};

}  // namespace

TEST(HostileFiles, ADataFileThatIsNoRegularFileIsRefusedAtOnce)
{
    TempFolder fifo;
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo.file("zok.xml")).constData(), 0600), 0);
    const FolderLoad fromFifo(fifo);
    EXPECT_TRUE(fromFifo.reg.loadFailed());
    EXPECT_EQ(fromFifo.refusals(),
              QStringList{"Invalid data file content (\"zok.xml\" is not a regular file)!"});

    TempFolder zero;
    ASSERT_TRUE(QFile::link("/dev/zero", zero.file("zok.xml")));
    const FolderLoad fromZero(zero);
    EXPECT_TRUE(fromZero.reg.loadFailed());
    EXPECT_EQ(fromZero.refusals(),
              QStringList{"Invalid data file content (\"zok.xml\" is not a regular file)!"});

    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("zok.xml"));
    const FolderLoad fromFolder(folder);
    EXPECT_TRUE(fromFolder.reg.loadFailed());
    EXPECT_EQ(fromFolder.refusals(), QStringList{"File \"zok.xml\" not found!"});
}
