#include "store/guarded_parse.h"

#include "store/data_file.h"
#include "store/encoding_probe.h"
#include "store/errors.h"
#include "store/markup_scan.h"
#include "store/parse_refusal.h"
#include "store/xml_node.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <utility>

#include <libxml/parserInternals.h>

namespace orvanel {

namespace {

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

struct ParserDeleter {
    void operator()(xmlParserCtxt* ctxt) const { xmlFreeParserCtxt(ctxt); }
};

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
    ParseObserver* observer = nullptr;  // told before each piece, and may stop the feed
    bool stopped = false;
};

int FeedBytes(void* context, char* buffer, int len)
{
    auto* feed = static_cast<BytesFeed*>(context);
    // A stop must not unwind through libxml2's frames, nor may the parser be halted from inside
    // its own read, which would free the buffer being filled: the parser is given no more bytes,
    // ends at what it holds, and the parse reports the stop once libxml2 has returned.
    if (!feed->stopped && feed->observer)
        feed->stopped = !feed->observer->goOn(feed->done, feed->done + feed->left);
    if (feed->stopped)
        return 0;
    const qsizetype n = std::min<qsizetype>(len, feed->left);
    std::memcpy(buffer, feed->data, static_cast<size_t>(n));
    feed->data += n;
    feed->left -= n;
    feed->done += n;
    return static_cast<int>(n);
}

[[noreturn]] void RefuseOutOfMemory()
{
    throw Refused(
        QT_TRANSLATE_NOOP("orvanel::Store", "Invalid data file content (out of memory)!"));
}

}  // namespace

FileHead FileHeadOf(const QByteArray& bytes, ByteForm byteForm)
{
    FileHead head;
    head.declared = DeclaredEncoding(bytes, byteForm);
    FileForm& form = head.form;
    form.utf8Bom = bytes.startsWith("\xEF\xBB\xBF");
    form.hasDeclaration = OpensWithDeclaration(bytes, byteForm);
    form.utf16 = byteForm != ByteForm::AsciiCompatible;
    form.utf16BigEndian = byteForm == ByteForm::Utf16BigEndian;
    if (form.hasDeclaration && !form.utf16) {
        const qsizetype start = form.utf8Bom ? 3 : 0;
        const qsizetype end = bytes.indexOf("?>", start);
        if (end > 0)
            head.prolog = bytes.mid(start, end + 2 - start);
    }
    const qsizetype firstLf = bytes.indexOf('\n');
    head.crlfLines = firstLf > 0 && bytes[firstLf - 1] == '\r';
    return head;
}

GuardedParse RunGuardedParse(const QByteArray& bytes, ParseObserver* observer,
                             const ParseHandlers& handlers)
{
    const ByteForm byteForm = ByteFormOf(bytes);
    if (!handlers.refusedBefore)
        RefuseBeforeParsing(bytes, byteForm);
    // All that is taken from the bytes themselves is taken now: once the parser has read a part
    // of them, the caller may let it go.
    FileHead head = FileHeadOf(bytes, byteForm);
    GuardedParse parsed;
    parsed.declared = head.declared;
    if (observer)
        observer->parseStarting(parsed.declared);
    FileForm& form = parsed.form;
    form = head.form;
    const QByteArray prolog = std::move(head.prolog);
    const bool crlfLines = head.crlfLines;

    std::unique_ptr<xmlParserCtxt, ParserDeleter> ctxt(xmlNewParserCtxt());
    if (!ctxt)
        RefuseOutOfMemory();
    // No network, no external DTD, no entity substitution, no entity declarations: a file can
    // make the program read nothing but itself. Whitespace is kept so that the file is written
    // back as it was. With entities Refused, the parser's size limits only refuse texts the
    // program writes itself (over 10 MB), so they are lifted.
    const int options = XML_PARSE_NONET | XML_PARSE_HUGE;
    ParseWatch watch;
    GuardParser(ctxt.get(), watch);
    if (handlers.configure)
        handlers.configure(ctxt.get(), watch);
    BytesFeed feed{bytes.constData(), bytes.size(), 0, observer};
    xmlParserInputBufferPtr input =
        xmlParserInputBufferCreateIO(FeedBytes, CloseNothing, &feed, XML_CHAR_ENCODING_NONE);
    xmlParserInputPtr stream =
        input ? xmlNewIOInputStream(ctxt.get(), input, XML_CHAR_ENCODING_NONE) : nullptr;
    if (stream == nullptr) {
        xmlFreeParserInputBuffer(input);
        RefuseOutOfMemory();
    }
    inputPush(ctxt.get(), stream);
    xmlCtxtUseOptions(ctxt.get(), options);
    // Declared after the document, so that the observer hears of the end before it is freed.
    ParseEnd ending(observer);
    // The parse keeps the document whatever it finds, where libxml2's own read functions would
    // free a malformed one at once: an observer may still be reading its records.
    xmlParseDocument(ctxt.get());
    parsed.doc.reset(std::exchange(ctxt->myDoc, nullptr));
    ending.now();
    if (feed.stopped)
        throw ParseStopped();
    RefuseWhereGuardsStopped(watch);
    const xmlDoc* doc = parsed.doc.get();
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
    if (!handlers.hasRoot(doc))
        throw Refused(
            QT_TRANSLATE_NOOP("orvanel::Store", "Invalid data file content (no root element)!"));
    const QByteArray encoding = doc->encoding ? QByteArray(AsChars(doc->encoding)) : QByteArray();
    if (!encoding.isEmpty() && encoding.compare(parsed.declared, Qt::CaseInsensitive) != 0 &&
        !FormWrittenIn(encoding.constData())) {
        // Better refused now than after the user's work: a save would write an unreadable file.
        throw EncodingRefused(encoding);
    }
    const bool singleByteForm =
        !form.utf16 && IsAsciiCompatible(doc->encoding ? AsChars(doc->encoding) : nullptr);
    // The declaration is written back exactly as the user's file had it.
    if (form.hasDeclaration && singleByteForm)
        parsed.prolog = prolog;
    form.crlf = crlfLines && singleByteForm;
    parsed.rootChildren = std::move(watch.rootChildren);
    return parsed;
}

}  // namespace orvanel
