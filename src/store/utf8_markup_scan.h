#pragma once

// A strict scan of a register file in UTF-8 that hands its elements, attributes and texts on as
// the parser would, without the parser: libxml2's own tokenizing was three fifths of a start on
// the kept bytes. It reads only the plain markup registers are written in and gives up at
// anything else (a document type, namespaces, entities other than the five predefined ones,
// invalid UTF-8 or characters, a lone CR, a name outside a plain ASCII set, a construct that is
// malformed or merely unusual, anything near a limit of the parser's guards), so that the parser
// reads that file instead and refuses or accepts it in its own words. It never accepts what the
// parser refuses, and where it reads a file it hands on what the parser would.

#include "store/record_spans.h"

#include <QByteArrayView>
#include <QtGlobal>
#include <span>
#include <vector>

namespace orvanel {

// An attribute of a start tag as a document gives it: references decoded, each whitespace
// character a space.
struct ScannedAttribute {
    const char* name;  // NUL-terminated; one copy per distinct name for the whole scan
    QByteArrayView value;
};

// What the scan hands on, in document order.
class MarkupSink {
public:
    virtual ~MarkupSink() = default;
    // `name` is one NUL-terminated copy per distinct name for the whole scan, so that a sink
    // may know a name again by its address. The attributes live until the call returns.
    virtual void elementStarted(const char* name, std::span<const ScannedAttribute> attributes) = 0;
    virtual void elementEnded() = 0;
    // A piece of the text inside the root: a run of characters, a decoded reference or the
    // content of a CDATA section, with line ends as LF. An element's text is its pieces joined.
    virtual void textRead(QByteArrayView utf8) = 0;
    // Told how far the scan has come now and then; false stops it.
    virtual bool goOn(qint64 done, qint64 total) noexcept = 0;
};

enum class ScanEnd { Read, GaveUp, Stopped };

struct Utf8Scan {
    ScanEnd end = ScanEnd::GaveUp;
    // Once read: where each child of the root lies, as FindRecordSpans finds them.
    std::vector<RecordSpan> spans;
};

// Scans the bytes of a file in UTF-8 (with or without a byte-order mark, declared as UTF-8 or
// declaring no encoding) and hands what it reads to `sink`. When it gives up, the sink has been
// handed part of the file and must be thrown away.
Utf8Scan ScanUtf8Markup(QByteArrayView bytes, MarkupSink& sink);

}  // namespace orvanel
