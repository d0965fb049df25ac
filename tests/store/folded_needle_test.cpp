// The filter searches the register's texts as UTF-8 where the table holds them: it must find
// exactly what a search of the same texts as UTF-16 finds, whatever the characters.

#include "store/folded_needle.h"

#include <gtest/gtest.h>
#include <random>

namespace orvanel::testing {
namespace {

TEST(FoldedNeedle, FindsInUtf8ExactlyWhatItFindsInUtf16)
{
    // ASCII letters of both cases, letters that do not fold, a character of three bytes and one
    // beyond the first plane (two UTF-16 units, four bytes).
    const QString alphabet = QStringLiteral("aAbBzZ1@-\u00E9\u00C9\u4E2D") + QString::fromUcs4(U"\U0001F600");
    std::vector<QString> letters;
    for (qsizetype i = 0; i < alphabet.size(); ++i)
        letters.push_back(alphabet[i].isHighSurrogate() ? alphabet.mid(i++, 2) : alphabet.mid(i, 1));
    std::mt19937 random(7);
    const auto text = [&](int most) {
        QString out;
        for (int n = static_cast<int>(random() % static_cast<unsigned>(most + 1)); n > 0; --n)
            out += letters[random() % letters.size()];
        return out;
    };
    int found = 0;
    for (int round = 0; round < 20000; ++round) {
        const QString haystack = text(8);
        const FoldedNeedle needle(text(3));
        const bool inUtf16 = needle.foundIn(QStringView(haystack));
        ASSERT_EQ(needle.foundIn(QByteArrayView(haystack.toUtf8())), inUtf16) << round;
        found += inUtf16;
    }
    EXPECT_GT(found, 1000);  // the texts are short enough that many searches find something
}

TEST(FoldedNeedle, ALoneSurrogateIsFoundNowhere)
{
    const QString pair = QString::fromUcs4(U"\U0001F600");
    const FoldedNeedle lone(QStringView(pair).left(1));
    EXPECT_FALSE(lone.foundIn(QStringView(pair)));
    EXPECT_FALSE(lone.foundIn(QByteArrayView(pair.toUtf8())));
    EXPECT_TRUE(FoldedNeedle(pair).foundIn(QByteArrayView(pair.toUtf8())));
}

}  // namespace
}  // namespace orvanel::testing
