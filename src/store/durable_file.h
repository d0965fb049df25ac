#pragma once

#include <QSaveFile>
#include <QString>

namespace orvanel {

// A file written beside its final name and put in its place only once every byte is on disk,
// so that a failed or interrupted write leaves the old file as it was. Every failed write and a
// failed flush to disk is reported: QSaveFile alone loses a failed buffered write and a failed
// flush to disk, and then puts an empty or partial file in place.
class DurableFile {
public:
    // `shownName` names the file in error messages.
    DurableFile(const QString& path, const QString& shownName);

    // Each throws IoError; the old file is then untouched and no temporary file stays behind.
    void open();
    void write(const char* data, qint64 size);
    void commit();

private:
    [[noreturn]] void fail(const QString& what, const QString& why);

    QSaveFile file_;
    QString shownName_;
};

}  // namespace orvanel
