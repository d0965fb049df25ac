#pragma once

#include "store/errors.h"
#include "store/markup_scan.h"

#include <QByteArray>

namespace orvanel {

// A load refused with one of the store's fixed messages, given untranslated.
LoadRefused Refused(const char* text);
// A load refused for an encoding a save could not write back.
LoadRefused EncodingRefused(const QByteArray& encoding);

// What can be told from the bytes alone, before the parser spends any time on them: a form or an
// encoding that could not be written back, entity declarations, elements with too many
// attributes. The markup scan reads UTF-16 through a decoder, other forms as they are.
void RefuseBeforeParsing(const QByteArray& bytes, ByteForm form);

}  // namespace orvanel
