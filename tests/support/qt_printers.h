#pragma once

// Lets GoogleTest show Qt strings as text in failure messages. Every test that compares Qt strings
// includes it, directly or through the shared test headers, so that all of them print alike.
#include <QByteArray>
#include <QString>
#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const std::optional<QString>& text, std::ostream* os)
{
    if (text)
        PrintTo(*text, os);
    else
        *os << "(absent)";
}
