#include "store/document.h"

#include "store/record_names.h"
#include "store/xml_node.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <libxml/tree.h>

namespace orvanel {

namespace {

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

// A text node of a line break and one space per level. Appending a person makes 22 of them, so
// each is made from a constant, not from a text built per node, and its characters are the
// document's shared copy in its dictionary, as the parser itself keeps every short run of
// whitespace it reads: libxml2 frees no text its dictionary owns, and copies one before adding
// to it. At 100k persons building the texts cost about a tenth of an import's adding, and a copy
// per node 70 MB (docs/performance.md).
xmlNode* NewIndentation(xmlDoc* doc, int level)
{
    static constexpr char kBreakAndSpaces[] = "\n                                ";
    constexpr int kMostLevels = static_cast<int>(sizeof kBreakAndSpaces) - 2;
    if (level > kMostLevels) {
        const QByteArray lead = QByteArray("\n") + QByteArray(level, ' ');
        return xmlNewDocTextLen(doc, AsXml(lead.constData()), static_cast<int>(lead.size()));
    }
    const xmlChar* shared =
        doc->dict ? xmlDictLookup(doc->dict, AsXml(kBreakAndSpaces), level + 1) : nullptr;
    if (shared == nullptr)
        return xmlNewDocTextLen(doc, AsXml(kBreakAndSpaces), level + 1);
    xmlNode* text = xmlNewDocText(doc, nullptr);
    if (text)
        text->content = const_cast<xmlChar*>(shared);
    return text;
}

}  // namespace

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
        prolog_ = std::move(other.prolog_);
        sizeHint_ = std::exchange(other.sizeHint_, 0);
    }
    return *this;
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
    xmlNode* last = parent->last;
    if (IsWhitespaceText(last)) {
        xmlAddPrevSibling(last, element);
    } else {
        xmlAddChild(parent, element);
        xmlAddNextSibling(element, NewIndentation(doc_, level - 1));
    }
    // Added after the element is in place, so that it can only merge with text before it.
    xmlAddPrevSibling(element, NewIndentation(doc_, level));
    if (parent == xmlDocGetRootElement(doc_))
        rootNodes_.push_back(element);
    return Element(element, this);
}

bool Document::declaresUtf8() const
{
    return doc_ && !form_.utf16 && doc_->encoding &&
           xmlStrcasecmp(doc_->encoding, AsXml("UTF-8")) == 0;
}

void Document::removeRootChild(int index)
{
    freeRootChild(rootNodes_.at(static_cast<size_t>(index)));
    rootNodes_.erase(rootNodes_.begin() + index);
}

void Document::removeRootChildren(const std::vector<Element>& children)
{
    std::vector<xmlNode*> going;
    going.reserve(children.size());
    for (const Element& child : children)
        going.push_back(child.node_);
    std::sort(going.begin(), going.end());
    const auto goes = [&](xmlNode* node) {
        return std::binary_search(going.begin(), going.end(), node);
    };
    for (xmlNode* node : rootNodes_) {
        if (goes(node))
            freeRootChild(node);
    }
    // Only the freed nodes' addresses are compared from here on.
    rootNodes_.erase(std::remove_if(rootNodes_.begin(), rootNodes_.end(), goes), rootNodes_.end());
}

void Document::freeRootChild(xmlNode* node)
{
    // The indentation that led to the element goes with it, so that removals leave no blank lines.
    xmlNode* lead = node->prev;
    if (IsWhitespaceText(lead)) {
        xmlUnlinkNode(lead);
        xmlFreeNode(lead);
    }
    xmlUnlinkNode(node);
    xmlFreeNode(node);
}

}  // namespace orvanel
