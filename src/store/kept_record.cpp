#include "store/kept_record.h"

#include "store/markup_scan.h"
#include "store/record_spans.h"

#include <stdexcept>

namespace orvanel {

namespace {

// ASCII text in the units of the file's form.
QByteArray InUnits(QByteArrayView ascii, ByteForm form)
{
    if (form == ByteForm::AsciiCompatible)
        return ascii.toByteArray();
    QByteArray out;
    for (const char c : ascii) {
        if (form == ByteForm::Utf16BigEndian)
            out.append('\0').append(c);
        else
            out.append(c).append('\0');
    }
    return out;
}

// The root's qualified name from its start tag, in ASCII units of the file's form read back as
// bytes: names of a register's root are ASCII.
QByteArray RootName(QByteArrayView tag, ByteForm form)
{
    const qsizetype width = form == ByteForm::AsciiCompatible ? 1 : 2;
    const qsizetype low = form == ByteForm::Utf16BigEndian ? 1 : 0;
    QByteArray name;
    for (qsizetype i = width; i + width <= tag.size(); i += width) {
        const char c = tag[i + low];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '/' || c == '>')
            break;
        name.append(c);
    }
    return name;
}

}  // namespace

bool WritesLongEmptyElements(QByteArrayView record, ByteForm form)
{
    const QByteArray longForm = InUnits("></", form);
    const QByteArray shortForm = InUnits("/>", form);
    qsizetype longs = 0;
    qsizetype shorts = 0;
    for (qsizetype at = 0; (at = record.indexOf(longForm, at)) >= 0; at += longForm.size())
        ++longs;
    for (qsizetype at = 0; (at = record.indexOf(shortForm, at)) >= 0; at += shortForm.size())
        ++shorts;
    return longs > shorts;
}

Document ParseInFileContext(const KeptRegister& kept, QByteArrayView records)
{
    const QByteArray& bytes = kept.bytes;
    const ByteForm form = ByteFormOf(bytes);
    const RecordSpan root = FindRootStartTag(bytes, form);
    if (root.end <= root.begin)
        throw std::logic_error("a kept register has a root");
    // The file up to the root's start tag, the records, and the root's end: the records are read
    // as the whole file's parse read them, under the same declaration, DTD and namespaces.
    QByteArray alone = bytes.left(root.end);
    // A root written empty, <Register .../>, is opened to hold the records.
    const QByteArray emptyEnd = InUnits("/>", form);
    if (alone.endsWith(emptyEnd))
        alone.replace(alone.size() - emptyEnd.size(), emptyEnd.size(), InUnits(">", form));
    alone.append(records);
    alone.append(InUnits("</" + RootName(QByteArrayView(bytes).sliced(root.begin, root.end - root.begin), form) + ">", form));
    return Document::parse(alone);
}

KeptRecord::KeptRecord(const KeptRegister& kept, int record)
    : KeptRecord(kept, FileBytesOf(kept, record))
{
}

KeptRecord::KeptRecord(const KeptRegister& kept, QByteArrayView recordBytes)
    : doc_(ParseInFileContext(kept, recordBytes)),
      longEmptyElements_(WritesLongEmptyElements(recordBytes, ByteFormOf(kept.bytes)))
{
    if (doc_.rootCount() != 1)
        throw std::logic_error("a record is one element");
}

}  // namespace orvanel
