#include "store/document.h"
#include "store/errors.h"
#include "store/xml_node.h"

#include <QCoreApplication>

#include <libxml/tree.h>
#include <libxml/xmlsave.h>

namespace orvanel {

namespace {

int AppendTo(void* context, const char* buffer, int len)
{
    static_cast<QByteArray*>(context)->append(buffer, len);
    return len;
}

}  // namespace

QByteArray Document::elementBytes(int rootIndex, bool longEmptyElements) const
{
    xmlNode* node = rootNodes_.at(static_cast<size_t>(rootIndex));
    // UTF-16 is named with its byte order, so that libxml2 writes no byte-order mark before an
    // element in the middle of a file.
    const char* encoding = form_.utf16 ? (form_.utf16BigEndian ? "UTF-16BE" : "UTF-16LE")
                           : doc_->encoding ? AsChars(doc_->encoding)
                                            : nullptr;
    QByteArray bytes;
    xmlSaveCtxtPtr save = xmlSaveToIO(AppendTo, CloseNothing, &bytes, encoding,
                                      longEmptyElements ? XML_SAVE_NO_EMPTY : 0);
    if (save == nullptr)
        throw IoError(QCoreApplication::translate("orvanel::Store",
                                                  "Cannot write the register in encoding %1")
                          .arg(QString::fromUtf8(encoding)));
    const long written = xmlSaveTree(save, node);
    const int closed = xmlSaveClose(save);
    if (written < 0 || closed < 0)
        throw IoError(QCoreApplication::translate("orvanel::Store",
                                                  "Cannot write the register in encoding %1")
                          .arg(QString::fromUtf8(encoding ? encoding : "UTF-8")));
    if (form_.crlf)
        bytes.replace("\n", "\r\n");
    return bytes;
}

}  // namespace orvanel
