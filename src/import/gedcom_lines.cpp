#include "import/gedcom_lines.h"

#include "import/gedcom_refusal.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

// Every caller marks its text with QT_TRANSLATE_NOOP, so that the translators see it.
QString Tr(const char* text)
{
    return QCoreApplication::translate("orvanel::Import", text);
}

bool IsSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The end of the line starting at `pos` (its CR or LF, or the text's end), refusing a character
// the data file cannot hold: GEDCOM allows none of them in a value either.
qsizetype LineEnd(const QString& text, qsizetype pos, int lineNumber)
{
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    for (qsizetype i = pos; i < size; ++i) {
        const char16_t u = chars[i].unicode();
        if (u >= 0x20 && u < 0xD800)
            continue;  // nearly every character: decided by one comparison
        if (u == '\n' || u == '\r')
            return i;
        bool storable = u == '\t' || (u >= 0xE000 && u != 0xFFFE && u != 0xFFFF);
        if (QChar::isHighSurrogate(u) && i + 1 < size && chars[i + 1].isLowSurrogate()) {
            ++i;
            storable = true;
        }
        if (!storable)
            //: %1 is the code of a character, such as U+0007.
            RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "text, found the character %1, which no value may hold"))
                                             .arg(QStringLiteral("U+%1").arg(u, 4, 16, QLatin1Char('0')).toUpper()));
    }
    return size;
}

// "0 HEAD", the first line of every GEDCOM file: anything else is not one.
bool IsHeadLine(QStringView line)
{
    const QStringView words = line.trimmed();
    return words.startsWith(u"0 HEAD") && (words.size() == 6 || IsSpace(words[6]));
}

}  // namespace

int GedcomLineList::child(int index, QStringView tag) const
{
    const GedcomLine& parent = (*this)[index];
    for (int c = index + 1; c < parent.end; c = (*this)[c].end) {
        if ((*this)[c].tag == tag)
            return c;
    }
    return -1;
}

GedcomLineList ReadGedcomLines(QString text, ImportProgress* progress)
{
    GedcomLineList result;
    result.text_ = std::move(text);
    const QString& t = result.text_;
    std::vector<GedcomLine>& lines = result.lines_;
    std::vector<int> open;  // indices of the lines whose subtree is still open, by level
    int lineNumber = 0;
    bool continued = false;  // the last line's value is being joined in joined_.back()
    bool trailer = false;

    auto finishJoin = [&] {
        if (continued)
            lines.back().value = QStringView(result.joined_.back());
        continued = false;
    };

    // Reserved once: a vector that doubles as it grows would need half as much again at its peak.
    // A file of CR alone is counted by those; any other, by its LF.
    qsizetype breaks = t.count(QLatin1Char('\n'));
    if (breaks == 0)
        breaks = t.count(QLatin1Char('\r'));
    lines.reserve(static_cast<std::size_t>(breaks + 1));
    qsizetype pos = t.startsWith(QChar(0xFEFF)) ? 1 : 0;
    if (pos == t.size())
        RefuseGedcomLine(1, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "\"0 HEAD\", the start of a GEDCOM file")));
    while (pos < t.size() && !trailer) {
        ++lineNumber;
        if (progress && lineNumber % 4096 == 0 && !progress->goOn(pos, 2 * t.size()))
            throw ImportStopped();
        const qsizetype end = LineEnd(t, pos, lineNumber);
        qsizetype next = end;
        if (next < t.size())
            next += t[next] == QLatin1Char('\r') && next + 1 < t.size() && t[next + 1] == QLatin1Char('\n') ? 2 : 1;
        const QStringView line = QStringView(t).sliced(pos, end - pos);
        pos = next;
        if (line.size() > kMaxGedcomValueChars + 64)
            //: %1 is a number of characters.
            RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a line of at most %1 characters")).arg(kMaxGedcomValueChars));
        if (lines.empty() && !IsHeadLine(line))
            RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "\"0 HEAD\", the start of a GEDCOM file")));

        qsizetype i = 0;
        while (i < line.size() && IsSpace(line[i]))
            ++i;
        if (i == line.size())
            continue;  // a blank line says nothing
        int level = 0;
        int digits = 0;
        while (i < line.size() && line[i].isDigit() && line[i].unicode() < 0x80 && digits < 3) {
            level = level * 10 + (line[i].unicode() - '0');
            ++digits;
            ++i;
        }
        if (digits == 0)
            RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a level number at the start of the line")));
        const int parentLevel = lines.empty() ? -1 : lines[static_cast<std::size_t>(open.back())].level;
        const int highest = std::min(parentLevel + 1, kMaxGedcomLevel);
        if (level > highest)
            //: %1 is a number: how deep the line may be nested, given the line before.
            RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a level of at most %1")).arg(highest));
        if (i == line.size() || !IsSpace(line[i]))
            RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a space and a tag after the level")));
        while (i < line.size() && IsSpace(line[i]))
            ++i;
        QStringView xref;
        if (i < line.size() && line[i] == QLatin1Char('@')) {
            const qsizetype start = i;
            while (i < line.size() && !IsSpace(line[i]))
                ++i;
            xref = line.sliced(start, i - start);
            if (xref.size() < 3 || !xref.endsWith(QLatin1Char('@')))
                RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "an identifier between two @ signs, such as @I1@")));
            while (i < line.size() && IsSpace(line[i]))
                ++i;
        }
        const qsizetype tagStart = i;
        while (i < line.size() && !IsSpace(line[i]))
            ++i;
        const QStringView tag = line.sliced(tagStart, i - tagStart);
        if (tag.isEmpty())
            RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a tag after the level")));
        // The value is everything after the one space that follows the tag: a continued value's
        // spaces are part of it.
        const QStringView value = i < line.size() ? line.sliced(i + 1) : QStringView();

        if (level == 0 && TagIs(tag, u"TRLR")) {
            trailer = true;
            break;
        }
        const bool continuation = (TagIs(tag, u"CONC") || TagIs(tag, u"CONT")) && xref.isEmpty()
                                  && !lines.empty() && level == parentLevel + 1
                                  && open.back() == static_cast<int>(lines.size()) - 1;
        if (continuation) {
            if (!continued) {
                result.joined_.push_back(lines.back().value.toString());
                continued = true;
            }
            QString& joined = result.joined_.back();
            if (joined.size() + value.size() + 1 > kMaxGedcomValueChars)
                RefuseGedcomLine(lineNumber, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "a value of at most %1 characters")).arg(kMaxGedcomValueChars));
            if (TagIs(tag, u"CONT"))
                joined += QLatin1Char('\n');
            joined += value;
            continue;
        }
        finishJoin();
        while (!open.empty() && lines[static_cast<std::size_t>(open.back())].level >= level) {
            lines[static_cast<std::size_t>(open.back())].end = static_cast<int>(lines.size());
            open.pop_back();
        }
        open.push_back(static_cast<int>(lines.size()));
        lines.push_back({level, lineNumber, 0, xref, tag, value});
    }
    finishJoin();
    if (!trailer)
        RefuseGedcomLine(lineNumber + 1, Tr(QT_TRANSLATE_NOOP("orvanel::Import", "\"0 TRLR\" at the end of the file, which is cut short")));
    for (const int index : open)
        lines[static_cast<std::size_t>(index)].end = static_cast<int>(lines.size());
    return result;
}

}  // namespace orvanel
