#include "store/document.h"
#include "store/errors.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(Document, AppendedElementsAreIndentedOneSpacePerLevel)
{
    Document doc = Document::parse("<R>\n <A/>\n</R>\n");
    Element person = doc.appendRootChild("Person");
    person.setAttribute("ID", "AB0001-7");
    person.appendChild("Name").setText("Ann");
    person.appendChild("Surname").setText("");
    doc.appendRootChild("Rel").setAttribute("ID1", "AB0001-7");
    EXPECT_EQ(doc.serialize(), "<R>\n <A/>\n <Person ID=\"AB0001-7\">\n  <Name>Ann</Name>\n"
                               "  <Surname/>\n </Person>\n <Rel ID1=\"AB0001-7\"/>\n</R>\n");
}

TEST(Document, RemovingARecordTakesItsIndentationAlong)
{
    Document doc = Document::parse("<R>\n <A/>\n <B/>\n <C/>\n</R>");
    ASSERT_EQ(doc.rootCount(), 3);
    doc.removeRootChild(1);
    EXPECT_EQ(doc.serialize(), "<R>\n <A/>\n <C/>\n</R>\n");
    EXPECT_EQ(doc.rootCount(), 2);
    EXPECT_EQ(doc.rootChild(1).localName(), "C");
}

TEST(Document, IndentationSharedByTheDocumentSurvivesMergingRemovalAndAppendingAgain)
{
    // The new elements' indentation texts are the document's shared copies: a child appended
    // after text merges with it, removals free the lead, and each element appended afterwards
    // still gets its own line.
    Document doc = Document::parse("<R>\n <A>abc</A>\n</R>\n");
    doc.rootChild(0).appendChild("B");
    for (const char* name : {"C", "D", "E"})
        doc.appendRootChild(name).appendChild("F");
    doc.removeRootChild(2);
    doc.appendRootChild("G");
    EXPECT_EQ(doc.serialize(), "<R>\n <A>abc\n  <B/>\n </A>\n <C>\n  <F/>\n </C>\n"
                               " <E>\n  <F/>\n </E>\n <G/>\n</R>\n");
}

TEST(Document, TextsOfEveryLengthAndCharacterAreStoredWhole)
{
    // Around the length a text is encoded on the stack, and far beyond, in one-, two-, three-
    // and four-byte characters.
    Document doc = Document::parse("<R><P/></R>");
    Element p = doc.rootChild(0);
    for (const QString& unit : {QStringLiteral("a"), QStringLiteral("ā"), QStringLiteral("€"),
                                QStringLiteral("😀")}) {
        for (const int count : {1, 85, 169, 170, 171, 172, 255, 256, 257, 4000}) {
            const QString text = unit.repeated(count);
            p.setText(text);
            p.setAttribute("ID", text);
            EXPECT_EQ(p.text(), text) << count;
            EXPECT_EQ(p.attribute("ID"), text) << count;
        }
    }
    p.setText(QStringLiteral("x\x01y"));
    EXPECT_EQ(p.text(), QStringLiteral("x\uFFFDy"));
}

TEST(Document, AbsentAndEmptyAttributesDiffer)
{
    Document doc = Document::parse("<R a=\"\"/>");
    EXPECT_EQ(doc.root().attribute("a"), QString(""));
    EXPECT_FALSE(doc.root().attribute("a")->isNull());
    EXPECT_EQ(doc.root().attribute("b"), std::nullopt);
    EXPECT_FALSE(doc.root().attributeEquals("b", QString()));
}

TEST(Document, AMissingChildIsAnErrorAndIsNeverCreated)
{
    Document doc = Document::parse("<R><P><Name>x</Name></P></R>");
    Element p = doc.rootChild(0);
    try {
        p.child("Surname");
        ADD_FAILURE() << "found a missing child";
    } catch (const NodeNotFound& e) {
        EXPECT_EQ(e.message(), "Node \"Surname\" not found");
    }
    EXPECT_FALSE(p.childOrNull("Surname"));
    EXPECT_EQ(p.childOrNull("Name"), p.child("Name"));
    EXPECT_EQ(p.childOrNull("Name").text(), "x");
    EXPECT_EQ(doc.serialize(), "<R><P><Name>x</Name></P></R>\n");
}

TEST(Document, TextIsStoredLiterallyAndMarkupIsEscaped)
{
    Document doc = Document::parse("<R><P><Name/></P></R>");
    doc.rootChild(0).child("Name").setText("&lt; <x> &amp;");
    doc.rootChild(0).setAttribute("ID", "a\"b&c<d>\ne");
    EXPECT_EQ(doc.rootChild(0).child("Name").text(), "&lt; <x> &amp;");
    Document again = Document::parse(doc.serialize());
    EXPECT_EQ(again.rootChild(0).child("Name").text(), "&lt; <x> &amp;");
    EXPECT_EQ(again.rootChild(0).attribute("ID"), "a\"b&c<d>\ne");
}

TEST(Document, AttributeComparisonIsExactForAnyText)
{
    Document doc = Document::parse("<R id=\"AB0001-7\" name=\"Jānis\"/>");
    Element root = doc.root();
    EXPECT_TRUE(root.attributeEquals("id", "AB0001-7"));
    EXPECT_FALSE(root.attributeEquals("id", "AB0001-"));
    EXPECT_FALSE(root.attributeEquals("id", "AB0001-77"));
    EXPECT_FALSE(root.attributeEquals("id", "ab0001-7"));
    EXPECT_TRUE(root.attributeEquals("name", QStringLiteral("Jānis")));
    EXPECT_FALSE(root.attributeEquals("name", QStringLiteral("Jāni")));
    EXPECT_FALSE(root.attributeEquals("name", QStringLiteral("Janis")));
}

namespace {

// What a parse tells its observer, in the order it tells it.
class NotedParse final : public ParseObserver {
public:
    void rootChildClosed(Element child) override
    {
        EXPECT_FALSE(ended);
        closed << child.localName();
    }
    void parseEnded() override { ++ends; ended = true; }

    QStringList closed;
    int ends = 0;
    bool ended = false;
};

}  // namespace

TEST(Document, AnObserverHearsOfEveryRecordInOrderAndOfTheEndOnceWhateverTheFile)
{
    QByteArray bytes = "<R>\n <!-- note -->\n";
    for (int i = 0; i < 2000; ++i)
        bytes += " <" + QByteArray(i % 3 ? "Person" : "Rel") + " n=\"" + QByteArray::number(i) +
                 "\"><Name>x</Name></" + QByteArray(i % 3 ? "Person" : "Rel") + ">\n";
    bytes += "</R>\n";
    NotedParse noted;
    Document doc = Document::parse(bytes, &noted);
    EXPECT_EQ(noted.ends, 1);
    ASSERT_EQ(noted.closed.size(), doc.rootCount());
    for (int i = 0; i < doc.rootCount(); ++i)
        EXPECT_EQ(doc.rootChild(i).localName(), noted.closed[i]);

    for (const QByteArray& broken : {bytes.left(bytes.size() / 2), bytes + "<R/>",
                                     QByteArray("<!DOCTYPE R [<!ENTITY e \"x\">]><R/>")}) {
        NotedParse refused;
        EXPECT_THROW(Document::parse(broken, &refused), LoadRefused);
        EXPECT_LE(refused.ends, 1);  // a file refused before parsing never starts one
    }
}
