#include "store/parse_refusal.h"

#include "store/encoding_probe.h"
#include "store/quoted_text.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <optional>

namespace orvanel {

LoadRefused Refused(const char* text)
{
    return LoadRefused(QCoreApplication::translate("orvanel::Store", text));
}

LoadRefused EncodingRefused(const QByteArray& encoding)
{
    //: %1 is the name of an encoding, such as ISO-8859-1.
    return LoadRefused(QCoreApplication::translate(
                           "orvanel::Store",
                           "Invalid data file content (the encoding %1 cannot be written back)!")
                           .arg(QuotedInMessage(QString::fromLatin1(encoding))));
}

void RefuseBeforeParsing(const QByteArray& bytes, ByteForm form)
{
    if (form == ByteForm::Other)
        throw Refused(QT_TRANSLATE_NOOP(
            "orvanel::Store",
            "Invalid data file content (the encoding of the file cannot be written back)!"));
    const QByteArray declared = DeclaredEncoding(bytes, form);
    const bool utf16 = form != ByteForm::AsciiCompatible;
    if (!declared.isEmpty()) {
        const std::optional<ByteForm> written = FormWrittenIn(declared.constData());
        if (!written)
            throw EncodingRefused(declared);
        // The scan below reads the file in its own form: the declaration must not switch the
        // parser to bytes of another layout.
        if (utf16 != (*written != ByteForm::AsciiCompatible))
            //: %1 is the name of an encoding, such as UTF-16.
            throw LoadRefused(QCoreApplication::translate("orvanel::Store",
                                                          "Invalid data file content (the file is "
                                                          "not in the encoding %1 it declares)!")
                                  .arg(QuotedInMessage(QString::fromLatin1(declared))));
    }
    QString problem;
    if (utf16) {
        QStringDecoder decode(form == ByteForm::Utf16BigEndian ? QStringConverter::Utf16BE
                                                               : QStringConverter::Utf16LE);
        problem = MarkupProblem(QString(decode(bytes)).toUtf8());
    } else {
        problem = MarkupProblem(bytes);
    }
    if (!problem.isEmpty())
        throw LoadRefused(problem);
}

}  // namespace orvanel
