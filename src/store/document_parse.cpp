#include "store/document.h"

#include "store/data_file.h"
#include "store/guarded_parse.h"
#include "store/parser_guards.h"

#include <utility>

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

namespace orvanel {

namespace {

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

}  // namespace

Document Document::parse(const QByteArray& bytes, ParseObserver* observer)
{
    ParseHandlers handlers;
    handlers.configure = [observer](xmlParserCtxt* ctxt, ParseWatch& watch) {
        ctxt->sax->endElementNs = EndElementNotingRootChildren;
        if (observer) {
            watch.rootChildClosed = [observer](xmlNode* child) {
                observer->rootChildClosed(Element(child, nullptr));
            };
        }
    };
    handlers.hasRoot = [](const xmlDoc* doc) {
        return xmlDocGetRootElement(const_cast<xmlDoc*>(doc)) != nullptr;
    };
    GuardedParse parsed = RunGuardedParse(bytes, observer, handlers);
    Document result;
    result.doc_ = parsed.doc.release();
    result.form_ = parsed.form;
    result.prolog_ = std::move(parsed.prolog);
    result.rootNodes_ = std::move(parsed.rootChildren);
    result.sizeHint_ = bytes.size();
    return result;
}

}  // namespace orvanel
