#include "store/document.h"

#include "store/data_file.h"
#include "store/encoding_probe.h"
#include "store/errors.h"
#include "store/markup_scan.h"
#include "store/quoted_text.h"
#include "store/record_names.h"
#include "store/storable_text.h"

#include <QBuffer>
#include <QFile>
#include <QHashFunctions>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <utility>
#include <libxml/SAX2.h>
#include <libxml/dict.h>
#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>
#include <sys/mman.h>
#include <unistd.h>

namespace orvanel {

namespace {

const xmlChar* AsXml(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

const char* AsChars(const xmlChar* text)
{
    return reinterpret_cast<const char*>(text);
}

// The name after any namespace prefix; a prefix libxml2 could not bind stays in node->name.
const char* LocalNameOf(const xmlNode* node)
{
    const char* name = AsChars(node->name);
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool IsWhitespaceText(const xmlNode* node)
{
    if (node == nullptr || node->type != XML_TEXT_NODE || node->content == nullptr)
        return false;
    for (const xmlChar* p = node->content; *p; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r')
            return false;
    }
    return true;
}

int DepthOf(const xmlNode* node)
{
    int depth = 0;
    for (const xmlNode* p = node->parent; p && p->type == XML_ELEMENT_NODE; p = p->parent)
        ++depth;
    return depth;
}

QByteArray Indentation(int level)
{
    return QByteArray("\n") + QByteArray(level, ' ');
}

QByteArray ToStorableUtf8(const QString& text)
{
    return StorableText(text).toUtf8();
}

QString FromXml(const xmlChar* text)
{
    return text ? QString::fromUtf8(AsChars(text)) : QString();
}

// Text of an attribute node; the usual single text child is read without a copy.
QString AttributeText(const xmlAttr* attr)
{
    const xmlNode* first = attr->children;
    if (first == nullptr)
        return QStringLiteral("");  // present but empty: not the null of an absent attribute
    if (first->next == nullptr && first->type == XML_TEXT_NODE)
        return QString::fromUtf8(AsChars(first->content));
    xmlChar* joined = xmlNodeListGetString(attr->doc, attr->children, 1);
    QString result = FromXml(joined);
    xmlFree(joined);
    return result;
}

// An attribute's text in UTF-8: the usual single text node viewed as it is, anything else joined
// into `joined`.
QByteArrayView AttributeUtf8(const xmlAttr* attr, QByteArray& joined)
{
    const xmlNode* first = attr->children;
    if (first == nullptr)
        return QByteArrayView("");
    if (first->next == nullptr && first->type == XML_TEXT_NODE)
        return QByteArrayView(AsChars(first->content));
    xmlChar* text = xmlNodeListGetString(attr->doc, attr->children, 1);
    joined = QByteArray(text ? AsChars(text) : "");
    xmlFree(text);
    return joined;
}

unsigned IdHash(QByteArrayView utf8)
{
    return static_cast<unsigned>(qHash(utf8, 0));
}

// The register's attributes are the plain ones: an attribute of the same name in a namespace
// (a:ID) is another attribute, never read or written in place of it.
xmlAttr* PlainAttribute(const xmlNode* node, const char* name)
{
    xmlAttr* attr = xmlHasNsProp(node, AsXml(name), nullptr);
    return attr && attr->type == XML_ATTRIBUTE_NODE ? attr : nullptr;
}

// What a parse found besides the document, reached through the parser's _private.
struct ParseWatch {
    // The parser's own (English) description of its first fatal error, and its line.
    QString firstError;
    int firstErrorLine = 0;
    bool entityDeclared = false;
    bool tooDeep = false;
    bool tooManyAttributes = false;
    bool tooManyNames = false;
    // The root's child elements in document order, noted as the parser closes each one: walking
    // the finished tree for them would visit every node of the root again.
    std::vector<xmlNode*> rootChildren;
    std::function<void(xmlNode*)> rootChildClosed;
};

// Tells the observer that the parse is over before anything of it is freed, on every way out.
class ParseEnd {
public:
    explicit ParseEnd(ParseObserver* observer) : observer_(observer) {}
    ~ParseEnd() { now(); }
    ParseEnd(const ParseEnd&) = delete;
    ParseEnd& operator=(const ParseEnd&) = delete;
    void now()
    {
        if (observer_)
            std::exchange(observer_, nullptr)->parseEnded();
    }

private:
    ParseObserver* observer_;
};

// Lifting libxml2's size limits lifts its nesting limit too; no register nests this deep, and
// deeper documents only cost stack and time.
constexpr int kMaxDepth = 256;

// Each new entry costs the parser's name table more than the one before: 1,000,000 distinct
// names took 35 s. The table holds every name (element, attribute, namespace, processing
// instruction target, entity reference, declaration) and also every distinct text of at most
// three characters and every short whitespace text. A register uses a few dozen names, but a
// large one may hold thousands of short texts (initials, three-digit post codes), so the limit
// lies far above what a register needs and still costs under a tenth of a second.
constexpr int kMaxDistinctNames = 20000;

ParseWatch& WatchOf(void* userData)
{
    return *static_cast<ParseWatch*>(static_cast<xmlParserCtxtPtr>(userData)->_private);
}

// Every name the parser has met is in its dictionary: element, attribute and namespace names,
// processing instruction targets, entity references, declarations.
bool TooManyNames(void* userData)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    if (xmlDictSize(ctxt->dict) <= kMaxDistinctNames)
        return false;
    WatchOf(userData).tooManyNames = true;
    xmlStopParser(ctxt);
    return true;
}

// Keeps the first fatal error of a parse: it names the real problem, the later ones follow from it.
void KeepFirstFatalError(void* userData, xmlErrorPtr error)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    auto* watch = static_cast<ParseWatch*>(ctxt->_private);
    if (watch == nullptr || error == nullptr || error->level != XML_ERR_FATAL)
        return;
    if (watch->firstError.isEmpty() && error->message) {
        // The parser's messages quote names from the file, which may be megabytes long.
        watch->firstError = QuotedInMessage(QString::fromUtf8(error->message).trimmed(),
                                            4 * kMaxQuotedCharacters);
        watch->firstErrorLine = error->line;
    }
    // A fatal error already refuses the file; going on would only let the rest of it, parsed
    // with callbacks switched off, cost time and memory (entities declared after a bad
    // declaration are defined behind the callbacks' back).
    if (error->code != XML_ERR_USER_STOP)
        xmlStopParser(ctxt);
}

// Only the five predefined entities exist: no declared one is ever looked up, so none can be
// expanded, whatever path the parser took to define it.
xmlEntityPtr PredefinedEntityOnly(void*, const xmlChar* name)
{
    return xmlGetPredefinedEntity(name);
}

// Stops the parse at the first entity declaration, before anything could expand it: no entity
// of any kind is ever defined, so none can multiply or reach outside the file.
void RefuseEntity(void* userData)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    static_cast<ParseWatch*>(ctxt->_private)->entityDeclared = true;
    xmlStopParser(ctxt);
}

void StartElementWithinDepth(void* userData, const xmlChar* localName, const xmlChar* prefix,
                             const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                             int attributeCount, int defaultedCount, const xmlChar** attributes)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    if (ctxt->nameNr > kMaxDepth) {
        static_cast<ParseWatch*>(ctxt->_private)->tooDeep = true;
        xmlStopParser(ctxt);
        return;
    }
    // The scan before parsing counts the written attributes; this also counts defaulted ones.
    if (attributeCount > kMaxAttributesPerElement) {
        WatchOf(userData).tooManyAttributes = true;
        xmlStopParser(ctxt);
        return;
    }
    if (TooManyNames(userData))
        return;
    xmlSAX2StartElementNs(userData, localName, prefix, uri, namespaceCount, namespaces,
                          attributeCount, defaultedCount, attributes);
}

void EndElementNotingRootChildren(void* userData, const xmlChar* localName, const xmlChar* prefix,
                                  const xmlChar* uri)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    xmlSAX2EndElementNs(userData, localName, prefix, uri);
    // Back at the root: the element just closed is the root's last child.
    if (ctxt->nodeNr == 1 && ctxt->node && ctxt->node->last &&
        ctxt->node->last->type == XML_ELEMENT_NODE) {
        ParseWatch& watch = WatchOf(userData);
        watch.rootChildren.push_back(ctxt->node->last);
        if (watch.rootChildClosed)
            watch.rootChildClosed(ctxt->node->last);
    }
}

void ProcessingInstructionWithinNames(void* userData, const xmlChar* target, const xmlChar* data)
{
    if (!TooManyNames(userData))
        xmlSAX2ProcessingInstruction(userData, target, data);
}

void ReferenceWithinNames(void* userData, const xmlChar* name)
{
    if (!TooManyNames(userData))
        xmlSAX2Reference(userData, name);
}

// Declared attributes with defaults are added to every element of their kind, so they count
// against the attributes an element may have.
void AttributeDeclWithinLimits(void* userData, const xmlChar* element, const xmlChar* name,
                               int type, int def, const xmlChar* defaultValue,
                               xmlEnumerationPtr tree)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    const bool tooMany = ctxt->myDoc && ctxt->myDoc->intSubset &&
                         ctxt->myDoc->intSubset->attributes &&
                         xmlHashSize(static_cast<xmlHashTablePtr>(ctxt->myDoc->intSubset->attributes)) >=
                             kMaxAttributesPerElement;
    if (tooMany) {
        xmlFreeEnumeration(tree);
        WatchOf(userData).tooManyAttributes = true;
        xmlStopParser(ctxt);
        return;
    }
    if (TooManyNames(userData)) {
        xmlFreeEnumeration(tree);
        return;
    }
    xmlSAX2AttributeDecl(userData, element, name, type, def, defaultValue, tree);
}

void ElementDeclWithinNames(void* userData, const xmlChar* name, int type,
                            xmlElementContentPtr content)
{
    if (!TooManyNames(userData))
        xmlSAX2ElementDecl(userData, name, type, content);
}

void RefuseEntityDecl(void* userData, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*)
{
    RefuseEntity(userData);
}

void RefuseUnparsedEntityDecl(void* userData, const xmlChar*, const xmlChar*, const xmlChar*,
                              const xmlChar*)
{
    RefuseEntity(userData);
}

// Compares without converting: identifiers are ASCII, and lookups compare them by the thousand.
bool EqualsUtf8(const QString& value, const xmlChar* utf8)
{
    const qsizetype size = value.size();
    qsizetype i = 0;
    for (; i < size; ++i) {
        const xmlChar byte = utf8[i];
        if (byte == 0 || byte >= 0x80)
            break;
        if (value[i].unicode() != byte)
            return false;
    }
    if (i == size)
        return utf8[i] == 0;
    if (utf8[i] == 0)
        return false;
    return value == QString::fromUtf8(AsChars(utf8));
}

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct ParserDeleter {
    void operator()(xmlParserCtxt* ctxt) const { xmlFreeParserCtxt(ctxt); }
};

IoError CannotWriteIn(const char* encoding)
{
    //: %1 is the name of an encoding, such as ISO-8859-1.
    return IoError(QCoreApplication::translate("orvanel::Store",
                                               "Cannot write the register in encoding %1")
                       .arg(QString::fromUtf8(encoding)));
}

LoadRefused Refused(const char* text)
{
    return LoadRefused(QCoreApplication::translate("orvanel::Store", text));
}

LoadRefused EncodingRefused(const QByteArray& encoding)
{
    //: %1 is the name of an encoding, such as ISO-8859-1.
    return LoadRefused(QCoreApplication::translate(
                           "orvanel::Store",
                           "Invalid data file content (the encoding %1 cannot be written back)!")
                           .arg(QuotedInMessage(QString::fromLatin1(encoding))));
}

// What can be told from the bytes alone, before the parser spends any time on them: a form or an
// encoding that could not be written back, entity declarations, elements with too many
// attributes. The markup scan reads UTF-16 through a decoder, other forms as they are.
void RefuseBeforeParsing(const QByteArray& bytes, ByteForm form)
{
    if (form == ByteForm::Other)
        throw Refused(QT_TRANSLATE_NOOP(
            "orvanel::Store",
            "Invalid data file content (the encoding of the file cannot be written back)!"));
    const QByteArray declared = DeclaredEncoding(bytes, form);
    const bool utf16 = form != ByteForm::AsciiCompatible;
    if (!declared.isEmpty()) {
        const std::optional<ByteForm> written = FormWrittenIn(declared.constData());
        if (!written)
            throw EncodingRefused(declared);
        // The scan below reads the file in its own form: the declaration must not switch the
        // parser to bytes of another layout.
        if (utf16 != (*written != ByteForm::AsciiCompatible))
            //: %1 is the name of an encoding, such as UTF-16.
            throw LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                          "Invalid data file content (the file is "
                                                          "not in the encoding %1 it declares)!")
                                  .arg(QuotedInMessage(QString::fromLatin1(declared))));
    }
    QString problem;
    if (utf16) {
        QStringDecoder decode(form == ByteForm::Utf16BigEndian ? QStringConverter::Utf16BE
                                                               : QStringConverter::Utf16LE);
        problem = MarkupProblem(QString(decode(bytes)).toUtf8());
    } else {
        problem = MarkupProblem(bytes);
    }
    if (!problem.isEmpty())
        throw LoadRefused(problem);
}

bool IsAsciiCompatible(const char* encoding)
{
    if (encoding == nullptr)
        return true;
    const QByteArray enc = QByteArray(encoding).toUpper();
    return !enc.startsWith("UTF-16") && !enc.startsWith("UTF16") && !enc.startsWith("UCS") &&
           !enc.startsWith("UTF-32") && !enc.startsWith("ISO-10646");
}

// Hands the parser the file's bytes a piece at a time, straight from the buffer already read.
// Given the whole buffer at once, libxml2 would first copy all of it (70 MB at 100k persons).
struct BytesFeed {
    const char* data;
    qsizetype left;
    qsizetype done = 0;
    FileMemory* giveBack = nullptr;  // the pages the parser has taken in go back here
};

int FeedBytes(void* context, char* buffer, int len)
{
    auto* feed = static_cast<BytesFeed*>(context);
    const qsizetype n = std::min<qsizetype>(len, feed->left);
    std::memcpy(buffer, feed->data, static_cast<size_t>(n));
    feed->data += n;
    feed->left -= n;
    feed->done += n;
    if (feed->giveBack)
        feed->giveBack->releaseUpTo(feed->done);
    return static_cast<int>(n);
}

// Room for `size` bytes in `bytes`, its pages put in place by one call rather than one fault
// each as the document is written into them: a tenth of a second of every save of a register of
// 100k persons. Where the system cannot, the pages come as they are written.
void ReserveWritable(QByteArray& bytes, qsizetype size)
{
    bytes.reserve(size);
    const auto page = static_cast<quintptr>(::sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<quintptr>(bytes.data()) + page - 1) / page * page;
    const auto end = reinterpret_cast<quintptr>(bytes.data() + bytes.capacity()) / page * page;
#ifdef MADV_POPULATE_WRITE
    if (end > start)
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
#endif
}

int WriteToDevice(void* context, const char* buffer, int len)
{
    auto* out = static_cast<QIODevice*>(context);
    return out->write(buffer, len) == len ? len : -1;
}

int CloseNothing(void*)
{
    return 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Element

QString Element::localName() const
{
    return QString::fromUtf8(LocalNameOf(node_));
}

bool Element::hasLocalName(const char* name) const
{
    return node_ && node_->type == XML_ELEMENT_NODE && std::strcmp(LocalNameOf(node_), name) == 0;
}

std::optional<QString> Element::attribute(const char* name) const
{
    const xmlAttr* attr = PlainAttribute(node_, name);
    if (attr == nullptr)
        return std::nullopt;
    return AttributeText(attr);
}

bool Element::attributeEquals(const char* name, const QString& value) const
{
    const xmlAttr* attr = PlainAttribute(node_, name);
    if (attr == nullptr)
        return false;
    const xmlNode* first = attr->children;
    if (first && first->next == nullptr && first->type == XML_TEXT_NODE)
        return EqualsUtf8(value, first->content);
    return AttributeText(attr) == value;
}

void Element::setAttribute(const char* name, const QString& value)
{
    // xmlSetNsProp stores the value as plain text: markup characters are escaped when saved.
    xmlSetNsProp(node_, nullptr, AsXml(name), AsXml(ToStorableUtf8(value).constData()));
    if (std::strcmp(name, kIdAttribute) == 0)
        doc_->noteIdChanged(node_);
}

Element Element::child(const char* name) const
{
    const Element found = childOrNull(name);
    if (!found)
        throw NodeNotFound(QString::fromUtf8(name));
    return found;
}

Element Element::childOrNull(const char* name) const
{
    for (xmlNode* c = node_->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE && std::strcmp(LocalNameOf(c), name) == 0)
            return Element(c, doc_);
    }
    return Element();
}

QString Element::text() const
{
    const xmlNode* first = node_->children;
    if (first == nullptr)
        return QString();
    if (first->next == nullptr && first->type == XML_TEXT_NODE)
        return QString::fromUtf8(AsChars(first->content));
    QString result;
    for (const xmlNode* c = first; c; c = c->next) {
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE)
            result += QString::fromUtf8(AsChars(c->content));
    }
    return result;
}

void Element::setText(const QString& text)
{
    while (xmlNode* c = node_->children) {
        xmlUnlinkNode(c);
        xmlFreeNode(c);
    }
    if (text.isEmpty())
        return;
    const QByteArray utf8 = ToStorableUtf8(text);
    // A text node's content is taken literally; it is escaped on save, never parsed.
    xmlAddChild(node_, xmlNewDocTextLen(node_->doc, AsXml(utf8.constData()),
                                        static_cast<int>(utf8.size())));
}

Element Element::appendChild(const char* name)
{
    return doc_->appendTo(node_, name);
}

Element Element::firstChildElement() const
{
    for (xmlNode* c = node_->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE)
            return Element(c, doc_);
    }
    return Element();
}

Element Element::nextSiblingElement() const
{
    for (xmlNode* c = node_->next; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE)
            return Element(c, doc_);
    }
    return Element();
}

const char* Element::localNameUtf8() const
{
    return LocalNameOf(node_);
}

QByteArrayView Element::textUtf8(QByteArray& scratch) const
{
    const xmlNode* first = node_->children;
    if (first == nullptr)
        return {};
    if (first->next == nullptr && first->type == XML_TEXT_NODE)
        return QByteArrayView(AsChars(first->content));
    scratch.clear();
    for (const xmlNode* c = first; c; c = c->next) {
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE)
            scratch += AsChars(c->content);
    }
    return scratch;
}

// The slot rides in libxml2's field for the application's own data, so that it costs no memory
// and moves with the node; nothing else in the program uses that field on elements.
int Element::slot() const
{
    return static_cast<int>(reinterpret_cast<std::intptr_t>(node_->_private)) - 1;
}

void Element::setSlot(int slot)
{
    node_->_private = reinterpret_cast<void*>(static_cast<std::intptr_t>(slot) + 1);
}

// ---------------------------------------------------------------------------------------------
// Document

Document::Document() = default;

Document::~Document()
{
    if (doc_)
        xmlFreeDoc(doc_);
}

Document::Document(Document&& other) noexcept
{
    *this = std::move(other);
}

Document& Document::operator=(Document&& other) noexcept
{
    if (this != &other) {
        if (doc_)
            xmlFreeDoc(doc_);
        doc_ = std::exchange(other.doc_, nullptr);
        form_ = other.form_;
        rootNodes_ = std::move(other.rootNodes_);
        personIndex_ = std::move(other.personIndex_);
        personIndexCount_ = std::exchange(other.personIndexCount_, 0);
        personIndexValid_ = std::exchange(other.personIndexValid_, false);
        prolog_ = std::move(other.prolog_);
        sizeHint_ = std::exchange(other.sizeHint_, 0);
    }
    return *this;
}

Document Document::parse(const QByteArray& bytes, ParseObserver* observer)
{
    return parseGivingBack(bytes, observer, nullptr);
}

Document Document::parse(FileMemory&& file, ParseObserver* observer)
{
    // Taken over here, so that the memory is gone on every way out of the parse, and with it
    // the one view of it, which never leaves this function.
    FileMemory consumed = std::move(file);
    const QByteArray bytes = QByteArray::fromRawData(consumed.data(), consumed.size());
    return parseGivingBack(bytes, observer, &consumed);
}

Document Document::parseGivingBack(const QByteArray& bytes, ParseObserver* observer,
                                   FileMemory* giveBack)
{
    const ByteForm byteForm = ByteFormOf(bytes);
    RefuseBeforeParsing(bytes, byteForm);
    // All that is taken from the bytes themselves is taken now: once the parser has read a part
    // of them, the caller may let it go.
    const QByteArray declared = DeclaredEncoding(bytes, byteForm);
    if (observer)
        observer->parseStarting(declared);
    FileForm form;
    form.utf8Bom = bytes.startsWith("\xEF\xBB\xBF");
    form.hasDeclaration = OpensWithDeclaration(bytes, byteForm);
    form.utf16 = byteForm != ByteForm::AsciiCompatible;
    form.utf16BigEndian = byteForm == ByteForm::Utf16BigEndian;
    QByteArray prolog;
    if (form.hasDeclaration && !form.utf16) {
        const qsizetype start = form.utf8Bom ? 3 : 0;
        const qsizetype end = bytes.indexOf("?>", start);
        if (end > 0)
            prolog = bytes.mid(start, end + 2 - start);
    }
    const qsizetype firstLf = bytes.indexOf('\n');
    const bool crlfLines = firstLf > 0 && bytes[firstLf - 1] == '\r';

    std::unique_ptr<xmlParserCtxt, ParserDeleter> ctxt(xmlNewParserCtxt());
    if (!ctxt)
        throw Refused(
            QT_TRANSLATE_NOOP("orvanel::Store", "Invalid data file content (out of memory)!"));
    // No network, no external DTD, no entity substitution, no entity declarations: a file can
    // make the program read nothing but itself. Whitespace is kept so that the file is written
    // back as it was. With entities Refused, the parser's size limits only refuse texts the
    // program writes itself (over 10 MB), so they are lifted.
    const int options = XML_PARSE_NONET | XML_PARSE_HUGE;
    ParseWatch watch;
    ctxt->_private = &watch;
    ctxt->sax->serror = KeepFirstFatalError;
    ctxt->sax->entityDecl = RefuseEntityDecl;
    ctxt->sax->unparsedEntityDecl = RefuseUnparsedEntityDecl;
    ctxt->sax->getEntity = PredefinedEntityOnly;
    ctxt->sax->startElementNs = StartElementWithinDepth;
    ctxt->sax->endElementNs = EndElementNotingRootChildren;
    ctxt->sax->processingInstruction = ProcessingInstructionWithinNames;
    ctxt->sax->reference = ReferenceWithinNames;
    ctxt->sax->attributeDecl = AttributeDeclWithinLimits;
    ctxt->sax->elementDecl = ElementDeclWithinNames;
    if (observer) {
        watch.rootChildClosed = [observer](xmlNode* child) {
            observer->rootChildClosed(Element(child, nullptr));
        };
    }
    BytesFeed feed{bytes.constData(), bytes.size(), 0, giveBack};
    xmlParserInputBufferPtr input =
        xmlParserInputBufferCreateIO(FeedBytes, CloseNothing, &feed, XML_CHAR_ENCODING_NONE);
    xmlParserInputPtr stream =
        input ? xmlNewIOInputStream(ctxt.get(), input, XML_CHAR_ENCODING_NONE) : nullptr;
    if (stream == nullptr) {
        xmlFreeParserInputBuffer(input);
        throw Refused(
            QT_TRANSLATE_NOOP("orvanel::Store", "Invalid data file content (out of memory)!"));
    }
    inputPush(ctxt.get(), stream);
    xmlCtxtUseOptions(ctxt.get(), options);
    std::unique_ptr<xmlDoc, DocDeleter> doc;
    // Declared after the document, so that the observer hears of the end before it is freed.
    ParseEnd ending(observer);
    // The parse keeps the document whatever it finds, where libxml2's own read functions would
    // free a malformed one at once: an observer may still be reading its records.
    xmlParseDocument(ctxt.get());
    doc.reset(std::exchange(ctxt->myDoc, nullptr));
    ending.now();
    if (watch.entityDeclared)
        throw LoadRefused(EntityDeclarationsRefusal());
    if (watch.tooDeep)
        throw LoadRefused(QCoreApplication::translate(
                              "orvanel::Store",
                              "Invalid data file content (elements nested deeper than %1)!")
                              .arg(kMaxDepth));
    if (watch.tooManyAttributes) {
        throw LoadRefused(TooManyAttributesRefusal());
    }
    if (watch.tooManyNames) {
        throw LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                      "Invalid data file content (more than %1 "
                                                      "different names or short texts)!")
                              .arg(kMaxDistinctNames));
    }
    if (!doc || !ctxt->wellFormed) {
        if (watch.firstError.isEmpty()) {
            throw Refused(QT_TRANSLATE_NOOP("orvanel::Store",
                                            "Invalid data file content (not well-formed XML)!"));
        }
        //: %1 is a line number; %2 is the XML parser's own description of the fault, in English.
        throw LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                      "Invalid data file content (line %1: %2)!")
                              .arg(QString::number(watch.firstErrorLine), watch.firstError));
    }
    if (doc->intSubset && (doc->intSubset->entities || doc->intSubset->pentities))
        throw LoadRefused(EntityDeclarationsRefusal());
    if (xmlDocGetRootElement(doc.get()) == nullptr)
        throw Refused(
            QT_TRANSLATE_NOOP("orvanel::Store", "Invalid data file content (no root element)!"));
    const QByteArray encoding = doc->encoding ? QByteArray(AsChars(doc->encoding)) : QByteArray();
    if (!encoding.isEmpty() && encoding.compare(declared, Qt::CaseInsensitive) != 0 &&
        !FormWrittenIn(encoding.constData())) {
        // Better refused now than after the user's work: a save would write an unreadable file.
        throw EncodingRefused(encoding);
    }

    Document result;
    result.doc_ = doc.release();
    result.form_ = form;
    const bool singleByteForm = !form.utf16 && IsAsciiCompatible(result.doc_->encoding
                                                                     ? AsChars(result.doc_->encoding)
                                                                     : nullptr);
    // The declaration is written back exactly as the user's file had it.
    if (form.hasDeclaration && singleByteForm)
        result.prolog_ = prolog;
    result.form_.crlf = crlfLines && singleByteForm;
    result.rootNodes_ = std::move(watch.rootChildren);
    result.sizeHint_ = bytes.size();
    return result;
}

Element Document::root()
{
    return Element(doc_ ? xmlDocGetRootElement(doc_) : nullptr, this);
}

Element Document::rootChild(int index)
{
    return Element(rootNodes_.at(static_cast<size_t>(index)), this);
}

Element Document::appendRootChild(const char* name)
{
    return appendTo(xmlDocGetRootElement(doc_), name);
}

Element Document::appendTo(xmlNode* parent, const char* name)
{
    // The new element goes on a line of its own, indented one space per level, and the parent's
    // closing tag stays on a line of its own after it.
    const int level = DepthOf(parent) + 1;
    xmlNode* element = xmlNewDocNode(doc_, nullptr, AsXml(name), nullptr);
    const QByteArray lead = Indentation(level);
    xmlNode* last = parent->last;
    if (IsWhitespaceText(last)) {
        xmlAddPrevSibling(last, element);
    } else {
        xmlAddChild(parent, element);
        xmlAddNextSibling(element, xmlNewDocText(doc_, AsXml(Indentation(level - 1).constData())));
    }
    // Added after the element is in place, so that it can only merge with text before it.
    xmlAddPrevSibling(element, xmlNewDocText(doc_, AsXml(lead.constData())));
    if (parent == xmlDocGetRootElement(doc_))
        rootNodes_.push_back(element);
    return Element(element, this);
}

void Document::removeRootChild(int index)
{
    xmlNode* node = rootNodes_.at(static_cast<size_t>(index));
    if (std::strcmp(LocalNameOf(node), kPersonElement) == 0)
        personIndexValid_ = false;
    // The indentation that led to the element goes with it, so that removals leave no blank lines.
    xmlNode* lead = node->prev;
    if (IsWhitespaceText(lead)) {
        xmlUnlinkNode(lead);
        xmlFreeNode(lead);
    }
    xmlUnlinkNode(node);
    xmlFreeNode(node);
    rootNodes_.erase(rootNodes_.begin() + index);
}

Element Document::findPerson(const QString& id)
{
    ensurePersonIndex();
    if (personIndex_.empty())
        return Element();
    const unsigned hash = IdHash(id.toUtf8());
    const size_t mask = personIndex_.size() - 1;
    for (size_t slot = hash & mask; personIndex_[slot].node; slot = (slot + 1) & mask) {
        const PersonSlot& held = personIndex_[slot];
        if (held.hash == hash && Element(held.node, this).attributeEquals(kIdAttribute, id))
            return Element(held.node, this);
    }
    return Element();
}

bool Document::indexPerson(xmlNode* person)
{
    const xmlAttr* attr = PlainAttribute(person, kIdAttribute);
    if (attr == nullptr)
        return true;
    QByteArray joined;
    const QByteArrayView id = AttributeUtf8(attr, joined);
    const unsigned hash = IdHash(id);
    const size_t mask = personIndex_.size() - 1;
    size_t slot = hash & mask;
    for (; personIndex_[slot].node; slot = (slot + 1) & mask) {
        const PersonSlot& held = personIndex_[slot];
        QByteArray heldJoined;
        if (held.hash == hash &&
            AttributeUtf8(PlainAttribute(held.node, kIdAttribute), heldJoined) == id)
            return false;  // the first of equal IDs wins
    }
    personIndex_[slot] = {hash, person};
    ++personIndexCount_;
    return true;
}

void Document::ensurePersonIndex()
{
    if (personIndexValid_)
        return;
    size_t persons = 0;
    for (xmlNode* node : rootNodes_)
        persons += std::strcmp(LocalNameOf(node), kPersonElement) == 0 ? 1 : 0;
    // At most half full, with room for the persons added later in this run.
    size_t size = 16;
    while (size < 2 * persons + 64)
        size *= 2;
    personIndex_.assign(size, PersonSlot{});
    personIndexCount_ = 0;
    for (xmlNode* node : rootNodes_) {
        if (std::strcmp(LocalNameOf(node), kPersonElement) == 0)
            indexPerson(node);
    }
    personIndexValid_ = true;
}

void Document::noteIdChanged(xmlNode* element)
{
    if (!personIndexValid_)
        return;
    // A person just appended keeps the index exact cheaply; any other change rebuilds it later.
    const bool lastRootPerson = !rootNodes_.empty() && rootNodes_.back() == element &&
                                std::strcmp(LocalNameOf(element), kPersonElement) == 0;
    const bool indexed = std::any_of(personIndex_.cbegin(), personIndex_.cend(),
                                     [element](const PersonSlot& s) { return s.node == element; });
    if (!lastRootPerson || indexed || 2 * (personIndexCount_ + 1) > personIndex_.size() ||
        !indexPerson(element))
        personIndexValid_ = false;
}

QByteArray Document::serialize() const
{
    const char* encoding = doc_->encoding ? AsChars(doc_->encoding)
                           : form_.utf16  ? "UTF-16"
                                          : "UTF-8";
    const int options = form_.hasDeclaration ? 0 : XML_SAVE_NO_DECL;
    QByteArray bytes;
    ReserveWritable(bytes, sizeHint_ + sizeHint_ / 8);
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        xmlSaveCtxtPtr save =
            xmlSaveToIO(WriteToDevice, CloseNothing, &buffer, encoding, options);
        if (save == nullptr)
            throw IoError(CannotWriteIn(encoding));
        const long written = xmlSaveDoc(save, doc_);
        const int closed = xmlSaveClose(save);
        if (written < 0 || closed < 0)
            throw IoError(CannotWriteIn(encoding));
    }
    if (form_.utf16BigEndian && bytes.startsWith("\xFF\xFE")) {
        // libxml2 writes UTF-16 little-endian; a big-endian file stays big-endian.
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
    }
    if (form_.crlf)
        bytes.replace("\n", "\r\n");
    // After the line ends: the file's own declaration goes back byte for byte, its line ends too.
    if (!prolog_.isEmpty() && bytes.startsWith("<?xml")) {
        const qsizetype end = bytes.indexOf("?>");
        if (end > 0)
            bytes.replace(0, end + 2, prolog_);
    }
    if (form_.utf8Bom && !bytes.startsWith("\xEF\xBB\xBF"))
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

}  // namespace orvanel
