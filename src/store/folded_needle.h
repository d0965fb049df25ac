#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace orvanel {

// A text the filter looks for, folded once for the many texts it is looked for in. It is found
// where it occurs as one contiguous run, with only the letters A-Z folded to a-z on both sides
// (accented and other letters must match exactly). An empty text is found nowhere, and nothing is
// found in an empty text. A text holding a lone surrogate, which no stored text can hold, is
// found nowhere either.
//
// The register keeps its texts as UTF-8 and is searched there, with no copy of each text: folding
// touches only ASCII bytes, which never occur inside a longer UTF-8 sequence, and a valid UTF-8
// needle can only match at a character's start, so a search of the UTF-8 finds exactly what a
// search of the UTF-16 finds.
class FoldedNeedle {
public:
    explicit FoldedNeedle(QStringView text);

    bool foundIn(QStringView haystack) const;
    bool foundIn(QByteArrayView utf8) const;

private:
    QString utf16_;
    QByteArray utf8_;
    bool searchable_ = false;
};

}  // namespace orvanel
