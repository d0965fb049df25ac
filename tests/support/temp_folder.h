#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace orvanel::testing {

// A scratch working folder for one test, removed afterwards.
class TempFolder {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    // Writes the file as one an earlier run of the program left: last changed an hour ago.
    void writeOld(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

}  // namespace orvanel::testing
