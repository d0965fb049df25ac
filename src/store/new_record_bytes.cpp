#include "store/new_record_bytes.h"

#include "store/kept_record.h"
#include "store/person_fields.h"
#include "store/record_names.h"
#include "store/record_writing.h"
#include "store/storable_text.h"


namespace orvanel {

namespace {

// The file's last record decides how empty elements are written; a file without records gets
// libxml2's short form.
bool LastRecordWritesLongEmptyElements(const KeptRegister& kept)
{
    const RecordTable& table = kept.table;
    if (table.fileRecordCount() == 0)
        return false;
    return WritesLongEmptyElements(FileBytesOf(kept, table.fileRecordCount() - 1),
                                   ByteFormOf(kept.bytes));
}

// What libxml2 writes for a character of a text node, or of an attribute's value, that it does
// not copy as it is; nullptr for one it copies.
const char* Escaped(char c, bool attribute)
{
    switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    case '\r': return "&#13;";
    case '"': return attribute ? "&quot;" : nullptr;
    case '\n': return attribute ? "&#10;" : nullptr;
    case '\t': return attribute ? "&#9;" : nullptr;
    default: return nullptr;
    }
}

}  // namespace

NewRecordBytes::NewRecordBytes(const KeptRegister& kept, Way way)
    : scratch_(ParseInFileContext(kept, {})),
      longEmptyElements_(LastRecordWritesLongEmptyElements(kept)),
      straight_(way == Way::StraightWhereItCan && scratch_.declaresUtf8()),
      lineEnd_(kept.form.crlf ? "\r\n" : "\n")
{
}

void NewRecordBytes::appendText(std::string& out, const QString& text, bool attribute) const
{
    const StorableUtf8 utf8(text);
    const char* const end = utf8.data() + utf8.size();
    const char* run = utf8.data();
    for (const char* p = run; p != end; ++p) {
        // Letters and every byte of a character past ASCII lie above the last that is escaped.
        if (static_cast<unsigned char>(*p) > '>')
            continue;
        const char* escaped = Escaped(*p, attribute);
        // A line break in a text is a line end of the file, as the whole record's are.
        if (escaped == nullptr && *p == '\n')
            escaped = lineEnd_;
        if (escaped == nullptr)
            continue;
        out.append(run, p).append(escaped);
        run = p + 1;
    }
    out.append(run, end);
}

void NewRecordBytes::appendAttribute(std::string& out, const char* name, const QString& value) const
{
    out.append(" ").append(name).append("=\"");
    appendText(out, value, true);
    out.append("\"");
}

QByteArray NewRecordBytes::throughDocument(const std::function<void(Document&)>& write)
{
    write(scratch_);
    QByteArray bytes = scratch_.elementBytes(0, longEmptyElements_);
    scratch_.removeRootChild(0);
    return bytes;
}

QByteArray NewRecordBytes::person(const PersonValue& value)
{
    if (!straight_) {
        return throughDocument([&value](Document& doc) {
            WritePersonRecord(doc.appendRootChild(kPersonElement), value);
        });
    }
    // As Document::appendTo lays children out: each on a line of its own, indented two spaces,
    // and the record's end tag on one of its own, indented one.
    std::string& out = out_;
    out.clear();
    out.append("<").append(kPersonElement);
    appendAttribute(out, kIdAttribute, value.id);
    out.append(">");
    for (const PersonFieldInfo& info : kPersonFields) {
        out.append(lineEnd_).append("  <").append(info.element);
        const QString& text = value.text(info.field);
        if (text.isEmpty() && !longEmptyElements_) {
            out.append("/>");
            continue;
        }
        out.append(">");
        appendText(out, text, false);
        out.append("</").append(info.element).append(">");
    }
    out.append(lineEnd_).append(" </").append(kPersonElement).append(">");
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

QByteArray NewRecordBytes::rel(const QString& id1, const QString& id2, const QString& dir,
                               const QString& inv)
{
    if (!straight_) {
        return throughDocument([&](Document& doc) {
            WriteRelRecord(doc.appendRootChild(kRelElement), id1, id2, dir, inv);
        });
    }
    std::string& out = out_;
    out.clear();
    out.append("<").append(kRelElement);
    appendAttribute(out, kId1Attribute, id1);
    appendAttribute(out, kId2Attribute, id2);
    appendAttribute(out, kDirAttribute, dir);
    appendAttribute(out, kInvAttribute, inv);
    if (longEmptyElements_)
        out.append("></").append(kRelElement).append(">");
    else
        out.append("/>");
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

}  // namespace orvanel
