#include "store/encoding_probe.h"

#include "store/markup_scan.h"

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <cstring>
#include <iconv.h>
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

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (isOpen())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool isOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Every character of the basic plane beyond ASCII, written in an ASCII-compatible encoding,
// must stay clear of the bytes of markup: a two-byte character ending in the byte of '"' would
// make the markup look different to the loader's scan than to the parser. Characters the
// encoding lacks are skipped: the writer puts them as character references.
bool markupStaysAscii(const char* encoding)
{
    const Converter converter(encoding, "UTF-32LE");
    if (!converter.isOpen())
        return false;
    QByteArray in;
    for (char32_t c = 0x80; c < 0xFFFE; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        for (int shift = 0; shift < 32; shift += 8)
            in += static_cast<char>((c >> shift) & 0xFF);
    }
    QByteArray out(in.size() * 2, '\0');
    char* inPtr = in.data();
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    // One character at a time: a failed character in one large call makes iconv convert
    // everything before it again.
    while (inLeft > 0) {
        size_t one = 4;
        const size_t done = iconv(converter.get(), &inPtr, &one, &outPtr, &outLeft);
        if (done == static_cast<size_t>(-1) && errno != EILSEQ)
            return false;
        if (one > 0)
            inPtr += 4;  // a character the encoding lacks
        inLeft -= 4;
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

bool encodingWritesBack(const char* encoding)
{
    if (!contentReadsBack(encoding))
        return false;
    const QByteArray bytes = written(readQuietly("<a/>").get(), encoding);
    const ByteForm form = byteFormOf(bytes);
    return form != ByteForm::AsciiCompatible || markupStaysAscii(encoding);
}

}  // namespace orvanel
