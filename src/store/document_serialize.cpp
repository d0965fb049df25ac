#include "store/document.h"

#include "store/errors.h"
#include "store/xml_node.h"

#include <QBuffer>
#include <QCoreApplication>
#include <utility>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>
#include <sys/mman.h>
#include <unistd.h>

namespace orvanel {

namespace {

IoError CannotWriteIn(const char* encoding)
{
    //: %1 is the name of an encoding, such as ISO-8859-1.
    return IoError(QCoreApplication::translate("orvanel::Store",
                                               "Cannot write the register in encoding %1")
                       .arg(QString::fromUtf8(encoding)));
}

// Room for `size` bytes in `bytes`, its pages put in place by one call rather than one fault
// each as the document is written into them: a tenth of a second of every save of a register of
// 100k persons. Where the system cannot, the pages come as they are written.
void ReserveWritable(QByteArray& bytes, qsizetype size)
{
    bytes.reserve(size);
    const auto page = static_cast<quintptr>(::sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<quintptr>(bytes.data()) + page - 1) / page * page;
    const auto end = reinterpret_cast<quintptr>(bytes.data() + bytes.capacity()) / page * page;
#ifdef MADV_POPULATE_WRITE
    if (end > start)
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
#endif
}

int WriteToDevice(void* context, const char* buffer, int len)
{
    auto* out = static_cast<QIODevice*>(context);
    return out->write(buffer, len) == len ? len : -1;
}

}  // namespace

QByteArray Document::serialize() const
{
    const char* encoding = doc_->encoding ? AsChars(doc_->encoding)
                           : form_.utf16  ? "UTF-16"
                                          : "UTF-8";
    const int options = form_.hasDeclaration ? 0 : XML_SAVE_NO_DECL;
    QByteArray bytes;
    ReserveWritable(bytes, sizeHint_ + sizeHint_ / 8);
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        xmlSaveCtxtPtr save =
            xmlSaveToIO(WriteToDevice, CloseNothing, &buffer, encoding, options);
        if (save == nullptr)
            throw IoError(CannotWriteIn(encoding));
        const long written = xmlSaveDoc(save, doc_);
        const int closed = xmlSaveClose(save);
        if (written < 0 || closed < 0)
            throw IoError(CannotWriteIn(encoding));
    }
    if (form_.utf16BigEndian && bytes.startsWith("\xFF\xFE")) {
        // libxml2 writes UTF-16 little-endian; a big-endian file stays big-endian.
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
    }
    if (form_.crlf)
        bytes.replace("\n", "\r\n");
    // After the line ends: the file's own declaration goes back byte for byte, its line ends too.
    if (!prolog_.isEmpty() && bytes.startsWith("<?xml")) {
        const qsizetype end = bytes.indexOf("?>");
        if (end > 0)
            bytes.replace(0, end + 2, prolog_);
    }
    if (form_.utf8Bom && !bytes.startsWith("\xEF\xBB\xBF"))
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

}  // namespace orvanel
