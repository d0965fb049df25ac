#pragma once

#include <QByteArray>
#include <QString>

namespace orvanel {

enum class GedcomVersion { V551, V70 };

// Writes GEDCOM lines in UTF-8 with CRLF line ends. A value's line breaks (LF, CRLF or CR)
// become CONT lines. In 5.5.1 every '@' of a value is doubled and a line longer than 255
// octets (level, tag, value and line end) goes on in CONC lines, split only between two
// characters that are not spaces where the line allows it (many readers drop the spaces at a
// CONC), never inside a character or a doubled '@'. 7.0 has no CONC and no length limit: only
// a leading '@' of a line is doubled.
class GedcomLines {
public:
    explicit GedcomLines(GedcomVersion version) : version_(version) {}

    // "0 @xref@ TAG": the start of a record. `xref` is a name of our own, without the '@'s.
    void record(const QString& xref, const char* tag);
    // "level TAG value", with CONT and CONC lines as the value needs. An empty value writes the
    // tag alone.
    void add(int level, const char* tag, const QString& value = QString());
    // "level TAG @xref@": a pointer to a record, never escaped.
    void pointer(int level, const char* tag, const QString& xref);

    QByteArray take() { return std::move(out_); }

private:
    void physical(const QByteArray& start, const QByteArray& value);
    QByteArray escaped(const QString& line) const;

    GedcomVersion version_;
    QByteArray out_;
};

// The longest line 5.5.1 allows, in octets, with its level, tag and line end.
inline constexpr int kGedcomMaxLine = 255;

}  // namespace orvanel
