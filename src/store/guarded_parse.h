#pragma once

// One guarded run of libxml2's parser over the bytes of a data file, shared by the two ways the
// store reads a file: into a whole document, and into its table of records. Only the store's
// sources include this header: it brings libxml2's types with it.

#include "store/document.h"
#include "store/markup_scan.h"
#include "store/parser_guards.h"

#include <QByteArray>
#include <functional>
#include <memory>
#include <vector>

#include <libxml/parser.h>
#include <libxml/tree.h>

namespace orvanel {


struct XmlDocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

// What a parse the file's checks accepted gives back.
struct GuardedParse {
    // Whatever the handlers built: the whole tree, or only the DTD when the handlers keep the
    // elements to themselves.
    std::unique_ptr<xmlDoc, XmlDocDeleter> doc;
    FileForm form;        // how the file was written, for a save in the same form
    QByteArray prolog;    // the file's own XML declaration, kept when it can be written back
    QByteArray declared;  // the encoding the declaration names, empty when none
    std::vector<xmlNode*> rootChildren;  // as the handlers noted them in the watch
};

// What the bytes of a data file tell of its form before anything parses them.
struct FileHead {
    FileForm form;  // all but crlf, which also depends on the encoding the file is read in
    QByteArray prolog;  // the declaration as written, when an ASCII-compatible file opens with one
    QByteArray declared;  // the encoding the declaration names, empty when none
    bool crlfLines = false;  // the first line ends with CR LF
};

FileHead FileHeadOf(const QByteArray& bytes, ByteForm byteForm);

// The handlers a parse runs with. `configure` is called once the guards are set and may replace
// any handler except the guards' own; the guards hand an accepted start tag, processing
// instruction or reference on to `watch.startElement`, `watch.processingInstruction` and
// `watch.reference`. `hasRoot` says, once the parse is over, whether a root element was read.
struct ParseHandlers {
    std::function<void(xmlParserCtxt*, ParseWatch&)> configure;
    std::function<bool(const xmlDoc*)> hasRoot;
    // The caller has already refused what RefuseBeforeParsing refuses, and the scan need not run
    // again.
    bool refusedBefore = false;
};

// Refuses what the store never parses, feeds the bytes to the parser a piece at a time under
// the guards (telling `observer` before each piece), and refuses the file with the first reason in the order a user is
// told: a stop (ParseStopped), a guard's limit, a fault of the markup, a declared entity, no
// root, an encoding the program could not write back.
GuardedParse RunGuardedParse(const QByteArray& bytes, ParseObserver* observer,
                             const ParseHandlers& handlers);

}  // namespace orvanel
