// The byte ranges of a file's records are found in the file's own bytes, whatever its encoding:
// the parser's own view of them is UTF-8. Each range is held against what the parser makes of
// the same file.
#include "store/document.h"
#include "store/record_spans.h"

#include "support/register_generator.h"
#include "support/register_xml.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

// One file in one of the encodings a register is kept in.
struct FileInForm {
    std::string name;
    QByteArray bytes;
    const char* encoding;  // as QStringDecoder names it
    ByteForm form;
};

QString SpanText(const FileInForm& file, const RecordSpan& span)
{
    QStringDecoder decode(file.encoding, QStringDecoder::Flag::Stateless);
    EXPECT_TRUE(decode.isValid()) << file.encoding;
    return decode(QByteArrayView(file.bytes).sliced(span.begin, span.end - span.begin));
}

// Checks the spans one by one against the root's children as the parser found them: as many,
// in order, apart, each the element of that name from its '<' to its last '>'.
void ExpectSpansOfRootChildren(const FileInForm& file)
{
    SCOPED_TRACE(file.name);
    ASSERT_EQ(ByteFormOf(file.bytes), file.form);
    Document doc = Document::parse(file.bytes);
    const std::vector<RecordSpan> spans = FindRecordSpans(file.bytes, file.form);
    ASSERT_EQ(static_cast<int>(spans.size()), doc.rootCount());
    qint64 previousEnd = 0;
    for (int i = 0; i < doc.rootCount(); ++i) {
        const RecordSpan span = spans[static_cast<size_t>(i)];
        ASSERT_LE(previousEnd, span.begin) << "record " << i;
        ASSERT_LT(span.begin, span.end) << "record " << i;
        ASSERT_LE(span.end, file.bytes.size()) << "record " << i;
        previousEnd = span.end;
        const QString name = QRegularExpression::escape(doc.rootChild(i).localName());
        const QString text = SpanText(file, span);
        const QRegularExpression element(
            QStringLiteral("^<((?:\\w+:)?)%1(?=[\\s/>])(.*/>|.*</\\1%1\\s*>)$").arg(name),
            QRegularExpression::DotMatchesEverythingOption);
        EXPECT_TRUE(element.match(text).hasMatch())
            << "record " << i << ": " << text.left(200).toStdString();
    }
}

// The same register in every form: UTF-8 with and without a byte-order mark, CR LF, UTF-16 in
// both orders with and without a byte-order mark.
std::vector<FileInForm> InEveryForm(const QString& text)
{
    const auto utf16 = [&text](const char* order, bool bom) {
        QString declared = text;
        declared.replace(QStringLiteral("encoding=\"UTF-8\""),
                         QStringLiteral("encoding=\"%1\"").arg(QLatin1String(order)));
        QStringEncoder encode(order, bom ? QStringEncoder::Flag::WriteBom
                                         : QStringEncoder::Flag::Default);
        return QByteArray(encode(declared));
    };
    const QByteArray utf8 = text.toUtf8();
    QByteArray crlf = utf8;
    crlf.replace("\n", "\r\n");
    return {
        {"UTF-8", utf8, "UTF-8", ByteForm::AsciiCompatible},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8, "UTF-8", ByteForm::AsciiCompatible},
        {"CR LF", crlf, "UTF-8", ByteForm::AsciiCompatible},
        {"UTF-16LE", utf16("UTF-16LE", false), "UTF-16LE", ByteForm::Utf16LittleEndian},
        {"UTF-16BE", utf16("UTF-16BE", false), "UTF-16BE", ByteForm::Utf16BigEndian},
        {"UTF-16LE with a byte-order mark", utf16("UTF-16LE", true), "UTF-16LE",
         ByteForm::Utf16LittleEndian},
        {"UTF-16BE with a byte-order mark", utf16("UTF-16BE", true), "UTF-16BE",
         ByteForm::Utf16BigEndian},
    };
}

// Markup that holds '<', '>', ']' and quotes where no tag is, before, between, inside and after
// the records. In UTF-16 the names hold characters with the bytes of '<' and '>' beside a zero
// byte or in either half of a unit.
const QStringList kTrickyRecords = {
    QStringLiteral("<Person ID=\"AB0001-7\" note=\"1 > 0\" other='say \"hi/\"'><Name>"
                   "\u3C00\u3E00\u0C3C\u3C3E<![CDATA[ ]> <Person> ]] ]]> &lt;/&gt;</Name>"
                   "<?pi <x/> ?><!----></Person>"),
    QStringLiteral("<Rel ID1=\"a\" ID2='b'/>"),
    QStringLiteral("<X/>"),
    QStringLiteral("<Y a=\"/>\" b='/'></Y>"),
    QStringLiteral("<x:Person xmlns:x=\"urn:x\"><x:Person>in</x:Person><Person/></x:Person>"),
    QStringLiteral("<Other\r\n   attr = \"v\" ></Other >"),
};

// The records above, with what lies before, between and after them.
const QString kTrickyFile = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!-- before the root: <Person ID=\"x\"/> -->\n"
    "<?style href=\"a>b\"?>\n"
    "<!DOCTYPE R SYSTEM \"r[1]>.dtd\" [\n"
    "  <!-- first, with ]> and <Person> and ' -->\n"
    "  <!ELEMENT R ANY>\n"
    "  <!ATTLIST Person note CDATA \"a>b]\" other CDATA 'c]>d'>\n"
    "  <?pi ]> ' ?>\n"
    "]>\n"
    "<R Prefix=\"AB\" note='x>y'>\n"
    " <!-- 1 > 0, <Person ID=\"fake\"> -->\n %1\n"
    " <?between <Rel/> ?>\n"
    " text > between\n %2\n %3%4\n %5\n %6\n"
    "</R>\n"
    "<!-- after <Person/> -->\n"
    "<?after <X/>?>\n").arg(kTrickyRecords[0], kTrickyRecords[1], kTrickyRecords[2],
                             kTrickyRecords[3], kTrickyRecords[4], kTrickyRecords[5]);

}  // namespace

TEST(RecordSpans, EachRegisterFormGivesTheRootChildrenTheParserFinds)
{
    QFile sample(QStringLiteral(ORVANEL_SAMPLE_REGISTER));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QString sampleText = QString::fromUtf8(sample.readAll());
    const QString built = QString::fromUtf8(
        RegisterXml()
            .raw("<!-- the first of them -->\n")
            .person(PersonXml(Id(1)).set(QStringLiteral("Name"), QStringLiteral("J\u0101nis")))
            .person(Id(2), QStringLiteral("\u5c71\u7530"), {}, QStringLiteral("Z\u00f6e"))
            .rel(Id(1), Id(2), QStringLiteral("child"), QStringLiteral("parent"))
            .raw(" <?note between?>\n <Extra a=\"1\"/>\n")
            .bytes());
    for (const QString& text : {sampleText, built, kTrickyFile}) {
        for (const FileInForm& file : InEveryForm(text))
            ExpectSpansOfRootChildren(file);
    }

    // Single-byte code pages, with and without CR LF.
    QByteArray withS = RegisterXml()
                           .person(Id(1), QStringLiteral("\u0160imon"), {}, QStringLiteral("X"))
                           .rel(Id(1), Id(1), QStringLiteral("child"), QStringLiteral("parent"))
                           .bytes();
    QByteArray latin1 = QString(built)
                            .replace(QStringLiteral("\u5c71\u7530"), QStringLiteral("Zo\u00eb"))
                            .replace(QStringLiteral("\u0101"), QStringLiteral("\u00e4"))
                            .replace(QStringLiteral("UTF-8"), QStringLiteral("ISO-8859-1"))
                            .toLatin1();
    ExpectSpansOfRootChildren({"windows-1257", AsWindows1257(withS), "windows-1257",
                               ByteForm::AsciiCompatible});
    ExpectSpansOfRootChildren({"windows-1257, CR LF", AsWindows1257(withS.replace("\n", "\r\n")),
                               "windows-1257", ByteForm::AsciiCompatible});
    ExpectSpansOfRootChildren({"ISO-8859-1", latin1, "ISO-8859-1", ByteForm::AsciiCompatible});
}

TEST(RecordSpans, AGeneratedRegisterGivesTheRootChildrenTheParserFinds)
{
    const QByteArray generated = bench::generateRegister(1000);
    ExpectSpansOfRootChildren({"generated", generated, "UTF-8", ByteForm::AsciiCompatible});
    QStringEncoder encode(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
    const QByteArray utf16 = encode(QString::fromUtf8(generated).replace(
        QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"UTF-16\"")));
    ExpectSpansOfRootChildren({"generated, UTF-16BE", utf16, "UTF-16BE", ByteForm::Utf16BigEndian});
}

TEST(RecordSpans, MarkupThatHoldsBracketsAndQuotesEndsNoRecordEarly)
{
    for (const FileInForm& file : InEveryForm(kTrickyFile)) {
        SCOPED_TRACE(file.name);
        const std::vector<RecordSpan> spans = FindRecordSpans(file.bytes, file.form);
        QStringList texts;
        for (const RecordSpan& span : spans)
            texts << SpanText(file, span);
        QStringList expected = kTrickyRecords;
        if (file.name == "CR LF")
            expected.replaceInStrings(QStringLiteral("\r\n"), QStringLiteral("\r\r\n"));
        EXPECT_EQ(texts, expected);
    }
}

TEST(RecordSpans, ARootWithoutElementsHasNoRecords)
{
    for (const char* text :
         {"<R/>", "<R a='>'/>\n<!-- <X/> -->", "<?xml version='1.0'?><R>\n text <!-- <X/> --> </R>",
          "<R><![CDATA[<X/>]]><?p <X/>?></R><?after <X/>?>"}) {
        EXPECT_TRUE(FindRecordSpans(QByteArray(text), ByteForm::AsciiCompatible).empty()) << text;
    }
}

TEST(RecordSpans, BytesCutShortOrOddAreReadWithinThemselves)
{
    // Never meant for such bytes, but a scan that strays outside them would read memory that
    // is not the file's: every cut of the file, and UTF-16 with a last odd byte.
    for (const FileInForm& file : InEveryForm(kTrickyFile)) {
        SCOPED_TRACE(file.name);
        for (qsizetype cut = 0; cut <= file.bytes.size(); ++cut) {
            const QByteArray head = file.bytes.left(cut);  // a copy of its own, for the sanitizer
            qint64 previousEnd = 0;
            for (const RecordSpan& span : FindRecordSpans(head, file.form)) {
                ASSERT_LE(previousEnd, span.begin) << cut;
                ASSERT_LT(span.begin, span.end) << cut;
                ASSERT_LE(span.end, cut) << cut;
                previousEnd = span.end;
            }
        }
    }
    EXPECT_EQ(FindRecordSpans(QByteArray("<\0R\0>\0<\0X\0/\0>\0<", 15), ByteForm::Utf16LittleEndian)
                  .size(),
              1u);
}
