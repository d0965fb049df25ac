// Files of unusual form, found by fuzzing, that once loaded but then saved as something else or
// as a file the next start refused. A register that loads must save, and load again, the same.
#include "store/lookup.h"
#include "store/person_id.h"
#include "store/save.h"

#include "support/loaded_register.h"
#include "support/register_records.h"

#include <gtest/gtest.h>
#include <iconv.h>

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
    const QString id = NextFreeId(r.reg, r.reg.personCounter());
    r.reg.addPerson(ValueOf(id));
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
        ASSERT_FALSE(r.reg.loadFailed()) << declaration;
        SaveRegister(r.reg, r.clock);
        const QByteArray first = r.folder.read("zok.xml");
        EXPECT_TRUE(first.startsWith(utf16le("<?xml "))) << declaration;
        LoadedRegister again(first);
        ASSERT_FALSE(again.reg.loadFailed()) << declaration;
        SaveRegister(again.reg, again.clock);
        EXPECT_TRUE(again.folder.read("zok.xml") == first) << declaration;
        EXPECT_EQ(RegisterDocument(again.reg).rootChild(0).text(), QStringLiteral("Jānis 山田"));
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
    EXPECT_TRUE(r.reg.loadFailed());
    EXPECT_EQ(r.refusals(),
              QStringList{"Invalid data file content (the encoding UTF-7 cannot be written back)!"});
}

TEST(HostileForms, APrefixThatMakesUnreadableIdentifiersStillLoadsButIsDetected)
{
    for (const char* prefix : {"A-", "-", "-B"}) {
        LoadedRegister r(RegisterFile("", 0, 0, prefix));
        EXPECT_FALSE(r.reg.loadFailed()) << prefix;
        EXPECT_FALSE(IdReadsBack(NextFreeId(r.reg, 0), r.reg.idCodePage)) << prefix;
    }
    // Only the first two characters make identifiers.
    LoadedRegister longer(RegisterFile("", 0, 0, "AB-C"));
    EXPECT_FALSE(longer.reg.loadFailed());
    EXPECT_TRUE(IdReadsBack(NextFreeId(longer.reg, 0), longer.reg.idCodePage));
    EXPECT_FALSE(IdReadsBack("AB0001", CodePage()));  // would be converted on loading
    EXPECT_FALSE(IdReadsBack("", CodePage()));
}

TEST(HostileForms, APrefixBeyondTheBasicPlaneMakesIdentifiersThatSurviveASave)
{
    // The prefix is two characters, never half of one.
    LoadedRegister r(RegisterFile("", 0, 0, "A😀"));
    ASSERT_FALSE(r.reg.loadFailed());
    EXPECT_EQ(r.reg.idPrefix, QStringLiteral("A😀"));
    const QString id = addPersonAndSave(r);
    LoadedRegister again(r.folder.read("zok.xml"));
    ASSERT_FALSE(again.reg.loadFailed()) << again.refusals().join("|").toStdString();
    EXPECT_FALSE(again.reg.modified());
    EXPECT_TRUE(FindPerson(again.reg, id));
}

namespace {

// `text` in `encoding`, as another program would have written the file.
QByteArray encoded(const QString& text, const char* encoding)
{
    // Characters the encoding lacks become "?", as a converting editor would write them.
    iconv_t cd = iconv_open((QByteArray(encoding) + "//TRANSLIT").constData(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 4 + 16, '\0');
    char* inPtr = in.data();
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1))
        return {};
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
    return out;
}

QString registerText(const char* encoding)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n<R Prefix=\"AB\" "
                          "DateModified=\"2025/1/2\" PersonCount=\"0\" RelCount=\"0\">"
                          "<N>Jānis Müller</N></R>\n")
        .arg(QString::fromLatin1(encoding));
}

}  // namespace

TEST(HostileForms, EveryEncodingThatLoadsSavesToAFileThatLoadsTheSame)
{
    // Whatever loads must come back with the same content; what cannot is refused at once.
    for (const char* encoding : {"ISO-8859-1", "windows-1257", "Shift_JIS", "ISO-8859-13"}) {
        LoadedRegister r(encoded(registerText(encoding), encoding));
        ASSERT_FALSE(r.reg.loadFailed()) << encoding << r.refusals().join("|").toStdString();
        SaveRegister(r.reg, r.clock);
        LoadedRegister again(r.folder.read("zok.xml"));
        ASSERT_FALSE(again.reg.loadFailed()) << encoding;
        EXPECT_EQ(RegisterDocument(again.reg).rootChild(0).text(), RegisterDocument(r.reg).rootChild(0).text()) << encoding;
    }
    for (const char* encoding : {"IBM037", "UCS-4", "UTF-32LE"}) {
        const QByteArray bytes = encoded(registerText(encoding), encoding);
        ASSERT_FALSE(bytes.isEmpty()) << encoding;
        LoadedRegister r(bytes);
        EXPECT_TRUE(r.reg.loadFailed()) << encoding;
        ASSERT_EQ(r.refusals().size(), 1);
        EXPECT_TRUE(r.refusals().first().contains("cannot be written back"))
            << r.refusals().first().toStdString();
    }
}

TEST(HostileForms, Utf16KeepsItsByteOrder)
{
    const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<R Prefix=\"AB\" "
                                        "DateModified=\"2025/1/2\" PersonCount=\"0\" "
                                        "RelCount=\"0\"><N>Jānis 山田</N></R>\n");
    for (const char* order : {"UTF-16BE", "UTF-16LE"}) {
        const QByteArray bom = QByteArray(order).endsWith("BE") ? QByteArray("\xFE\xFF", 2)
                                                                : QByteArray("\xFF\xFE", 2);
        const QByteArray original = bom + encoded(text, order);
        LoadedRegister r(original);
        ASSERT_FALSE(r.reg.loadFailed()) << order << r.refusals().join("|").toStdString();
        r.clock.set(QDate(2025, 1, 2));
        SaveRegister(r.reg, r.clock);
        const QByteArray saved = r.folder.read("zok.xml");
        EXPECT_TRUE(saved.startsWith(bom + encoded("<?xml ", order))) << order;
        LoadedRegister again(saved);
        ASSERT_FALSE(again.reg.loadFailed()) << order;
        EXPECT_EQ(RegisterDocument(again.reg).rootChild(0).text(), QStringLiteral("Jānis 山田"));
    }
}

TEST(HostileForms, AttributesInANamespaceAreNotTheRegistersOwn)
{
    for (const char* root : {"<R xmlns:a=\"urn:a\" ", "<R "}) {
        const QByteArray original =
            QByteArray("<?xml version=\"1.0\"?>\n") + root +
            "Prefix=\"AB\" DateModified=\"2025/1/2\" PersonCount=\"1\" RelCount=\"0\">\n"
            " <Person a:ID=\"AB00017\" ID=\"AB0002-3\"/>\n</R>\n";
        LoadedRegister r(original);
        ASSERT_FALSE(r.reg.loadFailed()) << root << r.refusals().join("|").toStdString();
        EXPECT_FALSE(r.reg.modified()) << root;
        EXPECT_TRUE(r.report.conversions.empty()) << root;
        EXPECT_TRUE(FindPerson(r.reg, "AB0002-3")) << root;
        EXPECT_FALSE(FindPerson(r.reg, "AB0001-7")) << root;
        r.clock.set(QDate(2025, 1, 2));
        SaveRegister(r.reg, r.clock);
        EXPECT_EQ(r.folder.read("zok.xml"), original) << root;
    }
}

TEST(HostileForms, ADeclarationCannotSwitchToBytesOfAnotherLayout)
{
    // The declaration is read in ASCII; what follows it must be in the same layout, or the
    // markup the loader checks is not the markup the parser reads.
    for (const char* encoding : {"UCS-2", "UTF-16"}) {
        LoadedRegister r(registerText(encoding).toLatin1());
        EXPECT_TRUE(r.reg.loadFailed()) << encoding;
        EXPECT_EQ(r.refusals(),
                  QStringList{QStringLiteral("Invalid data file content (the file is not in the "
                                             "encoding %1 it declares)!")
                                  .arg(QString::fromLatin1(encoding))});
    }
}
