#include "store/document.h"

#include "store/durable_file.h"
#include "store/errors.h"
#include "store/storable_text.h"

#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <limits>
#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

namespace orvanel {

namespace {

const xmlChar* asXml(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

const char* asChars(const xmlChar* text)
{
    return reinterpret_cast<const char*>(text);
}

// The name after any namespace prefix; a prefix libxml2 could not bind stays in node->name.
const char* localNameOf(const xmlNode* node)
{
    const char* name = asChars(node->name);
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool isWhitespaceText(const xmlNode* node)
{
    if (node == nullptr || node->type != XML_TEXT_NODE || node->content == nullptr)
        return false;
    for (const xmlChar* p = node->content; *p; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r')
            return false;
    }
    return true;
}

int depthOf(const xmlNode* node)
{
    int depth = 0;
    for (const xmlNode* p = node->parent; p && p->type == XML_ELEMENT_NODE; p = p->parent)
        ++depth;
    return depth;
}

QByteArray indentation(int level)
{
    return QByteArray("\n") + QByteArray(level, ' ');
}

QByteArray toStorableUtf8(const QString& text)
{
    return StorableText(text).toUtf8();
}

QString fromXml(const xmlChar* text)
{
    return text ? QString::fromUtf8(asChars(text)) : QString();
}

// Text of an attribute node; the usual single text child is read without a copy.
QString attributeText(const xmlAttr* attr)
{
    const xmlNode* first = attr->children;
    if (first == nullptr)
        return QStringLiteral("");  // present but empty: not the null of an absent attribute
    if (first->next == nullptr && first->type == XML_TEXT_NODE)
        return QString::fromUtf8(asChars(first->content));
    xmlChar* joined = xmlNodeListGetString(attr->doc, attr->children, 1);
    QString result = fromXml(joined);
    xmlFree(joined);
    return result;
}

// What a parse found besides the document, reached through the parser's _private.
struct ParseWatch {
    QString firstError;
    bool entityDeclared = false;
    bool tooDeep = false;
};

// Lifting libxml2's size limits lifts its nesting limit too; no register nests this deep, and
// deeper documents only cost stack and time.
constexpr int kMaxDepth = 256;

// Keeps the first fatal error of a parse: it names the real problem, the later ones follow from it.
void keepFirstFatalError(void* userData, xmlErrorPtr error)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    auto* watch = static_cast<ParseWatch*>(ctxt->_private);
    if (watch && watch->firstError.isEmpty() && error && error->level == XML_ERR_FATAL &&
        error->message)
        watch->firstError = QStringLiteral("line %1: %2")
                                .arg(error->line)
                                .arg(QString::fromUtf8(error->message).trimmed());
}

// Stops the parse at the first entity declaration, before anything could expand it: no entity
// of any kind is ever defined, so none can multiply or reach outside the file.
void refuseEntity(void* userData)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    static_cast<ParseWatch*>(ctxt->_private)->entityDeclared = true;
    xmlStopParser(ctxt);
}

void startElementWithinDepth(void* userData, const xmlChar* localName, const xmlChar* prefix,
                             const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                             int attributeCount, int defaultedCount, const xmlChar** attributes)
{
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    if (ctxt->nameNr > kMaxDepth) {
        static_cast<ParseWatch*>(ctxt->_private)->tooDeep = true;
        xmlStopParser(ctxt);
        return;
    }
    xmlSAX2StartElementNs(userData, localName, prefix, uri, namespaceCount, namespaces,
                          attributeCount, defaultedCount, attributes);
}

void refuseEntityDecl(void* userData, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*)
{
    refuseEntity(userData);
}

void refuseUnparsedEntityDecl(void* userData, const xmlChar*, const xmlChar*, const xmlChar*,
                              const xmlChar*)
{
    refuseEntity(userData);
}

// Compares without converting: identifiers are ASCII, and lookups compare them by the thousand.
bool equalsUtf8(const QString& value, const xmlChar* utf8)
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
    return value == QString::fromUtf8(asChars(utf8));
}

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct ParserDeleter {
    void operator()(xmlParserCtxt* ctxt) const { xmlFreeParserCtxt(ctxt); }
};

bool startsWith(const QByteArray& bytes, const char* prefix)
{
    return bytes.startsWith(QByteArray(prefix));
}

// A UTF-16 file opens with a byte-order mark, or with a NUL byte beside its first "<".
bool isUtf16(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
           (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0'));
}

// Whether the file opens with an XML declaration, in a single-byte encoding or in UTF-16.
bool opensWithDeclaration(const QByteArray& bytes)
{
    QByteArray head = bytes.left(32);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    else if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        head.remove(0, 2);
    if (head.size() >= 2 && (head[0] == '\0') != (head[1] == '\0')) {
        // UTF-16: the declaration is ASCII, the other byte of each of its pairs is NUL.
        const int zero = head[0] == '\0' ? 0 : 1;
        QByteArray narrow;
        for (qsizetype i = 0; i + 1 < head.size() && head[i + zero] == '\0'; i += 2)
            narrow += head[i + 1 - zero];
        head = narrow;
    }
    return head.size() > 5 && head.startsWith("<?xml") && QByteArray(" \t\r\n").contains(head[5]);
}

// Whether a file written in this encoding is read back: libxml2 reads some encodings (UTF-7)
// only when the declaration naming them is plain ASCII, but writes that declaration encoded.
bool readsBackOnceWritten(const char* encoding)
{
    const char probe[] = "<a b=\"c\">d</a>";
    std::unique_ptr<xmlDoc, DocDeleter> doc(
        xmlReadMemory(probe, sizeof probe - 1, nullptr, nullptr, XML_PARSE_NONET));
    if (!doc)
        return false;
    xmlChar* written = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc.get(), &written, &size, encoding);
    if (written == nullptr)
        return false;
    std::unique_ptr<xmlDoc, DocDeleter> back(xmlReadMemory(
        asChars(written), size, nullptr, nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR |
                                                      XML_PARSE_NOWARNING));
    xmlFree(written);
    const xmlNode* root = back ? xmlDocGetRootElement(back.get()) : nullptr;
    return root && std::strcmp(asChars(root->name), "a") == 0;
}

bool asciiCompatible(const char* encoding)
{
    if (encoding == nullptr)
        return true;
    const QByteArray enc = QByteArray(encoding).toUpper();
    return !enc.startsWith("UTF-16") && !enc.startsWith("UTF16") && !enc.startsWith("UCS") &&
           !enc.startsWith("UTF-32") && !enc.startsWith("ISO-10646");
}

int writeToDevice(void* context, const char* buffer, int len)
{
    auto* out = static_cast<QIODevice*>(context);
    return out->write(buffer, len) == len ? len : -1;
}

int closeNothing(void*)
{
    return 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Element

QString Element::localName() const
{
    return QString::fromUtf8(localNameOf(node_));
}

bool Element::hasLocalName(const char* name) const
{
    return node_ && node_->type == XML_ELEMENT_NODE && std::strcmp(localNameOf(node_), name) == 0;
}

std::optional<QString> Element::attribute(const char* name) const
{
    const xmlAttr* attr = xmlHasProp(node_, asXml(name));
    if (attr == nullptr || attr->type != XML_ATTRIBUTE_NODE)
        return std::nullopt;
    return attributeText(attr);
}

bool Element::attributeEquals(const char* name, const QString& value) const
{
    const xmlAttr* attr = xmlHasProp(node_, asXml(name));
    if (attr == nullptr || attr->type != XML_ATTRIBUTE_NODE)
        return false;
    const xmlNode* first = attr->children;
    if (first && first->next == nullptr && first->type == XML_TEXT_NODE)
        return equalsUtf8(value, first->content);
    return attributeText(attr) == value;
}

void Element::setAttribute(const char* name, const QString& value)
{
    // xmlSetProp stores the value as plain text: markup characters are escaped when saved.
    xmlSetProp(node_, asXml(name), asXml(toStorableUtf8(value).constData()));
    if (std::strcmp(name, "ID") == 0)
        doc_->noteIdChanged(node_);
}

Element Element::child(const char* name) const
{
    for (xmlNode* c = node_->children; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE && std::strcmp(localNameOf(c), name) == 0)
            return Element(c, doc_);
    }
    throw NodeNotFound(QString::fromUtf8(name));
}

QString Element::text() const
{
    const xmlNode* first = node_->children;
    if (first == nullptr)
        return QString();
    if (first->next == nullptr && first->type == XML_TEXT_NODE)
        return QString::fromUtf8(asChars(first->content));
    QString result;
    for (const xmlNode* c = first; c; c = c->next) {
        if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE)
            result += QString::fromUtf8(asChars(c->content));
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
    const QByteArray utf8 = toStorableUtf8(text);
    // A text node's content is taken literally; it is escaped on save, never parsed.
    xmlAddChild(node_, xmlNewDocTextLen(node_->doc, asXml(utf8.constData()),
                                        static_cast<int>(utf8.size())));
}

Element Element::appendChild(const char* name)
{
    return doc_->appendTo(node_, name);
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
        personIndexValid_ = std::exchange(other.personIndexValid_, false);
        prolog_ = std::move(other.prolog_);
    }
    return *this;
}

Document Document::parse(const QByteArray& bytes)
{
    std::unique_ptr<xmlParserCtxt, ParserDeleter> ctxt(xmlNewParserCtxt());
    if (!ctxt)
        throw LoadRefused(QStringLiteral("Invalid data file content (out of memory)!"));
    // No network, no external DTD, no entity substitution, no entity declarations: a file can
    // make the program read nothing but itself. Whitespace is kept so that the file is written
    // back as it was. With entities refused, the parser's size limits only refuse texts the
    // program writes itself (over 10 MB), so they are lifted.
    const int options = XML_PARSE_NONET | XML_PARSE_HUGE;
    ParseWatch watch;
    ctxt->_private = &watch;
    ctxt->sax->serror = keepFirstFatalError;
    ctxt->sax->entityDecl = refuseEntityDecl;
    ctxt->sax->unparsedEntityDecl = refuseUnparsedEntityDecl;
    ctxt->sax->startElementNs = startElementWithinDepth;
    std::unique_ptr<xmlDoc, DocDeleter> doc(xmlCtxtReadMemory(
        ctxt.get(), bytes.constData(), static_cast<int>(bytes.size()), nullptr, nullptr, options));
    if (watch.entityDeclared) {
        throw LoadRefused(
            QStringLiteral("Invalid data file content (entity declarations are not allowed)!"));
    }
    if (watch.tooDeep) {
        throw LoadRefused(QStringLiteral("Invalid data file content (elements nested deeper "
                                         "than %1)!")
                              .arg(kMaxDepth));
    }
    if (!doc || !ctxt->wellFormed) {
        throw LoadRefused(QStringLiteral("Invalid data file content (%1)!")
                              .arg(watch.firstError.isEmpty() ? QStringLiteral("not well-formed XML")
                                                              : watch.firstError));
    }
    if (doc->intSubset && (doc->intSubset->entities || doc->intSubset->pentities)) {
        throw LoadRefused(
            QStringLiteral("Invalid data file content (entity declarations are not allowed)!"));
    }
    if (xmlDocGetRootElement(doc.get()) == nullptr)
        throw LoadRefused(QStringLiteral("Invalid data file content (no root element)!"));
    if (doc->encoding && !readsBackOnceWritten(asChars(doc->encoding))) {
        // Better refused now than after the user's work: a save would write an unreadable file.
        throw LoadRefused(QStringLiteral("Invalid data file content (the encoding %1 cannot be "
                                         "written back)!")
                              .arg(QString::fromUtf8(asChars(doc->encoding))));
    }

    Document result;
    result.doc_ = doc.release();
    result.form_.utf8Bom = startsWith(bytes, "\xEF\xBB\xBF");
    result.form_.hasDeclaration = opensWithDeclaration(bytes);
    result.form_.utf16 = isUtf16(bytes);
    const bool singleByteForm =
        !result.form_.utf16 && asciiCompatible(asChars(result.doc_->encoding));
    if (result.form_.hasDeclaration && singleByteForm) {
        // The declaration is written back exactly as the user's file had it.
        const qsizetype start = result.form_.utf8Bom ? 3 : 0;
        const qsizetype end = bytes.indexOf("?>", start);
        if (end > 0)
            result.prolog_ = bytes.mid(start, end + 2 - start);
    }
    const qsizetype firstLf = bytes.indexOf('\n');
    result.form_.crlf = firstLf > 0 && bytes[firstLf - 1] == '\r' && singleByteForm;
    result.rebuildRootNodes();
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
    const int level = depthOf(parent) + 1;
    xmlNode* element = xmlNewDocNode(doc_, nullptr, asXml(name), nullptr);
    const QByteArray lead = indentation(level);
    xmlNode* last = parent->last;
    if (isWhitespaceText(last)) {
        xmlAddPrevSibling(last, element);
    } else {
        xmlAddChild(parent, element);
        xmlAddNextSibling(element, xmlNewDocText(doc_, asXml(indentation(level - 1).constData())));
    }
    // Added after the element is in place, so that it can only merge with text before it.
    xmlAddPrevSibling(element, xmlNewDocText(doc_, asXml(lead.constData())));
    if (parent == xmlDocGetRootElement(doc_))
        rootNodes_.push_back(element);
    return Element(element, this);
}

void Document::removeRootChild(int index)
{
    xmlNode* node = rootNodes_.at(static_cast<size_t>(index));
    if (std::strcmp(localNameOf(node), "Person") == 0)
        personIndexValid_ = false;
    // The indentation that led to the element goes with it, so that removals leave no blank lines.
    xmlNode* lead = node->prev;
    if (isWhitespaceText(lead)) {
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
    const auto it = personIndex_.constFind(id);
    return it == personIndex_.cend() ? Element() : Element(it.value(), this);
}

void Document::rebuildRootNodes()
{
    rootNodes_.clear();
    personIndexValid_ = false;
    const xmlNode* root = xmlDocGetRootElement(doc_);
    for (xmlNode* c = root ? root->children : nullptr; c; c = c->next) {
        if (c->type == XML_ELEMENT_NODE)
            rootNodes_.push_back(c);
    }
}

void Document::ensurePersonIndex()
{
    if (personIndexValid_)
        return;
    personIndex_.clear();
    personIndex_.reserve(static_cast<qsizetype>(rootNodes_.size()));
    for (xmlNode* node : rootNodes_) {
        if (std::strcmp(localNameOf(node), "Person") != 0)
            continue;
        const xmlAttr* attr = xmlHasProp(node, asXml("ID"));
        if (attr == nullptr || attr->type != XML_ATTRIBUTE_NODE)
            continue;
        const QString id = attributeText(attr);
        if (!personIndex_.contains(id))  // the first of equal IDs wins
            personIndex_.insert(id, node);
    }
    personIndexValid_ = true;
}

void Document::noteIdChanged(xmlNode* element)
{
    if (!personIndexValid_)
        return;
    // A person just appended keeps the index exact cheaply; any other change rebuilds it later.
    const bool lastRootPerson = !rootNodes_.empty() && rootNodes_.back() == element &&
                                std::strcmp(localNameOf(element), "Person") == 0;
    const QString id = attributeText(xmlHasProp(element, asXml("ID")));
    if (lastRootPerson && !personIndex_.contains(id) &&
        std::find(personIndex_.cbegin(), personIndex_.cend(), element) == personIndex_.cend()) {
        personIndex_.insert(id, element);
    } else {
        personIndexValid_ = false;
    }
}

QByteArray Document::serialize() const
{
    const char* encoding = doc_->encoding ? asChars(doc_->encoding)
                           : form_.utf16  ? "UTF-16"
                                          : "UTF-8";
    const int options = form_.hasDeclaration ? 0 : XML_SAVE_NO_DECL;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        xmlSaveCtxtPtr save =
            xmlSaveToIO(writeToDevice, closeNothing, &buffer, encoding, options);
        if (save == nullptr)
            throw IoError(QStringLiteral("Cannot write the register in encoding %1")
                              .arg(QString::fromUtf8(encoding)));
        const long written = xmlSaveDoc(save, doc_);
        const int closed = xmlSaveClose(save);
        if (written < 0 || closed < 0)
            throw IoError(QStringLiteral("Cannot write the register in encoding %1")
                              .arg(QString::fromUtf8(encoding)));
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

void Document::save(const QString& path) const
{
    QByteArray bytes;
    try {
        bytes = serialize();
    } catch (const IoError& e) {
        throw IoError(QStringLiteral("Cannot write \"%1\": %2").arg(path, e.message()));
    }
    DurableFile file(path, path);
    file.open();
    file.write(bytes.constData(), bytes.size());
    file.commit();
}

}  // namespace orvanel
