#include "store/encoding_probe.h"

#include "store/charset_converter.h"
#include "store/markup_scan.h"

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <cstring>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>
#include <string>

namespace orvanel {

namespace {

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

DocPtr ReadQuietly(const QByteArray& bytes)
{
    return DocPtr(xmlReadMemory(bytes.constData(), static_cast<int>(bytes.size()), nullptr,
                                nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
}

QByteArray Written(xmlDoc* doc, const char* encoding)
{
    xmlChar* out = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc, &out, &size, encoding);
    if (out == nullptr)
        return {};
    QByteArray bytes(reinterpret_cast<const char*>(out), size);
    xmlFree(out);
    return bytes;
}

QString RootText(xmlDoc* doc, const char* attribute)
{
    const xmlNode* root = xmlDocGetRootElement(doc);
    if (root == nullptr)
        return {};
    xmlChar* value = attribute ? xmlGetNoNsProp(root, reinterpret_cast<const xmlChar*>(attribute))
                               : xmlNodeGetContent(root);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

// A document with a declaration, non-ASCII text in an attribute and in content, from Latin-1
// to beyond the basic plane, written in `encoding` and read back.
bool ContentReadsBack(const char* encoding)
{
    const QByteArray probe = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a b=\"é € 😀 ā\">ž 山田 Jānis &amp; d</a>")
                                 .toUtf8();
    const DocPtr doc = ReadQuietly(probe);
    if (!doc)
        return false;
    const QByteArray bytes = Written(doc.get(), encoding);
    const ByteForm form = ByteFormOf(bytes);
    if (form == ByteForm::Other ||
        DeclaredEncoding(bytes, form).compare(QByteArray(encoding), Qt::CaseInsensitive) != 0)
        return false;
    const DocPtr back = ReadQuietly(bytes);
    return back && RootText(back.get(), "b") == RootText(doc.get(), "b") &&
           RootText(back.get(), nullptr) == RootText(doc.get(), nullptr);
}

// Every character of the basic plane beyond ASCII, written in an ASCII-compatible encoding,
// must stay clear of the bytes of markup: a two-byte character ending in the byte of '"' would
// make the markup look different to the loader's scan than to the parser. Characters the
// encoding lacks are skipped: the writer puts them as character references.
bool MarkupStaysAscii(const char* encoding)
{
    // These write every character beyond ASCII in bytes from 0x80 up, by their definition; the
    // probe below costs a moment that most loads need not pay.
    const QByteArray name = QByteArray(encoding).toUpper();
    if (name == "UTF-8" || name == "UTF8" || name == "ISO-8859-1" || name == "ISO_8859-1" ||
        name == "LATIN1" || name == "US-ASCII" || name == "ASCII")
        return true;
    // WCHAR_T is the C library's own form, so the conversion is one step; IGNORE skips the
    // characters the encoding lacks within the call instead of stopping at each.
    const CharsetConverter converter((QByteArray(encoding) + "//IGNORE").constData(), "WCHAR_T");
    if (!converter.isOpen())
        return false;
    std::wstring in;
    in.reserve(0x10000);
    for (wchar_t c = 0x80; c < 0xFFFE; ++c) {
        if (c < 0xD800 || c > 0xDFFF)
            in += c;
    }
    QByteArray out(static_cast<qsizetype>(in.size()) * 8, '\0');
    char* inPtr = reinterpret_cast<char*>(in.data());
    size_t inLeft = in.size() * sizeof(wchar_t);
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    while (inLeft > 0) {
        const size_t before = inLeft;
        if (iconv(converter.get(), &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ)
            return false;
        if (inLeft == before) {  // stopped at a character it lacks
            inPtr += sizeof(wchar_t);
            inLeft -= sizeof(wchar_t);
        }
    }
    // Back to the initial state, as a stateful encoding ends a text.
    if (iconv(converter.get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return false;
    for (const char* p = out.constData(); p < outPtr; ++p) {
        const char c = *p;
        if (c == '<' || c == '>' || c == '"' || c == '\'' || c == '=' || c == '&')
            return false;
    }
    return true;
}

}  // namespace

std::optional<ByteForm> FormWrittenIn(const char* encoding)
{
    if (!ContentReadsBack(encoding))
        return std::nullopt;
    const QByteArray bytes = Written(ReadQuietly("<a/>").get(), encoding);
    const ByteForm form = ByteFormOf(bytes);
    if (form == ByteForm::AsciiCompatible && !MarkupStaysAscii(encoding))
        return std::nullopt;
    return form;
}

}  // namespace orvanel
