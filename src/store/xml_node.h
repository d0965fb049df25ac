#pragma once

// The small conversions and look-ups over libxml2's nodes that the document's own sources share.
// Only the store's sources include this header: it brings libxml2's types with it, which the
// document keeps to itself.

#include <QByteArray>
#include <QByteArrayView>
#include <cstring>
#include <libxml/tree.h>

namespace orvanel {

inline const xmlChar* AsXml(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

inline const char* AsChars(const xmlChar* text)
{
    return reinterpret_cast<const char*>(text);
}

// The name after any namespace prefix; a prefix libxml2 could not bind stays in node->name.
inline const char* LocalNameOf(const xmlNode* node)
{
    const char* name = AsChars(node->name);
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

// The register's attributes are the plain ones: an attribute of the same name in a namespace
// (a:ID) is another attribute, never read or written in place of it.
inline xmlAttr* PlainAttribute(const xmlNode* node, const char* name)
{
    xmlAttr* attr = xmlHasNsProp(node, AsXml(name), nullptr);
    return attr && attr->type == XML_ATTRIBUTE_NODE ? attr : nullptr;
}

// An attribute's text in UTF-8: the usual single text node viewed as it is, anything else joined
// into `joined`.
inline QByteArrayView AttributeUtf8(const xmlAttr* attr, QByteArray& joined)
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

// For libxml2's input and output callbacks: the bytes they read or write belong to the caller.
inline int CloseNothing(void*)
{
    return 0;
}

}  // namespace orvanel
