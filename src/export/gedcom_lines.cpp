#include "export/gedcom_lines.h"

#include <QRegularExpression>
#include <QStringList>

namespace orvanel {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr int kLineEndSize = 2;

bool IsContinuation(char octet)
{
    return (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
}

// Whether a CONC may start at `cut`: on the first octet of a character, and not between the two
// '@' of a doubled one (an odd run of '@' before the cut). `spaced` also refuses a cut next to a
// space.
bool CanCut(const QByteArray& value, qsizetype start, qsizetype cut, bool spaced)
{
    if (IsContinuation(value[cut]))
        return false;
    qsizetype ats = 0;
    for (qsizetype i = cut - 1; i >= start && value[i] == '@'; --i)
        ++ats;
    if (ats % 2 != 0)
        return false;
    return !spaced || (value[cut - 1] != ' ' && value[cut] != ' ');
}

// The end of the piece that starts at `start` and fits in `room` octets: between two non-spaces
// where there is such a place, else at the last place that keeps characters whole.
qsizetype CutWithin(const QByteArray& value, qsizetype start, qsizetype room)
{
    for (const bool spaced : {true, false}) {
        for (qsizetype cut = start + room; cut > start; --cut) {
            if (CanCut(value, start, cut, spaced))
                return cut;
        }
    }
    return start + room;  // not reached: room holds more than one character
}

QStringList LinesOf(const QString& value)
{
    static const QRegularExpression kBreak(QStringLiteral("\r\n|\r|\n"));
    return value.split(kBreak);
}

}  // namespace

QByteArray GedcomLines::escaped(const QString& line) const
{
    QByteArray bytes = line.toUtf8();
    if (version_ == GedcomVersion::V551)
        bytes.replace("@", "@@");
    else if (bytes.startsWith('@'))
        bytes.prepend('@');
    return bytes;
}

void GedcomLines::physical(const QByteArray& start, const QByteArray& value)
{
    out_ += start;
    if (!value.isEmpty()) {
        out_ += ' ';
        out_ += value;
    }
    out_ += kLineEnd;
}

void GedcomLines::record(const QString& xref, const char* tag)
{
    out_ += "0 @" + xref.toUtf8() + "@ " + tag + kLineEnd;
}

void GedcomLines::pointer(int level, const char* tag, const QString& xref)
{
    physical(QByteArray::number(level) + ' ' + tag, '@' + xref.toUtf8() + '@');
}

void GedcomLines::add(int level, const char* tag, const QString& value)
{
    const QByteArray next = QByteArray::number(level + 1);
    const QStringList lines = LinesOf(value);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QByteArray start = n == 0 ? QByteArray::number(level) + ' ' + tag : next + " CONT";
        const QByteArray text = escaped(lines[n]);
        if (version_ == GedcomVersion::V70) {
            physical(start, text);
            continue;
        }
        qsizetype from = 0;
        for (;;) {
            const qsizetype room = kGedcomMaxLine - start.size() - 1 - kLineEndSize;
            if (text.size() - from <= room) {
                physical(start, text.mid(from));
                break;
            }
            const qsizetype cut = CutWithin(text, from, room);
            physical(start, text.mid(from, cut - from));
            from = cut;
            start = next + " CONC";
        }
    }
}

}  // namespace orvanel
