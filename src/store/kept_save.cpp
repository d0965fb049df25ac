#include "store/kept_save.h"

#include "store/markup_scan.h"
#include "store/record_spans.h"

#include <QString>
#include <stdexcept>

namespace orvanel {

namespace {

// The file's text as characters that each stand for one unit of it: a byte of an
// ASCII-compatible form as the Latin-1 character of the same code, so that converting back gives
// every byte as it was, or a UTF-16 unit as itself.
class UnitText {
public:
    UnitText(QByteArrayView bytes, ByteForm form) : form_(form)
    {
        if (form_ == ByteForm::AsciiCompatible) {
            text_ = QString::fromLatin1(bytes);
            return;
        }
        text_.resize(bytes.size() / 2);
        for (qsizetype i = 0; i < text_.size(); ++i) {
            const auto a = static_cast<unsigned char>(bytes[2 * i]);
            const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
            text_[i] = QChar(form_ == ByteForm::Utf16BigEndian ? (a << 8 | b) : (b << 8 | a));
        }
    }

    QString& text() { return text_; }

    QByteArray bytes() const { return Encoded(text_, form_); }

    // ASCII text in the file's form.
    static QByteArray Encoded(const QString& text, ByteForm form)
    {
        if (form == ByteForm::AsciiCompatible)
            return text.toLatin1();
        QByteArray out;
        out.reserve(text.size() * 2);
        for (const QChar c : text) {
            const char high = static_cast<char>(c.unicode() >> 8);
            const char low = static_cast<char>(c.unicode() & 0xFF);
            if (form == ByteForm::Utf16BigEndian)
                out.append(high).append(low);
            else
                out.append(low).append(high);
        }
        return out;
    }

private:
    ByteForm form_;
    QString text_;
};

bool IsXmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Sets an attribute of a start tag held as unit text: its value is replaced between its quotes,
// or the attribute is added before the tag's end.
void SetAttribute(QString& tag, const QString& name, const QString& value)
{
    qsizetype at = 0;
    while ((at = tag.indexOf(name, at)) > 0) {
        const qsizetype after = at + name.size();
        if (!IsXmlSpace(tag[at - 1])) {
            at = after;
            continue;
        }
        qsizetype i = after;
        while (i < tag.size() && IsXmlSpace(tag[i]))
            ++i;
        if (i >= tag.size() || tag[i] != u'=') {
            at = after;
            continue;
        }
        ++i;
        while (i < tag.size() && IsXmlSpace(tag[i]))
            ++i;
        if (i >= tag.size() || (tag[i] != u'"' && tag[i] != u'\'')) {
            at = after;
            continue;
        }
        const qsizetype end = tag.indexOf(tag[i], i + 1);
        if (end < 0)
            break;
        tag.replace(i + 1, end - i - 1, value);
        return;
    }
    const qsizetype close = tag.endsWith(QStringLiteral("/>")) ? tag.size() - 2 : tag.size() - 1;
    tag.insert(close, u' ' + name + QStringLiteral("=\"") + value + u'"');
}

// The start of the indentation on the line of a record that begins at `begin`: where the line
// begins when only spaces and tabs stand before the record on it, its line end included, else
// the record's own start.
qsizetype IndentationStart(const QString& units, qsizetype begin)
{
    qsizetype i = begin;
    while (i > 0 && (units[i - 1] == u' ' || units[i - 1] == u'\t'))
        --i;
    if (i > 0 && units[i - 1] == u'\n') {
        --i;
        if (i > 0 && units[i - 1] == u'\r')
            --i;
        return i;
    }
    return begin;
}

}  // namespace

void WriteKeptFile(const KeptRegister& kept, const KeptChanges& changes, const ByteSink& out)
{
    const QByteArray& bytes = kept.bytes;
    const RecordTable& table = kept.table;
    const ByteForm form = ByteFormOf(bytes);
    const qsizetype width = form == ByteForm::AsciiCompatible ? 1 : 2;
    const RecordSpan root = FindRootStartTag(bytes, form);
    if (root.end <= root.begin)
        throw std::logic_error("a kept register has a root");
    qint64 copied = 0;  // every byte before this one is written
    const auto copyTo = [&](qint64 end) {
        if (end > copied)
            out(QByteArrayView(bytes.constData() + copied, end - copied));
        copied = std::max(copied, end);
    };

    copyTo(root.begin);
    UnitText rootTag(QByteArrayView(bytes.constData() + root.begin, root.end - root.begin), form);
    for (const auto& [name, value] : changes.rootAttributes)
        SetAttribute(rootTag.text(), QString::fromLatin1(name), QString::fromLatin1(value));
    // A root written empty, <Register .../>, is opened for the records added to it, and closed
    // after them on a line of its own.
    QString rootEnd;
    QString& tag = rootTag.text();
    if (!changes.appended.empty() && tag.endsWith(QStringLiteral("/>"))) {
        tag.replace(tag.size() - 2, 2, QStringLiteral(">"));
        qsizetype nameEnd = 1;
        while (nameEnd < tag.size() && !IsXmlSpace(tag[nameEnd]) && tag[nameEnd] != u'>')
            ++nameEnd;
        rootEnd = (kept.form.crlf ? QStringLiteral("\r\n</") : QStringLiteral("\n</")) +
                  tag.mid(1, nameEnd - 1) + u'>';
    }
    out(rootTag.bytes());
    copied = root.end;

    for (const auto& [record, text] : changes.records) {
        if (record < 0 || record >= table.fileRecordCount())
            throw std::logic_error("no such record");
        const RecordSpan span = table.spanOf(record);
        if (!text.isEmpty()) {
            copyTo(span.begin);
            out(text);
        } else {
            // The record's line goes with it: the indentation before it and the line end before
            // that, read from the bytes between the last write and the record.
            const qint64 from = std::max(copied, root.end);
            UnitText before(QByteArrayView(bytes.constData() + from, span.begin - from), form);
            copyTo(from + IndentationStart(before.text(), before.text().size()) * width);
        }
        copied = span.end;
    }

    if (!changes.appended.empty()) {
        // After the last record, or right after the root's start tag when it holds none.
        QString lineStart = QStringLiteral("\n ");
        qint64 at = root.end;
        if (table.fileRecordCount() > 0) {
            const RecordSpan last = table.spanOf(table.fileRecordCount() - 1);
            const qint64 from = std::max<qint64>(root.end, last.begin - 256 * width);
            UnitText before(QByteArrayView(bytes.constData() + from, last.begin - from), form);
            const qsizetype indent = IndentationStart(before.text(), before.text().size());
            if (indent < before.text().size())
                lineStart = before.text().mid(indent);
            at = last.end;
        } else if (kept.form.crlf) {
            lineStart = QStringLiteral("\r\n ");
        }
        copyTo(at);
        const QByteArray lineBytes = UnitText::Encoded(lineStart, form);
        for (const QByteArray& record : changes.appended) {
            out(lineBytes);
            out(record);
        }
        if (!rootEnd.isEmpty())
            out(UnitText::Encoded(rootEnd, form));
    }
    copyTo(bytes.size());
}

}  // namespace orvanel
