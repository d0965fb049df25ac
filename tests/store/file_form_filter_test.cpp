// The save writes the document straight into the file, giving libxml2's output the file's own
// form piece by piece. Whatever the pieces, the bytes must be those the former save made by
// fixing up the whole output at once, which is kept here as the measure.
#include "store/document.h"
#include "store/errors.h"
#include "store/file_form_filter.h"

#include "support/register_xml.h"

#include <QStringEncoder>
#include <gtest/gtest.h>
#include <utility>

using namespace orvanel;
using namespace orvanel::testing;

namespace {

// The former save's fix-ups of libxml2's whole output, as they were.
QByteArray FixedUpWhole(QByteArray bytes, const FileForm& form, const QByteArray& prolog)
{
    if (form.utf16BigEndian && bytes.startsWith("\xFF\xFE")) {
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
    }
    if (form.crlf)
        bytes.replace("\n", "\r\n");
    if (!prolog.isEmpty() && bytes.startsWith("<?xml")) {
        const qsizetype end = bytes.indexOf("?>");
        if (end > 0)
            bytes.replace(0, end + 2, prolog);
    }
    if (form.utf8Bom && !bytes.startsWith("\xEF\xBB\xBF"))
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

QByteArray Filtered(const QList<QByteArrayView>& pieces, const FileForm& form,
                    const QByteArray& prolog)
{
    QByteArray out;
    FileFormFilter filter(form, prolog, [&out](QByteArrayView piece) { out.append(piece); });
    for (const QByteArrayView piece : pieces)
        filter.write(piece);
    filter.finish();
    return out;
}

std::string Describe(const FileForm& f, const QByteArray& prolog)
{
    return "bom " + std::to_string(f.utf8Bom) + " be " + std::to_string(f.utf16BigEndian) +
           " crlf " + std::to_string(f.crlf) + " prolog '" + prolog.toStdString() + "'";
}

QByteArray Utf16(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

}  // namespace

TEST(FileFormFilter, EverySplitOfTheOutputGivesTheBytesOfTheWholeFixUp)
{
    const QByteArray utf16 = Utf16(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                                                  "<R>\n <N>J\u0101nis \u5c71</N>\n</R>\n"),
                                   QStringConverter::Utf16LE);
    // libxml2's outputs, some cut short, among them the edges the steps decide on: no
    // declaration, a declaration never closed, a lone line feed, an odd byte at the end.
    const QList<QByteArray> outputs = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<R>\n <N>J\xC4\x81nis</N>\n</R>\n",
        "<R>\n <?xml-stylesheet href=\"a\"?>\n</R>\n",
        "<?xml version=\"1.0\"",
        "<?x",
        "\n",
        "\xEF\xBB\xBF<R/>\n",
        "\xEF\xBB",
        utf16,
        utf16.left(utf16.size() - 1),
        QByteArray("\xFF"),
    };
    const QList<QByteArray> prologs = {{}, "<?xml version='1.0'\r\n encoding=\"utf-8\" ?>"};
    for (const QByteArray& output : outputs) {
        for (int bits = 0; bits < 8; ++bits) {
            FileForm form;
            form.utf8Bom = bits & 1;
            form.utf16BigEndian = bits & 2;
            form.crlf = bits & 4;
            for (const QByteArray& prolog : prologs) {
                SCOPED_TRACE(Describe(form, prolog) + " output '" + output.toStdString() + "'");
                const QByteArray whole = FixedUpWhole(output, form, prolog);
                EXPECT_EQ(Filtered({output}, form, prolog), whole);
                for (qsizetype cut = 0; cut <= output.size(); ++cut) {
                    const QByteArrayView view(output);
                    EXPECT_EQ(Filtered({view.first(cut), view.sliced(cut)}, form, prolog), whole)
                        << "cut at " << cut;
                }
                QList<QByteArrayView> bytes;
                for (qsizetype i = 0; i < output.size(); ++i)
                    bytes.append(QByteArrayView(output).sliced(i, 1));
                EXPECT_EQ(Filtered(bytes, form, prolog), whole) << "one byte at a time";
            }
        }
    }
}

TEST(FileFormFilter, RegistersOfEveryFormWriteTheBytesTheWholeBufferSaveWrote)
{
    QByteArray persons;
    for (int n = 1; n <= 3000; ++n)  // well past libxml2's pieces and the save's blocks
        persons += PersonXml(Id(n)).set(QStringLiteral("Name"), QStringLiteral("\u0160imon")).xml();
    const QByteArray plain = RegisterFile(persons, 3000, 0);
    QByteArray crlf = plain;
    crlf.replace("\n", "\r\n");
    QByteArray spread = crlf;
    spread.replace("<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                   "<?xml version='1.0'\r\n   encoding='utf-8' ?>");
    const QByteArray noDeclaration = plain.mid(plain.indexOf('\n') + 1);
    const QByteArray noDeclarationCrlf = crlf.mid(crlf.indexOf('\n') + 1);
    const QString small = QString::fromUtf8(RegisterFile(BarePerson(Id(1)), 1, 0))
                              .replace(QStringLiteral("UTF-8"), QStringLiteral("UTF-16"));
    const QList<std::pair<const char*, QByteArray>> files = {
        {"plain", plain},
        {"byte-order mark", "\xEF\xBB\xBF" + plain},
        {"CR LF", crlf},
        {"byte-order mark and CR LF", "\xEF\xBB\xBF" + crlf},
        {"declaration over lines", spread},
        {"no declaration", noDeclaration},
        {"no declaration, byte-order mark and CR LF", "\xEF\xBB\xBF" + noDeclarationCrlf},
        {"windows-1257", AsWindows1257(crlf)},
        {"UTF-16LE", Utf16(small, QStringConverter::Utf16LE)},
        {"UTF-16BE", Utf16(small, QStringConverter::Utf16BE)},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const Document doc = Document::parse(bytes);
        ASSERT_FALSE(doc.isNull());
        QByteArray unformed;
        int pieces = 0;
        doc.writeUnformed([&](QByteArrayView piece) {
            unformed.append(piece);
            ++pieces;
        });
        const QByteArray streamed = doc.serialize();
        EXPECT_EQ(streamed, FixedUpWhole(unformed, doc.form(), doc.prolog()));
        // And the file's form is what it was: its byte-order mark, declaration and line ends.
        EXPECT_EQ(streamed.left(40), bytes.left(40));
        const bool everyLineCrLf = streamed.count("\r\n") == streamed.count('\n');
        EXPECT_EQ(everyLineCrLf, bytes.contains("\r\n"));
        if (bytes.size() > 100000) {
            EXPECT_GT(pieces, 2) << "libxml2 gave the output whole: no split was tried";
        }
    }
}

TEST(FileFormFilter, WhatTheFileThrowsEndsTheWriteAndIsWhatTheCallerSees)
{
    QByteArray persons;
    for (int n = 1; n <= 2000; ++n)
        persons += BarePerson(Id(n));
    const Document doc = Document::parse(RegisterFile(persons, 2000, 0));
    int calls = 0;
    try {
        doc.write([&calls](QByteArrayView) {
            if (++calls == 2)
                throw IoError(QStringLiteral("disk full"));
        });
        FAIL() << "the failed write was not reported";
    } catch (const IoError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("disk full"));
    }
    EXPECT_EQ(calls, 2) << "the document went on writing into a file that had failed";
}
