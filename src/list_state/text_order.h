#pragma once

#include <QString>
#include <QStringView>
#include <string>

namespace orvanel {

// The order of texts in every sortable list: only the letters a-z are folded to A-Z, then the
// texts compare code by code, and a text sorts before every longer text that begins with it.
// Gives a negative number when `a` comes first, positive when `b` does, 0 when they are equal;
// only the sign is meaningful.
int TextOrder(QStringView a, QStringView b);

// Folds a-z to A-Z in place and changes nothing else, making the text a key: plain lexicographic
// comparison of two keys gives the same order as TextOrder of the texts, so a sort can fold each
// text once instead of on every comparison, and keep all its keys in one buffer.
void FoldTextOrderKey(char16_t* begin, char16_t* end);
// Appends the key of `text` to `out`.
void AppendTextOrderKey(QStringView text, std::u16string& out);

}  // namespace orvanel
