#include "import/csv_records.h"

#include "import/contact_text.h"

#include <QCoreApplication>

namespace orvanel {

namespace {

[[noreturn]] void RefuseFieldSize(int line)
{
    RefuseAtLine(line,
                 //: %1 is a number of bytes.
                 QCoreApplication::translate("orvanel::Import", "expected a field of at most %1 bytes")
                     .arg(kMaxCsvFieldBytes));
}

}  // namespace

char CsvDelimiter(QByteArrayView bytes)
{
    bool quoted = false;
    bool semicolon = false;
    for (const char c : bytes) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == ',')
            return ',';
        else if (c == ';')
            semicolon = true;
        else if (c == '\n' || c == '\r')
            break;
    }
    return semicolon ? ';' : ',';
}

QByteArray CsvRecordReader::quotedField(int recordLine)
{
    QByteArray field;
    ++pos_;  // the opening quote
    while (true) {
        const qsizetype quote = bytes_.sliced(pos_).indexOf('"');
        if (quote < 0)
            RefuseAtLine(recordLine, QCoreApplication::translate(
                                         "orvanel::Import",
                                         "expected the closing quote of a field: the file is cut short"));
        const QByteArrayView part = bytes_.sliced(pos_, quote);
        line_ += static_cast<int>(part.count('\n'));
        if (part.contains('\r'))
            line_ += static_cast<int>(part.count('\r') - part.count("\r\n"));
        field += part;
        pos_ += quote + 1;
        if (field.size() > kMaxCsvFieldBytes)
            RefuseFieldSize(recordLine);
        if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            field += '"';
            ++pos_;
            continue;
        }
        break;
    }
    if (pos_ < bytes_.size() && bytes_[pos_] != delimiter_ && bytes_[pos_] != '\r'
        && bytes_[pos_] != '\n')
        RefuseAtLine(line_, QCoreApplication::translate(
                                "orvanel::Import", "expected a delimiter after the closing quote"));
    return field;
}

QByteArray CsvRecordReader::plainField()
{
    const qsizetype start = pos_;
    while (pos_ < bytes_.size()) {
        const char c = bytes_[pos_];
        if (c == delimiter_ || c == '\r' || c == '\n')
            break;
        ++pos_;
    }
    if (pos_ - start > kMaxCsvFieldBytes)
        RefuseFieldSize(line_);
    return bytes_.sliced(start, pos_ - start).toByteArray();
}

bool CsvRecordReader::next(std::vector<QByteArray>& fields, int& line)
{
    fields.clear();
    if (pos_ >= bytes_.size())
        return false;
    line = line_;
    while (true) {
        if (fields.size() == kMaxCsvColumns)
            RefuseAtLine(line,
                         //: %1 is a number of fields.
                         QCoreApplication::translate("orvanel::Import",
                                                     "expected a record of at most %1 fields")
                             .arg(kMaxCsvColumns));
        fields.push_back(pos_ < bytes_.size() && bytes_[pos_] == '"' ? quotedField(line)
                                                                       : plainField());
        if (pos_ < bytes_.size() && bytes_[pos_] == delimiter_) {
            ++pos_;
            continue;
        }
        break;
    }
    // The record's line end: CR LF, LF, or a CR alone as old systems wrote.
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r')
        ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
        ++pos_;
    ++line_;
    return true;
}

}  // namespace orvanel
