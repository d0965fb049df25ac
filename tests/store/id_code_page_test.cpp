#include "store/errors.h"
#include "store/id_code_page.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace orvanel;

namespace {

// One character of each candidate with its byte there, from the published code charts, and the
// byte of Š where the page has it.
struct ChartEntry {
    const char* page;
    int sCaron;  // 0 where the page has no Š
    const char* letter;
    int letterByte;
};

constexpr ChartEntry kCharts[] = {
    {"CP1250", 0x8A, "Ť", 0x8D},        {"CP1251", 0, "Ж", 0xC6},
    {"CP1252", 0x8A, "é", 0xE9},        {"CP1253", 0, "Ω", 0xD9},
    {"CP1254", 0x8A, "Ğ", 0xD0},        {"CP1255", 0, "א", 0xE0},
    {"CP1256", 0, "ع", 0xDA},           {"CP1257", 0xD0, "Ā", 0xC2},
    {"CP1258", 0, "Đ", 0xD0},           {"ISO-8859-1", 0, "é", 0xE9},
    {"ISO-8859-2", 0xA9, "Ť", 0xAB},    {"ISO-8859-3", 0, "Ĝ", 0xD8},
    {"ISO-8859-4", 0xA9, "Ā", 0xC0},    {"ISO-8859-5", 0, "Ж", 0xB6},
    {"ISO-8859-6", 0, "ع", 0xD9},       {"ISO-8859-7", 0, "Ω", 0xD9},
    {"ISO-8859-8", 0, "א", 0xE0},       {"ISO-8859-9", 0, "Ğ", 0xD0},
    {"ISO-8859-10", 0xAA, "Ā", 0xC0},   {"ISO-8859-11", 0, "ก", 0xA1},
    {"ISO-8859-13", 0xD0, "Ā", 0xC2},   {"ISO-8859-14", 0, "Ŵ", 0xD0},
    {"ISO-8859-15", 0xA6, "€", 0xA4},   {"ISO-8859-16", 0xA6, "Ș", 0xAA},
};

char32_t Char(const char* utf8)
{
    return QString::fromUtf8(utf8).toUcs4().front();
}

}  // namespace

TEST(CodePage, EveryCandidateWeighsItsCharactersByTheirBytes)
{
    ASSERT_EQ(IdCodePageCandidates().size(), std::size(kCharts));
    for (size_t i = 0; i < std::size(kCharts); ++i) {
        const ChartEntry& chart = kCharts[i];
        EXPECT_EQ(IdCodePageCandidates()[i], chart.page);
        const std::optional<CodePage> page = CodePage::named(chart.page);
        ASSERT_TRUE(page) << chart.page;
        EXPECT_EQ(page->codeOf(U'Š'), chart.sCaron ? std::optional<char32_t>(chart.sCaron)
                                                    : std::nullopt)
            << chart.page;
        EXPECT_EQ(page->codeOf(Char(chart.letter)), char32_t(chart.letterByte)) << chart.page;
        EXPECT_EQ(page->codeOf(U'A'), U'A') << chart.page;
        EXPECT_EQ(page->codeOf(U'😀'), std::nullopt) << chart.page;
    }
    // The name a file declares works as well as the library's own.
    EXPECT_EQ(CodePage::named("windows-1257")->codeOf(U'Š'), 0xD0u);
}

TEST(CodePage, OnlySingleByteEncodingsWithAsciiBelowAreCodePages)
{
    for (const char* name : {"UTF-8", "UTF-16", "UTF-16LE", "UTF-7", "SHIFT_JIS", "EBCDIC-US",
                             "ISO-2022-JP", "no-such-code-page", ""})
        EXPECT_FALSE(CodePage::named(name)) << name;
    // The code point rule weighs everything: Latin-1 by its byte, beyond by the code point.
    EXPECT_EQ(CodePage().codeOf(U'Ä'), 0xC4u);
    EXPECT_EQ(CodePage().codeOf(U'Š'), 0x160u);
}

TEST(PersonId, AnIdentifierInACodePageNeedsEveryCharacterInIt)
{
    const CodePage cp1257 = *CodePage::named("CP1257");
    EXPECT_EQ(CheckDigitIn("ŠA0001", cp1257), 8);  // 0xD0 + 1000
    EXPECT_EQ(CheckDigitIn("ЖA0001", cp1257), std::nullopt);
    EXPECT_THROW(NormalizeId("ЖA0001", cp1257), ESlikts_formats);
    // A prefix the page lacks makes an identifier that is known not to read back.
    EXPECT_FALSE(IdReadsBack(FormatId("ЖA", 1, cp1257), cp1257));
    EXPECT_TRUE(IdReadsBack(FormatId("ŠA", 1, cp1257), cp1257));
}

TEST(IdCodePageChoice, TheFileOwnEncodingIsTriedFirstThenTheCandidatesInOrder)
{
    // ŠA0001-8 verifies in 1250, 1252, 1254, 1257 and ISO 8859-13.
    IdCodePageChoice declared("ISO-8859-13");
    EXPECT_EQ(declared.normalize("ŠA0001-8")->id, "ŠA0001-8");
    EXPECT_EQ(declared.page().name(), "ISO-8859-13");
    IdCodePageChoice utf8("UTF-8");
    utf8.normalize("ŠA0001-8");
    EXPECT_EQ(utf8.page().name(), "CP1250");
    // A declared encoding that does not agree is passed over like any other.
    IdCodePageChoice other("CP1251");
    other.normalize("ŠA0001-8");
    EXPECT_EQ(other.page().name(), "CP1250");
}
