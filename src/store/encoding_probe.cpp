#include "store/encoding_probe.h"

#include "store/markup_scan.h"

#include <QByteArray>
#include <QString>
#include <cstring>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>

namespace orvanel {

namespace {

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

DocPtr readQuietly(const QByteArray& bytes)
{
    return DocPtr(xmlReadMemory(bytes.constData(), static_cast<int>(bytes.size()), nullptr,
                                nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
}

QByteArray written(xmlDoc* doc, const char* encoding)
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

QString rootText(xmlDoc* doc, const char* attribute)
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
bool contentReadsBack(const char* encoding)
{
    const QByteArray probe = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a b=\"é € 😀 ā\">ž 山田 Jānis &amp; d</a>")
                                 .toUtf8();
    const DocPtr doc = readQuietly(probe);
    if (!doc)
        return false;
    const QByteArray bytes = written(doc.get(), encoding);
    const ByteForm form = byteFormOf(bytes);
    if (form == ByteForm::Other ||
        declaredEncoding(bytes, form).compare(QByteArray(encoding), Qt::CaseInsensitive) != 0)
        return false;
    const DocPtr back = readQuietly(bytes);
    return back && rootText(back.get(), "b") == rootText(doc.get(), "b") &&
           rootText(back.get(), nullptr) == rootText(doc.get(), nullptr);
}

// Every character of the basic plane beyond ASCII, written in an ASCII-compatible encoding,
// must stay clear of the bytes of markup: a two-byte character ending in the byte of '"' would
// make the markup look different to the loader's scan than to the parser.
bool markupStaysAscii(const char* encoding)
{
    QString text;
    text.reserve(0x10000);
    for (char16_t c = 0x80; c < 0xFFFE; ++c) {
        if (!QChar::isSurrogate(c))
            text += QChar(c);
    }
    const QByteArray probe = "<a>" + text.toUtf8() + "</a>";
    const DocPtr doc = readQuietly(probe);
    if (!doc)
        return false;
    const QByteArray bytes = written(doc.get(), encoding);
    const qsizetype close = bytes.lastIndexOf("</a>");
    const qsizetype open = bytes.indexOf("<a>");
    if (open < 0 || close < open)
        return false;
    for (qsizetype i = open + 3; i < close; ++i) {
        const char c = bytes[i];
        if (c == '<' || c == '>' || c == '"' || c == '\'' || c == '=')
            return false;
    }
    return true;
}

}  // namespace

bool encodingWritesBack(const char* encoding)
{
    if (!contentReadsBack(encoding))
        return false;
    const QByteArray bytes = written(readQuietly("<a/>").get(), encoding);
    const ByteForm form = byteFormOf(bytes);
    return form != ByteForm::AsciiCompatible || markupStaysAscii(encoding);
}

}  // namespace orvanel
