#pragma once

// The guards a parse runs under: what they found is kept here as the parse goes, and turned into
// the refusal of the file once the parse is over. Only the store's sources include this header.

#include <QString>
#include <functional>
#include <vector>
#include <libxml/parser.h>

namespace orvanel {

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
    // Where the guards hand on what they let through: libxml2's own tree builders unless a
    // reader keeps the elements to itself.
    startElementNsSAX2Func startElement = nullptr;
    processingInstructionSAXFunc processingInstruction = nullptr;
    referenceSAXFunc reference = nullptr;
    // The state of a reader that keeps the elements to itself.
    void* reader = nullptr;
};

inline ParseWatch& WatchOf(void* userData)
{
    return *static_cast<ParseWatch*>(static_cast<xmlParserCtxtPtr>(userData)->_private);
}

// Sets the parser's callbacks so that it stops at the first entity declaration, at elements
// nested too deep or with too many attributes and at too many names, noting why in `watch`.
void GuardParser(xmlParserCtxt* ctxt, ParseWatch& watch);

// Throws LoadRefused naming the limit a guard stopped the parse at, if one did.
void RefuseWhereGuardsStopped(const ParseWatch& watch);

}  // namespace orvanel
