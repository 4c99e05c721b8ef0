// The wrap rule and the tab expansion of display lines.
#include <gtest/gtest.h>

#include <random>

#include "engine/display_columns.h"
#include "engine/para_wrapper.h"
#include "engine/wrap_rule.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

std::vector<std::string> Wrapped(const std::string& text, int width, int tabSize = 8,
                                 TCharSet set = chEightBit) {
    const std::vector<std::uint16_t> starts =
        TParaWrapper::LineStartsOf(text, {width, tabSize, set});
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
        lines.push_back(text.substr(starts[i], end - starts[i]));
    }
    EXPECT_EQ(lines, test::ModelWrap(text, width, tabSize, set))
        << "text '" << text << "' width " << width;
    return lines;
}

using Lines = std::vector<std::string>;

TEST(WrapRule, BlanksAtABreakStayAtTheEndOfTheLine) {
    EXPECT_EQ(Wrapped("aaaa bbbb", 6), (Lines{"aaaa ", "bbbb"}));
    EXPECT_EQ(Wrapped("aaaa  bbbb", 6), (Lines{"aaaa  ", "bbbb"}));
    EXPECT_EQ(Wrapped("aa         bb", 4), (Lines{"aa         ", "bb"}));
}

TEST(WrapRule, HyphenBreaksAfterItselfAndMayStandOneColumnPastTheWidth) {
    EXPECT_EQ(Wrapped("abc-defgh", 4), (Lines{"abc-", "defg", "h"}));
    EXPECT_EQ(Wrapped("abcd-ef", 4), (Lines{"abcd-", "ef"}));
    EXPECT_EQ(Wrapped("ab- cd", 3), (Lines{"ab- ", "cd"}));
}

TEST(WrapRule, OnlyBlanksAfterABreakAddNoLine) {
    EXPECT_EQ(Wrapped("abcd      ", 4), (Lines{"abcd      "}));
    EXPECT_EQ(Wrapped("ab \t \t  ", 2), (Lines{"ab \t \t  "}));
    EXPECT_EQ(Wrapped("abcd-   ", 4), (Lines{"abcd-   "}));
}

TEST(WrapRule, WordLongerThanTheWidthIsCutAtTheWidth) {
    EXPECT_EQ(Wrapped("abcdefghij", 4), (Lines{"abcd", "efgh", "ij"}));
    EXPECT_EQ(Wrapped("xy abcdefghij", 4), (Lines{"xy ", "abcd", "efgh", "ij"}));
    EXPECT_EQ(Wrapped("abc", 1), (Lines{"a", "b", "c"}));
}

TEST(WrapRule, TabsExpandFromTheStartOfEachDisplayLine) {
    EXPECT_EQ(Wrapped("\tab cdefgh", 10), (Lines{"\tab ", "cdefgh"}));
    EXPECT_EQ(Wrapped("\tabcdefghij", 10), (Lines{"\t", "abcdefghij"}));
    // The continuation line starts at x: its tab reaches column 8 of that line, not 16.
    EXPECT_EQ(Wrapped("aaaaaaaaa x\tyz", 10), (Lines{"aaaaaaaaa ", "x\tyz"}));
    EXPECT_EQ(Wrapped("a\tb", 3, 4), (Lines{"a\t", "b"}));
}

TEST(WrapRule, NoWidthMeansOneLine) {
    EXPECT_EQ(Wrapped(std::string(5000, 'a'), 0), (Lines{std::string(5000, 'a')}));
    EXPECT_EQ(Wrapped("", 4), (Lines{""}));
    EXPECT_EQ(NextLineStart("abc def", 0, {0, 8}), 0);
}

TEST(WrapRule, FitCountsTabExpandedColumns) {
    EXPECT_EQ(LineFit("abcdef", 0, {4, 8}), 4);
    EXPECT_EQ(LineFit("ab", 0, {4, 8}), 2);
    EXPECT_EQ(LineFit("a\tbc", 0, {4, 4}), 2);
    EXPECT_EQ(LineFit("xxa\tbc", 2, {5, 4}), 3);  // from offset 2: a (1), tab (4), b (5)
}

std::vector<std::string> WrappedUtf8(const std::string& text, int width) {
    return Wrapped(text, width, 8, chUtf8);
}

// A wide character that would pass the width starts the next line; marks stay with their
// base; a blank carrying a mark is no break.
TEST(WrapRule, InUtf8CellsAreCountedAndNoCharacterIsCut) {
    EXPECT_EQ(WrappedUtf8("日本語", 4), (Lines{"日本", "語"}));
    EXPECT_EQ(WrappedUtf8("a日本", 2), (Lines{"a", "日", "本"}));
    EXPECT_EQ(WrappedUtf8("日本", 1), (Lines{"日", "本"}));
    EXPECT_EQ(WrappedUtf8("e\u0301e\u0301e\u0301", 2), (Lines{"e\u0301e\u0301", "e\u0301"}));
    EXPECT_EQ(WrappedUtf8("ab \u0301cd", 3), (Lines{"ab \u0301", "cd"}));
    EXPECT_EQ(WrappedUtf8("aé😀 b", 4), (Lines{"aé😀 ", "b"}));
    EXPECT_EQ(WrappedUtf8("\xff\xfe\xfd", 2), (Lines{"\xff\xfe", "\xfd"}));
}

// Random texts of ASCII, accented, wide, emoji, combining and invalid bytes against the
// model written on characters.
TEST(WrapRule, Utf8WrapMatchesTheCharacterModel) {
    const std::vector<std::string> pieces = {
        "a", "b", " ", "-", "\t", "é", "Ω", "ж", "日", "😀", "\u0301", "\u200b", "\xff", "\xe6\x97"};
    std::uint32_t seed = 7;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int count = static_cast<int>((seed = seed * 1103515245 + 12345) >> 16) % 24;
        for (int i = 0; i < count; ++i) {
            seed = seed * 1103515245 + 12345;
            text += pieces[(seed >> 16) % pieces.size()];
        }
        Wrapped(text, 1 + round % 7, 1 + round % 5, chUtf8);
    }
}

// Long lines whose ASCII runs, of every length, meet tabs, multi-byte, wide, combining and
// invalid bytes at every offset, wrapped at widths up to beyond the line, in both sets.
TEST(WrapRule, LongLinesWrapAsTheCharacterModel) {
    const std::vector<std::string> pieces = {
        "the ", "abcdefgh", "well-",   " ",      "\t",     "é",    "λόγ",      "сл",
        "日本", "😀",        "e\u0301", "\u0483", "\u200b", "\xff", "\xe6\x97", "\xc3"};
    std::mt19937 random(13);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const auto length = random() % 400;
        while (text.size() < length)
            text += pieces[random() % pieces.size()];
        const int width = 1 + static_cast<int>(random() % 120);
        const int tabSize = 1 + static_cast<int>(random() % 9);
        Wrapped(text, width, tabSize, round % 4 == 0 ? chEightBit : chUtf8);
    }
}

TEST(DisplayColumns, Utf8ColumnsCountCellsAndPositionsStayOnCharacters) {
    const std::string line = "aé日😀e\u0301\tb\xff";  // bytes: 1 2 3 4 1+2 1 1 1
    // position (byte) -> first cell of its character
    EXPECT_EQ(PosToColumn(chUtf8, line, 2, 8), 2);
    EXPECT_EQ(PosToColumn(chUtf8, line, 4, 8), 3);
    EXPECT_EQ(PosToColumn(chUtf8, line, 5, 8), 3);  // inside 日: its first cell
    EXPECT_EQ(PosToColumn(chUtf8, line, 7, 8), 5);
    EXPECT_EQ(PosToColumn(chUtf8, line, 11, 8), 7);
    EXPECT_EQ(PosToColumn(chUtf8, line, 14, 8), 8);
    EXPECT_EQ(PosToColumn(chUtf8, line, 15, 8), 9);
    EXPECT_EQ(PosToColumn(chUtf8, line, 16, 8), 10);
    EXPECT_EQ(PosToColumn(chUtf8, line, 18, 8), 12);
    EXPECT_EQ(ColumnToPos(chUtf8, line, 4, 8), 4);  // second cell of 日
    EXPECT_EQ(ColumnToPos(chUtf8, line, 6, 8), 7);
    EXPECT_EQ(ColumnToPos(chUtf8, line, 8, 8), 14);
    for (int p : {1, 2, 4, 7, 11, 14, 15, 16, 17, 20}) {
        EXPECT_EQ(ColumnToPos(chUtf8, line, PosToColumn(chUtf8, line, p, 8), 8), p) << p;
    }
}

TEST(DisplayColumns, PositionToColumnExpandsTabsAndCountsVirtualPositions) {
    EXPECT_EQ(PosToColumn(chEightBit, "abc", 0, 8), 1);
    EXPECT_EQ(PosToColumn(chEightBit, "abc", 1, 8), 1);
    EXPECT_EQ(PosToColumn(chEightBit, "", 5, 8), 5);
    EXPECT_EQ(PosToColumn(chEightBit, "abc", 3, 8), 3);
    EXPECT_EQ(PosToColumn(chEightBit, "abc", 6, 8), 6);
    EXPECT_EQ(PosToColumn(chEightBit, "a\tb", 3, 8), 9);
    EXPECT_EQ(PosToColumn(chEightBit, "a\tb", 4, 8), 10);
    EXPECT_EQ(PosToColumn(chEightBit, "a\tb", 6, 8), 12);
    EXPECT_EQ(PosToColumn(chEightBit, "\t\t", 2, 4), 5);
}

TEST(DisplayColumns, ColumnToPosFindsTheCharacterCoveringTheColumn) {
    EXPECT_EQ(ColumnToPos(chEightBit, "abc", 0, 8), 0);
    EXPECT_EQ(ColumnToPos(chEightBit, "abc", 2, 8), 2);
    EXPECT_EQ(ColumnToPos(chEightBit, "abc", 7, 8), 7);
    EXPECT_EQ(ColumnToPos(chEightBit, "", 4, 8), 4);
    EXPECT_EQ(ColumnToPos(chEightBit, "a\tb", 2, 8), 2);
    EXPECT_EQ(ColumnToPos(chEightBit, "a\tb", 8, 8), 2);
    EXPECT_EQ(ColumnToPos(chEightBit, "a\tb", 9, 8), 3);
    EXPECT_EQ(ColumnToPos(chEightBit, "a\tb", 11, 8), 5);
}

// A column inside a final tab's span is that tab; after it come virtual positions that map
// back to the same column.
TEST(DisplayColumns, ColumnInsideAFinalTabMapsToTheTab) {
    EXPECT_EQ(ColumnToPos(chEightBit, "a\t", 5, 8), 2);
    EXPECT_EQ(ColumnToPos(chEightBit, "a\t", 8, 8), 2);
    EXPECT_EQ(ColumnToPos(chEightBit, "a\t", 9, 8), 3);
    for (int column = 9; column < 20; ++column) {
        EXPECT_EQ(PosToColumn(chEightBit, "a\t", ColumnToPos(chEightBit, "a\t", column, 8), 8),
                  column);
    }
}

TEST(DisplayColumns, ColumnsAndPositionsRoundTripOnEveryCharacterStart) {
    const std::string line = "\tab\t\tc d\te";
    for (int tab = 1; tab <= 9; ++tab) {
        for (int p = 1; p <= static_cast<int>(line.size()) + 5; ++p) {
            EXPECT_EQ(ColumnToPos(chEightBit, line, PosToColumn(chEightBit, line, p, tab), tab), p)
                << "tab " << tab << " p " << p;
        }
    }
}

}  // namespace
}  // namespace wendax
