#pragma once

// Reading a text's characters in the test's own code. The sanitizer build checks the reads made
// in the program's and the tests' code, not those made inside Qt's libraries (QString's compare
// and copy among them): a test that must catch a read of freed memory reads the characters here.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace orvanel::testing {

inline std::u16string CharactersReadHere(const QString& text)
{
    std::u16string characters;
    for (const QChar c : text)
        characters.push_back(c.unicode());
    return characters;
}

inline std::vector<std::u16string> CharactersReadHere(const QStringList& texts)
{
    std::vector<std::u16string> all;
    for (const QString& text : texts)
        all.push_back(CharactersReadHere(text));
    return all;
}

}  // namespace orvanel::testing
