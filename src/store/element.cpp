#include "store/document.h"

#include "store/errors.h"
#include "store/record_names.h"
#include "store/storable_text.h"
#include "store/xml_node.h"

#include <cstdint>
#include <cstring>
#include <libxml/tree.h>

namespace orvanel {

namespace {

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

}  // namespace

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

std::optional<QByteArrayView> Element::attributeUtf8(const char* name, QByteArray& scratch) const
{
    const xmlAttr* attr = PlainAttribute(node_, name);
    if (attr == nullptr)
        return std::nullopt;
    return AttributeUtf8(attr, scratch);
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
    xmlSetNsProp(node_, nullptr, AsXml(name), AsXml(StorableUtf8(value).data()));
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
    const StorableUtf8 utf8(text);
    // A text node's content is taken literally; it is escaped on save, never parsed.
    xmlAddChild(node_, xmlNewDocTextLen(node_->doc, AsXml(utf8.data()), static_cast<int>(utf8.size())));
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

}  // namespace orvanel
