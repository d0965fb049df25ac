#include "store/errors.h"
#include "store/person_id.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace orvanel;

TEST(PersonId, CheckDigitWeighsEachCodeByItsPosition)
{
    EXPECT_EQ(CheckDigit("AB0001"), 7);  // 1067 mod 10
    EXPECT_EQ(CheckDigit(""), 0);
}

TEST(PersonId, FormatPadsToFourDigitsAndAppendsTheCheckDigit)
{
    const std::pair<long long, const char*> cases[] = {
        {1, "AB0001-7"},   {2, "AB0002-3"},   {9, "AB0009-5"},   {10, "AB0010-6"},
        {99, "AB0099-0"},  {100, "AB0100-5"}, {999, "AB0999-6"}, {1000, "AB1000-4"},
        {9999, "AB9999-3"}, {10000, "AB10000-0"}, {12345, "AB12345-2"}};
    for (const auto& [number, id] : cases)
        EXPECT_EQ(FormatId("AB", number), QString::fromLatin1(id)) << number;
    EXPECT_EQ(FormatId("", 1), "0001-4");
}

TEST(PersonId, CurrentFormIsAcceptedUnchanged)
{
    for (const char* id : {"AB0001-7", "X-8", "-0", "AB12345-2"}) {
        const NormalizedId n = NormalizeId(QString::fromLatin1(id));
        EXPECT_EQ(n.id, QString::fromLatin1(id));
        EXPECT_FALSE(n.converted);
    }
}

TEST(PersonId, OldFormIsConverted)
{
    EXPECT_EQ(NormalizeId("AB00017").id, "AB0001-7");  // carries its check digit
    EXPECT_EQ(NormalizeId("AB0001").id, "AB0001-7");   // has none
    EXPECT_EQ(NormalizeId("12345").id, "12345-5");
    EXPECT_EQ(NormalizeId("AB0003").id, "AB000-3");    // last digit happens to fit
    EXPECT_TRUE(NormalizeId("AB0001").converted);
}

TEST(PersonId, MalformedIdentifiersAreRefusedWithTheTextAsGiven)
{
    for (const char* id : {"AB0001-3", "AB0001-77", "A-B-7", "AB0001-", "AB0001-x", "", "-"}) {
        try {
            NormalizeId(QString::fromLatin1(id));
            ADD_FAILURE() << "accepted " << id;
        } catch (const ESlikts_formats& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(id));
        }
    }
}

TEST(PersonId, CheckDigitCountsCharactersNotBytes)
{
    // Ä is 196 in Latin-1: 196 + 2*66 + 3*48 + 4*48 + 5*48 + 6*49 = 1198.
    EXPECT_EQ(CheckDigit(QStringLiteral("ÄB0001")), 8);
    EXPECT_EQ(FormatId(QStringLiteral("ÄB"), 1), QStringLiteral("ÄB0001-8"));
    EXPECT_EQ(NormalizeId(QStringLiteral("ÄB00018")).id, QStringLiteral("ÄB0001-8"));
    // Beyond Latin-1 the code point: ā is 257, 257 + 2*66 = 389.
    EXPECT_EQ(CheckDigit(QStringLiteral("āB")), 9);
    // A character beyond U+FFFF is one position: 128512 + 2*49 = 128610.
    EXPECT_EQ(CheckDigit(QStringLiteral("😀1")), 0);
}

// The load checks most identifiers from their bytes: that check must accept exactly the ASCII
// identifiers NormalizeId gives back unchanged, and leave everything else to it.
TEST(PersonId, TheCheckOfTheBytesAcceptsWhatNormalizeIdKeepsAndNothingElse)
{
    const auto keptByNormalizeId = [](const QString& id) {
        try {
            return !NormalizeId(id).converted;
        } catch (const ESlikts_formats&) {
            return false;
        }
    };
    // Every text of up to five of these characters ("AB-7" and "B07-7" verify; "é" and "Ā" are
    // beyond ASCII): 44 of them are identifiers in current form.
    const QStringList alphabet = {"A", "B", "0", "7", "3", "-", QStringLiteral("é"),
                                  QStringLiteral("Ā")};
    std::vector<QString> texts = {QString()};
    for (size_t from = 0, length = 0; length < 5; ++length) {
        const size_t to = texts.size();
        for (size_t i = from; i < to; ++i) {
            for (const QString& c : alphabet)
                texts.push_back(texts[i] + c);
        }
        from = to;
    }
    int accepted = 0;
    for (const QString& text : texts) {
        const QByteArray utf8 = text.toUtf8();
        const bool ascii = utf8.size() == text.size();
        // "-0", the shortest, is left to NormalizeId on purpose.
        const bool expected = ascii && text.size() >= 3 && keptByNormalizeId(text);
        EXPECT_EQ(IsCurrentAsciiId(utf8), expected) << text.toStdString();
        accepted += expected ? 1 : 0;
    }
    EXPECT_EQ(accepted, 44);
    // Generated identifiers, long ones and one beyond the sums of short ones.
    for (long long n : {1LL, 99LL, 12345LL, 99999999999LL}) {
        const QString id = FormatId("AB", n);
        EXPECT_TRUE(IsCurrentAsciiId(id.toUtf8())) << id.toStdString();
        const QString wrongDigit =
            id.left(id.size() - 1) + QString::number((id.back().digitValue() + 1) % 10);
        EXPECT_FALSE(IsCurrentAsciiId(wrongDigit.toUtf8())) << wrongDigit.toStdString();
    }
    const QString beyond =
        QStringLiteral("ÉB0001-") + QString::number(CheckDigit(QStringLiteral("ÉB0001")));
    ASSERT_TRUE(keptByNormalizeId(beyond));
    EXPECT_FALSE(IsCurrentAsciiId(beyond.toUtf8()));  // weighed by the register's code page
}
