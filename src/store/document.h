#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The document layer keeps libxml2 to itself: other code sees only these handles.
struct _xmlNode;
struct _xmlDoc;

namespace orvanel {

class Document;

// A handle to an element of a Document; valid while the element is in its document.
class Element {
public:
    Element() = default;
    explicit operator bool() const { return node_ != nullptr; }
    bool operator==(const Element& other) const { return node_ == other.node_; }

    // The name without any namespace prefix: both <Person> and <x:Person> are "Person".
    QString localName() const;
    bool hasLocalName(const char* name) const;

    // An absent attribute is nullopt, distinct from an empty one.
    std::optional<QString> attribute(const char* name) const;
    // The same text in UTF-8, without a copy: the usual single text node is viewed as it is,
    // anything else joined into `scratch`. The view is valid until the element changes.
    std::optional<QByteArrayView> attributeUtf8(const char* name, QByteArray& scratch) const;
    // True when the attribute is present and its text equals `value` exactly.
    bool attributeEquals(const char* name, const QString& value) const;
    void setAttribute(const char* name, const QString& value);

    // The first child element with exactly this (local) name; throws NodeNotFound when there is
    // none. Never creates it.
    Element child(const char* name) const;
    // The same, but a null element when there is none: for readers that go on past a damaged
    // record instead of failing.
    Element childOrNull(const char* name) const;
    // Text content (every text and CDATA child, in order).
    QString text() const;
    // Replaces the content by this text, stored exactly (markup characters are escaped on save).
    void setText(const QString& text);
    // Appends a child element as last child, on a new line indented one space per level.
    Element appendChild(const char* name);

    // Plain walking for readers that visit every child once, in document order.
    Element firstChildElement() const;
    Element nextSiblingElement() const;
    // The local name as the document holds it, in UTF-8; valid while the element is.
    const char* localNameUtf8() const;
    // The same text as text(), in UTF-8: the usual single text node is viewed without a copy,
    // anything else is joined into `scratch`. The view is valid until the element changes.
    QByteArrayView textUtf8(QByteArray& scratch) const;

private:
    friend class Document;
    Element(_xmlNode* node, Document* doc) : node_(node), doc_(doc) {}
    _xmlNode* node_ = nullptr;
    Document* doc_ = nullptr;
};

// Takes bytes of a file as they are written; may throw, which ends the writing.
using ByteSink = std::function<void(QByteArrayView)>;

// How the file was written, so that a save can write it the same way.
struct FileForm {
    bool hasDeclaration = true;
    bool utf8Bom = false;
    bool utf16 = false;  // kept in UTF-16 even when the declaration names no encoding
    bool utf16BigEndian = false;
    bool crlf = false;  // lines end in CR LF (only tracked for ASCII-compatible encodings)
};

// Told of the root's child elements while a parse is still building the document, so that the
// records can be read as the parser closes them instead of in a walk of the finished tree.
class ParseObserver {
public:
    virtual ~ParseObserver() = default;
    // Before the parser reads a record: the encoding the file's XML declaration names, or an
    // empty text when it names none.
    virtual void parseStarting(const QByteArray& declaredEncoding) { (void)declaredEncoding; }
    // On the parser's thread, as the parser closes a child element of the root. From then on the
    // parser changes nothing in it or below it (only which node follows it). The handle is tied
    // to no document yet: Document::adopt ties it to the one the parse returned.
    virtual void rootChildClosed(Element child) = 0;
    // The parse is over, with or without a document; nothing of it has been freed yet.
    virtual void parseEnded() = 0;
    // Before each piece of the file the parser is fed: `done` of `total` bytes are in. False
    // stops the parse, which then throws ParseStopped. Called from inside the parser, so it must
    // not throw.
    virtual bool goOn(qint64 done, qint64 total) noexcept
    {
        (void)done;
        (void)total;
        return true;
    }
};

// Thrown by Document::parse when its observer stopped it. Not an error of the file, so none of
// the store's errors: whoever stops a parse is told apart from a refusal.
class ParseStopped {};

// The in-memory XML document of the register: owns the libxml2 document, keeps the list of the
// root's child elements in document order, and an exact index of root `Person` elements by `ID`.
class Document {
public:
    Document();
    ~Document();
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Parses bytes of a data file. Throws LoadRefused with a message naming the problem for
    // anything that is not a well-formed document this program may read (no network, no other
    // file, no entity declarations).
    static Document parse(const QByteArray& bytes, ParseObserver* observer = nullptr);

    // The handle of an element that a ParseObserver was given, tied to this document.
    Element adopt(const Element& closed) { return Element(closed.node_, this); }

    bool isNull() const { return doc_ == nullptr; }
    Element root();

    // The root's child elements in document order. Other nodes (whitespace, comments,
    // processing instructions) carry no records and are never listed here, but stay in the
    // document and are written back.
    int rootCount() const { return static_cast<int>(rootNodes_.size()); }
    Element rootChild(int index);
    // Appends an element as the root's last child, on its own indented line.
    Element appendRootChild(const char* name);
    // Deletes a root child element together with the indentation that stood before it.
    void removeRootChild(int index);
    // The same for each of these root child elements, in one pass over the root's children.
    void removeRootChildren(const std::vector<Element>& children);

    // The document as the bytes of a file, in the encoding and form it was loaded in, given to
    // `out` a piece at a time as they are made: the whole file is never held in memory. Throws
    // IoError when the encoding cannot be written, and passes on whatever `out` throws.
    void write(const ByteSink& out) const;
    // The same bytes as one array: for checks of what a save writes.
    QByteArray serialize() const;
    // libxml2's own output of the document, before write() gives it back the form of the file
    // it was read from (form() and prolog()), a piece at a time: for checking that step.
    void writeUnformed(const ByteSink& out) const;
    const FileForm& form() const { return form_; }
    // Whether the file is in UTF-8 and its declaration says so: libxml2 then writes every
    // character as it is, escaping only markup, where a file that names no encoding gets
    // character references for all but ASCII.
    bool declaresUtf8() const;
    // One root child element alone, as a save writes it: in the document's encoding (UTF-16 in
    // the file's byte order, without a byte-order mark) and with the file's line ends. Characters
    // the encoding lacks are written as character references; an empty element is written
    // `<X></X>` with `longEmptyElements`, else `<X/>`. Throws IoError when the encoding cannot be
    // written.
    QByteArray elementBytes(int rootIndex, bool longEmptyElements) const;
    const QByteArray& prolog() const { return prolog_; }

private:
    friend class Element;
    Element appendTo(_xmlNode* parent, const char* name);
    // Unlinks and frees a root child with its indentation; rootNodes_ is left to the caller.
    void freeRootChild(_xmlNode* node);

    _xmlDoc* doc_ = nullptr;
    FileForm form_;
    std::vector<_xmlNode*> rootNodes_;
    QByteArray prolog_;  // the file's own XML declaration, written back unchanged
    qsizetype sizeHint_ = 0;  // the size of the file as read
};

}  // namespace orvanel
