#include "store/document.h"

#include "store/errors.h"
#include "store/file_form_filter.h"
#include "store/xml_node.h"

#include <QCoreApplication>
#include <exception>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

namespace orvanel {

namespace {

IoError CannotWriteIn(const char* encoding)
{
    //: %1 is the name of an encoding, such as ISO-8859-1.
    return IoError(QCoreApplication::translate("orvanel::Store",
                                               "Cannot write the register in encoding %1")
                       .arg(QString::fromUtf8(encoding)));
}

// libxml2's output callback. What the sink throws must not cross libxml2's C frames: it is kept
// here and thrown again once libxml2 has given up the write and freed what it holds.
struct Output {
    const ByteSink& sink;
    std::exception_ptr failure;
};

int WriteToSink(void* context, const char* buffer, int len)
{
    auto* out = static_cast<Output*>(context);
    if (out->failure)
        return -1;
    try {
        out->sink(QByteArrayView(buffer, len));
    } catch (...) {
        out->failure = std::current_exception();
        return -1;
    }
    return len;
}

void IgnoreMessage(void*, const char*, ...) {}

// libxml2 also prints a failed write on the standard error; the save reports it to the user, in
// words of its own, so libxml2 keeps quiet while it writes.
class QuietOutputErrors {
public:
    QuietOutputErrors() : handler_(xmlGenericError), context_(xmlGenericErrorContext)
    {
        xmlSetGenericErrorFunc(nullptr, IgnoreMessage);
    }
    ~QuietOutputErrors() { xmlSetGenericErrorFunc(context_, handler_); }
    QuietOutputErrors(const QuietOutputErrors&) = delete;
    QuietOutputErrors& operator=(const QuietOutputErrors&) = delete;

private:
    xmlGenericErrorFunc handler_;
    void* context_;
};

}  // namespace

void Document::writeUnformed(const ByteSink& sink) const
{
    const char* encoding = doc_->encoding ? AsChars(doc_->encoding)
                           : form_.utf16  ? "UTF-16"
                                          : "UTF-8";
    const int options = form_.hasDeclaration ? 0 : XML_SAVE_NO_DECL;
    Output out{sink, nullptr};
    const QuietOutputErrors quiet;
    xmlSaveCtxtPtr save = xmlSaveToIO(WriteToSink, CloseNothing, &out, encoding, options);
    if (save == nullptr)
        throw CannotWriteIn(encoding);
    const long written = xmlSaveDoc(save, doc_);
    const int closed = xmlSaveClose(save);
    if (out.failure)
        std::rethrow_exception(out.failure);
    if (written < 0 || closed < 0)
        throw CannotWriteIn(encoding);
}

void Document::write(const ByteSink& out) const
{
    FileFormFilter filter(form_, prolog_, out);
    writeUnformed([&filter](QByteArrayView piece) { filter.write(piece); });
    filter.finish();
}

QByteArray Document::serialize() const
{
    QByteArray bytes;
    bytes.reserve(sizeHint_);
    write([&bytes](QByteArrayView piece) { bytes.append(piece); });
    return bytes;
}

}  // namespace orvanel
