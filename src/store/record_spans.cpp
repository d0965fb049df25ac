#include "store/record_spans.h"

#include <cstring>

namespace orvanel {

namespace {

// An ASCII-compatible file read a byte at a time: every markup character is its own ASCII byte,
// and no other character of an encoding the loader accepts uses one (see FormWrittenIn), so a
// byte search finds markup and nothing else.
// Searched with memchr rather than a loop of our own: with 2 kB comments (bench_record_spans,
// 20k persons, 54 MB) the scan took 17 ms against 27-53 ms; over the short texts of 100k persons
// the two were alike (66-73 ms against 60-84 ms, a memchr pass counting '<' 31 ms).
class ByteUnits {
public:
    static constexpr qsizetype kWidth = 1;

    explicit ByteUnits(QByteArrayView bytes) : data_(bytes.data()), size_(bytes.size()) {}

    qsizetype size() const { return size_; }
    char16_t at(qsizetype pos) const { return static_cast<unsigned char>(data_[pos]); }

    // The offset of the next unit `c` at or after `from`, or size() when there is none.
    qsizetype find(char c, qsizetype from) const
    {
        if (from >= size_)
            return size_;
        const void* hit = std::memchr(data_ + from, c, static_cast<size_t>(size_ - from));
        return hit ? static_cast<const char*>(hit) - data_ : size_;
    }

private:
    const char* data_;
    qsizetype size_;
};

// UTF-16 in one byte order, a unit of two bytes at a time; offsets are still bytes. An ASCII
// character is its own byte beside a zero byte, so memchr finds it as quickly as in a byte form,
// and passes over a hit that is the other half of a unit or part of a character beyond ASCII.
// With 2 kB comments (108 MB) that took 20-25 ms against 33-50 ms for a loop over the units.
template <bool BigEndian>
class Utf16Units {
public:
    static constexpr qsizetype kWidth = 2;

    // A last odd byte is no unit: it is left out rather than read as half of one.
    explicit Utf16Units(QByteArrayView bytes)
        : data_(bytes.data()), size_(bytes.size() & ~qsizetype(1))
    {
    }

    qsizetype size() const { return size_; }
    char16_t at(qsizetype pos) const
    {
        const unsigned first = static_cast<unsigned char>(data_[pos]);
        const unsigned second = static_cast<unsigned char>(data_[pos + 1]);
        return static_cast<char16_t>(BigEndian ? (first << 8) | second : (second << 8) | first);
    }

    // As ByteUnits::find, for a unit-aligned `from`.
    qsizetype find(char c, qsizetype from) const
    {
        constexpr qsizetype kAsciiByte = BigEndian ? 1 : 0;  // where in a unit the ASCII byte is
        for (qsizetype p = from + kAsciiByte; p < size_;) {
            const void* hit = std::memchr(data_ + p, c, static_cast<size_t>(size_ - p));
            if (!hit)
                break;
            const qsizetype h = static_cast<const char*>(hit) - data_;
            const qsizetype unit = h - kAsciiByte;
            if (unit % 2 == 0 && data_[unit + 1 - kAsciiByte] == '\0')
                return unit;
            p = h + 1;
        }
        return size_;
    }

private:
    const char* data_;
    qsizetype size_;
};

// One walk from the first byte to the root's end tag. Markup is trusted to be well-formed; where
// it is not, every read still stays inside the bytes and every step moves forward.
template <class Units>
class SpanScan {
public:
    explicit SpanScan(const Units& units) : units_(units), size_(units.size()) {}

    // With `rootOnly`, the walk ends at the root's start tag, which `root` then holds.
    std::vector<RecordSpan> spans(bool rootOnly = false, RecordSpan* root = nullptr) const
    {
        std::vector<RecordSpan> spans;
        int depth = 0;  // 0 outside the root, 1 in the root's content, more inside a record
        qsizetype recordBegin = 0;
        qsizetype pos = 0;
        for (;;) {
            const qsizetype open = units_.find('<', pos);
            if (open >= size_)
                break;
            const qsizetype next = open + W;
            if (unitIs(next, '/')) {
                pos = past(next, '>');
                if (--depth == 1)
                    spans.push_back({recordBegin, pos});
                else if (depth <= 0)
                    break;  // the root's end: what follows it is no record
            } else if (unitIs(next, '?')) {
                pos = pastToken(next + W, "?>");
            } else if (unitIs(next, '!')) {
                if (spells(next + W, "--"))
                    pos = pastToken(next + 3 * W, "-->");
                else if (spells(next + W, "[CDATA["))
                    pos = pastToken(next + 8 * W, "]]>");
                else
                    pos = pastDocumentType(next + W);
            } else {
                bool empty = false;
                pos = pastStartTag(next, empty);
                if (depth == 0 && root)
                    *root = {open, pos};
                if (depth == 0 && rootOnly)
                    break;
                if (depth == 1)
                    recordBegin = open;
                if (!empty)
                    ++depth;
                else if (depth == 1)
                    spans.push_back({recordBegin, pos});
                else if (depth == 0)
                    break;  // an empty root holds no records
            }
        }
        return spans;
    }

private:
    static constexpr qsizetype W = Units::kWidth;

    bool unitIs(qsizetype pos, char c) const { return pos < size_ && units_.at(pos) == c; }

    bool spells(qsizetype pos, const char* token) const
    {
        for (; *token; ++token, pos += W) {
            if (!unitIs(pos, *token))
                return false;
        }
        return true;
    }

    // Just after the next unit `c` at or after `from`; the end when there is none.
    qsizetype past(qsizetype from, char c) const
    {
        const qsizetype at = units_.find(c, from);
        return at < size_ ? at + W : size_;
    }

    // Just after the first `token` that lies wholly at or after `from`. Searched by its last
    // character, a '>' that is far rarer than the '-', ']' or '?' it opens with.
    qsizetype pastToken(qsizetype from, const char* token) const
    {
        const qsizetype before = static_cast<qsizetype>(std::strlen(token) - 1) * W;
        const char last = token[std::strlen(token) - 1];
        for (qsizetype at = units_.find(last, from); at < size_; at = units_.find(last, at + W)) {
            if (at - before >= from && spells(at - before, token))
                return at + W;
        }
        return size_;
    }

    // From just after a start tag's '<' to just after its '>', which may stand in a quoted value.
    qsizetype pastStartTag(qsizetype from, bool& empty) const
    {
        for (qsizetype pos = from; pos < size_;) {
            const char16_t c = units_.at(pos);
            if (c == '>') {
                empty = pos > from && units_.at(pos - W) == '/';
                return pos + W;
            }
            if (c == '"' || c == '\'')
                pos = past(pos + W, static_cast<char>(c));
            else
                pos += W;
        }
        return size_;
    }

    // From just after a document type's "<!" to just after its '>'. Its internal subset, in
    // brackets, holds declarations whose quoted values, comments and processing instructions may
    // hold '>' and ']'.
    qsizetype pastDocumentType(qsizetype from) const
    {
        bool inSubset = false;
        for (qsizetype pos = from; pos < size_;) {
            const char16_t c = units_.at(pos);
            if (c == '"' || c == '\'') {
                pos = past(pos + W, static_cast<char>(c));
                continue;
            }
            if (inSubset && c == '<' && spells(pos + W, "!--")) {
                pos = pastToken(pos + 4 * W, "-->");
                continue;
            }
            if (inSubset && c == '<' && unitIs(pos + W, '?')) {
                pos = pastToken(pos + 2 * W, "?>");
                continue;
            }
            if (c == '[')
                inSubset = true;
            else if (c == ']')
                inSubset = false;
            else if (c == '>' && !inSubset)
                return pos + W;
            pos += W;
        }
        return size_;
    }

    const Units& units_;
    const qsizetype size_;
};

template <class Units>
std::vector<RecordSpan> SpansOf(const Units& units)
{
    return SpanScan<Units>(units).spans();
}

}  // namespace

RecordSpan FindRootStartTag(QByteArrayView bytes, ByteForm form)
{
    RecordSpan root;
    switch (form) {
    case ByteForm::AsciiCompatible:
        SpanScan<ByteUnits>(ByteUnits(bytes)).spans(true, &root);
        break;
    case ByteForm::Utf16LittleEndian:
        SpanScan<Utf16Units<false>>(Utf16Units<false>(bytes)).spans(true, &root);
        break;
    case ByteForm::Utf16BigEndian:
        SpanScan<Utf16Units<true>>(Utf16Units<true>(bytes)).spans(true, &root);
        break;
    case ByteForm::Other:
        break;
    }
    return root;
}

std::vector<RecordSpan> FindRecordSpans(QByteArrayView bytes, ByteForm form)
{
    switch (form) {
    case ByteForm::AsciiCompatible:
        return SpansOf(ByteUnits(bytes));
    case ByteForm::Utf16LittleEndian:
        return SpansOf(Utf16Units<false>(bytes));
    case ByteForm::Utf16BigEndian:
        return SpansOf(Utf16Units<true>(bytes));
    case ByteForm::Other:
        break;
    }
    return {};
}

}  // namespace orvanel
