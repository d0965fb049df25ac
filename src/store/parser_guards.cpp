#include "store/parser_guards.h"

#include "store/errors.h"
#include "store/markup_scan.h"
#include "store/quoted_text.h"

#include <QCoreApplication>
#include <libxml/SAX2.h>
#include <libxml/dict.h>
#include <libxml/entities.h>
#include <libxml/hash.h>
#include <libxml/parserInternals.h>

namespace orvanel {

namespace {

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
    WatchOf(userData).startElement(userData, localName, prefix, uri, namespaceCount, namespaces,
                                   attributeCount, defaultedCount, attributes);
}

void ProcessingInstructionWithinNames(void* userData, const xmlChar* target, const xmlChar* data)
{
    if (!TooManyNames(userData))
        WatchOf(userData).processingInstruction(userData, target, data);
}

void ReferenceWithinNames(void* userData, const xmlChar* name)
{
    if (!TooManyNames(userData))
        WatchOf(userData).reference(userData, name);
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

}  // namespace

void GuardParser(xmlParserCtxt* ctxt, ParseWatch& watch)
{
    ctxt->_private = &watch;
    watch.startElement = xmlSAX2StartElementNs;
    watch.processingInstruction = xmlSAX2ProcessingInstruction;
    watch.reference = xmlSAX2Reference;
    ctxt->sax->serror = KeepFirstFatalError;
    ctxt->sax->entityDecl = RefuseEntityDecl;
    ctxt->sax->unparsedEntityDecl = RefuseUnparsedEntityDecl;
    ctxt->sax->getEntity = PredefinedEntityOnly;
    ctxt->sax->startElementNs = StartElementWithinDepth;
    ctxt->sax->processingInstruction = ProcessingInstructionWithinNames;
    ctxt->sax->reference = ReferenceWithinNames;
    ctxt->sax->attributeDecl = AttributeDeclWithinLimits;
    ctxt->sax->elementDecl = ElementDeclWithinNames;
}

void RefuseWhereGuardsStopped(const ParseWatch& watch)
{
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
}

}  // namespace orvanel
