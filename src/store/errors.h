#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <exception>

namespace orvanel {

// Every failure of the program's own is an exception carrying the text the user is shown. The data
// store has no windows, so its messages are translated in the context "orvanel::Store".
class Error : public std::exception {
public:
    explicit Error(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A record lacks a child element that a reader or writer asked for by name.
class NodeNotFound : public Error {
public:
    explicit NodeNotFound(const QString& name)
        //: %1 is the name of an element of the data file, shown as it is.
        : Error(QCoreApplication::translate("orvanel::Store", "Node \"%1\" not found")
                    .arg(name)) {}
};

// A text that cannot be read as a date.
class InvalidDate : public Error {
public:
    explicit InvalidDate(const QString& text)
        //: %1 is the text that was read; dates are written year/month/day.
        : Error(QCoreApplication::translate("orvanel::Store", "'%1' is not a valid date")
                    .arg(text)) {}
};

// An identifier that cannot be accepted; the message is the identifier exactly as given.
class ESlikts_formats : public Error {
public:
    explicit ESlikts_formats(const QString& id) : Error(id) {}
};

// A file could not be read or written; the message says which file and why.
class IoError : public Error {
public:
    using Error::Error;
};

// The data file cannot become a register; the message is what the user is shown.
class LoadRefused : public Error {
public:
    using Error::Error;
};

}  // namespace orvanel
