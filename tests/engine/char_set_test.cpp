// The characters of a paragraph in UTF-8 and 8-bit texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/char_set.h"
#include "engine/eight_bit_table.h"
#include "engine/utf8_case_fold.h"

namespace wendax {
namespace {

std::vector<std::string> Split(TCharSet set, const std::string& text) {
    std::vector<std::string> chars;
    for (std::int32_t at = 0; at < static_cast<std::int32_t>(text.size());) {
        const TCharExtent c = CharAt(set, text, at);
        chars.push_back(
            text.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(c.End - at)));
        at = c.End;
    }
    return chars;
}

using Chars = std::vector<std::string>;

// Invalid bytes (stray continuation, overlong, surrogate, beyond U+10FFFF, cut sequence)
// stand alone; a mark joins its base; a mark at the start is a character of its own.
TEST(CharSet, Utf8CharactersAreCodePointsWithTheirMarks) {
    EXPECT_EQ(Split(chUtf8, "aé日😀b"), (Chars{"a", "é", "日", "😀", "b"}));
    EXPECT_EQ(Split(chUtf8, "e\u0301\u0302x"), (Chars{"e\u0301\u0302", "x"}));
    EXPECT_EQ(Split(chUtf8, "\u0301a"), (Chars{"\u0301", "a"}));
    EXPECT_EQ(Split(chUtf8, "\x80\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe6\x97"),
              (Chars{"\x80", "\xc0", "\xaf", "\xed", "\xa0", "\x80", "\xf4", "\x90", "\x80", "\x80",
                     "\xe6", "\x97"}));
    EXPECT_EQ(Split(chEightBit, "é"), (Chars{"\xc3", "\xa9"}));
}

// CharStart of every byte is the start of the character that holds it, as the forward
// split finds it.
TEST(CharSet, CharStartAgreesWithTheForwardSplit) {
    const std::string text = "\u0301aé\x80日\xe6\x97😀e\u0301\u20ddz\xf0\x9f\x98";
    std::int32_t begin = 0;
    for (const std::string& c : Split(chUtf8, text)) {
        for (std::int32_t i = 0; i < static_cast<std::int32_t>(c.size()); ++i)
            EXPECT_EQ(CharStart(chUtf8, text, begin + i), begin) << begin + i;
        begin += static_cast<std::int32_t>(c.size());
    }
    EXPECT_EQ(CharCount(chUtf8, text, 0, begin), 13);
}

TEST(CharSet, CellsWordsAndCase) {
    EXPECT_EQ(CharAt(chUtf8, "日", 0).Cells, 2);
    EXPECT_EQ(CharAt(chUtf8, "😀", 0).Cells, 2);
    EXPECT_EQ(CharAt(chUtf8, "\uff21", 0).Cells, 2);  // fullwidth A
    EXPECT_EQ(CharAt(chUtf8, "é", 0).Cells, 1);
    EXPECT_EQ(CharAt(chUtf8, "\xff", 0).Cells, 1);
    EXPECT_EQ(CodeCells(0x0301), 0);
    EXPECT_EQ(CodeCells(0x200B), 0);
    for (const char* word : {"é", "ж", "Ω", "日", "٣", "a", "_", "\xff"})
        EXPECT_TRUE(IsWordCharAt(chUtf8, word, 0)) << word;
    for (const char* delimiter : {" ", "-", "\u2013", "\u201c", "\u3000", "😀"})
        EXPECT_FALSE(IsWordCharAt(chUtf8, delimiter, 0)) << delimiter;
    EXPECT_TRUE(IsWordCharAt(chEightBit, "\xff", 0));
    EXPECT_EQ(std::uint32_t{UpperCaseCode(U'é')}, std::uint32_t{U'É'});
    EXPECT_EQ(std::uint32_t{UpperCaseCode(U'ÿ')}, std::uint32_t{U'Ÿ'});
    EXPECT_EQ(std::uint32_t{UpperCaseCode(U'ł')}, std::uint32_t{U'Ł'});
    EXPECT_EQ(std::uint32_t{UpperCaseCode(U'ς')}, std::uint32_t{U'Σ'});
    EXPECT_EQ(std::uint32_t{UpperCaseCode(U'ж')}, std::uint32_t{U'Ж'});
    EXPECT_EQ(std::uint32_t{UpperCaseCode(U'ß')}, std::uint32_t{U'ß'});
    EXPECT_EQ(std::uint32_t{UpperCaseCode(U'ǆ')},
              std::uint32_t{U'ǆ'});  // Latin Extended-B does not fold
}

namespace tables {
struct TCodeRange {
    char32_t First;
    char32_t Last;
};
#include "engine/unicode_tables.inc"

template <std::size_t N>
bool In(const TCodeRange (&ranges)[N], char32_t code) {
    return std::any_of(ranges, ranges + N,
                       [code](const TCodeRange& r) { return code >= r.First && code <= r.Last; });
}
}  // namespace tables

// The quick answers for common scripts agree with a plain search of the tables.
TEST(CharSet, CodeCellsAgreeWithTheTables) {
    for (char32_t code = 0; code < 0x10000; ++code) {
        const int expected = code < 0x300                                ? 1
                             : tables::In(tables::kZeroCellRanges, code) ? 0
                             : tables::In(tables::kWideRanges, code)     ? 2
                                                                         : 1;
        ASSERT_EQ(CodeCells(code), expected) << std::hex << static_cast<std::uint32_t>(code);
    }
}

// Every code point encodes and decodes back; validity of whole texts.
TEST(CharSet, Utf8RoundTripsAndValidity) {
    for (char32_t code = 0; code <= 0x10FFFF; code += code < 0x3000 ? 1 : 97) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        std::string bytes;
        AppendUtf8(bytes, code);
        const TCodePoint cp = DecodeUtf8(bytes, 0);
        ASSERT_TRUE(cp.Valid && cp.Code == code &&
                    cp.Bytes == static_cast<std::int32_t>(bytes.size()))
            << std::hex << static_cast<std::uint32_t>(code);
        ASSERT_TRUE(IsValidUtf8("abcdefgh" + bytes + "ijklmnop"));
    }
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain ASCII text, long enough for the word steps"));
    EXPECT_FALSE(IsValidUtf8("Caf\xe9 na\xefve"));
    EXPECT_FALSE(IsValidUtf8("0123456789abcdef\xe6\x97"));
    EXPECT_EQ(CharSetOfContent(IsValidUtf8("Café")), chUtf8);
}

// Every byte but NUL has its own character and comes back from it through UTF-8; a
// character the table lacks is named.
// Every lead and second byte with the borders of the continuation ranges after them: the
// validity scan agrees with decoding code point by code point, and each valid code point
// encodes back to its bytes.
TEST(CharSet, ValidityAgreesWithDecodingOfEveryShortSequence) {
    const unsigned char tails[] = {0x41, 0x80, 0x9F, 0xA0, 0xBF};
    std::string text(4, ' ');
    for (int b0 = 0; b0 < 256; ++b0)
        for (int b1 = 0; b1 < 256; ++b1)
            for (unsigned char b2 : tails)
                for (unsigned char b3 : tails) {
                    text = {static_cast<char>(b0), static_cast<char>(b1), static_cast<char>(b2),
                            static_cast<char>(b3)};
                    bool valid = true;
                    for (std::int32_t at = 0; valid && at < 4;) {
                        const TCodePoint cp = DecodeUtf8(text, at);
                        std::string again;
                        AppendUtf8(again, cp.Code);
                        valid = cp.Valid;
                        if (valid) {
                            ASSERT_EQ(again, text.substr(static_cast<std::size_t>(at),
                                                         static_cast<std::size_t>(cp.Bytes)));
                        }
                        at += cp.Bytes;
                    }
                    ASSERT_EQ(IsValidUtf8(text), valid) << b0 << " " << b1 << " " << int{b2};
                }
}

TEST(CharSet, EightBitTableRoundTripsThroughUtf8) {
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    const std::string utf8 = EightBitToUtf8(bytes);
    EXPECT_TRUE(IsValidUtf8(utf8));
    std::string back;
    char32_t missing = 0;
    ASSERT_TRUE(Utf8ToEightBit(utf8, back, missing));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(EightBitToUtf8("\x80\x93\x81\xe9"), "€“\u0081é");
    EXPECT_FALSE(EightBitByte(0));
    EXPECT_FALSE(Utf8ToEightBit("ok ł 日", back, missing));
    EXPECT_EQ(std::uint32_t{missing}, std::uint32_t{U'ł'});
    EXPECT_FALSE(Utf8ToEightBit("a\xff", back, missing));
    EXPECT_EQ(std::uint32_t{missing}, 0xFFFDu);
}

// Folding keeps every byte position: letters whose capital takes other bytes stay.
TEST(CharSet, Utf8CaseFoldingKeepsTheLength) {
    std::string out;
    FoldUtf8Case("abz café ÿ ł σς жё ı ſ ß 日 \xff\xc3", out);
    EXPECT_EQ(out, "ABZ CAFÉ Ÿ Ł ΣΣ ЖЁ ı ſ ß 日 \xff\xc3");
}

}  // namespace
}  // namespace wendax
