#pragma once

#include "store/markup_scan.h"

#include <QByteArrayView>
#include <QtGlobal>
#include <vector>

namespace orvanel {

// Where a child element of the root lies in the file: from its '<' to just after the '>' that
// ends it (its end tag, or its own "/>"), as offsets into the file's bytes.
struct RecordSpan {
    qint64 begin = 0;
    qint64 end = 0;
};

// The spans of every child element of the root, in document order, for the bytes of a data file
// that the parser has already accepted as well-formed (so it may trust the markup). The offsets
// are the file's own, in its own encoding: libxml2 reports positions in the UTF-8 it converted
// to, which are no offsets into a file in any other encoding.
// Bytes that are not well-formed never make it read outside them; their spans mean nothing.
// ByteForm::Other has no spans: no such file is ever accepted.
std::vector<RecordSpan> FindRecordSpans(QByteArrayView bytes, ByteForm form);

// The root's start tag, from its '<' to just past its '>', in the same bytes; an empty span
// when there is none.
RecordSpan FindRootStartTag(QByteArrayView bytes, ByteForm form);

}  // namespace orvanel
