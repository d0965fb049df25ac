#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// The records of a CSV file as RFC 4180 writes them: fields between delimiters, in double quotes
// when they hold a delimiter, a quote (doubled) or a line break; records ending in CR LF or LF.

namespace orvanel {

// The most a field and a record may hold: far beyond an address book, and small enough that a
// hostile file cannot make the import hold much more than the file itself.
inline constexpr qsizetype kMaxCsvFieldBytes = 1 << 20;
inline constexpr std::size_t kMaxCsvColumns = 2000;

// The delimiter of a file whose first record is `bytes`' start: a comma, or a semicolon when the
// header holds semicolons but no comma, as spreadsheets write where the comma is the decimal
// mark.
char CsvDelimiter(QByteArrayView bytes);

class CsvRecordReader {
public:
    CsvRecordReader(QByteArrayView bytes, char delimiter) : bytes_(bytes), delimiter_(delimiter) {}

    // The fields of the next record, as bytes with the quotes taken off, and the line it starts
    // on; false at the end of the file. Throws ImportRefused naming the line for a quoted field
    // the file ends in, text after a closing quote, or a field or record beyond the limits.
    bool next(std::vector<QByteArray>& fields, int& line);

    qsizetype position() const { return pos_; }

private:
    QByteArray quotedField(int recordLine);
    QByteArray plainField();

    QByteArrayView bytes_;
    char delimiter_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

}  // namespace orvanel
