// The small rules behind the commands: the Time/Date text, the Go to line number, the
// filter rows of the options dialog and where the window arrangements put the windows.
#include <gtest/gtest.h>

#include "app/commands/line_number.h"
#include "app/commands/time_date.h"
#include "app/dialogs/filter_rows.h"
#include "app/frame/window_tiling.h"

namespace wendax {
namespace {

TEST(TimeDate, AfternoonWithTheUsualSeparators) {
    EXPECT_EQ(TimeDateText({2026, 12, 7, 15, 7}, ':', '/'), "3:07 PM 12/7/26");
}

TEST(TimeDate, MidnightAndNoonAreTwelveAndTheYearKeepsTwoDigits) {
    EXPECT_EQ(TimeDateText({2005, 1, 31, 0, 0}, ':', '/'), "12:00 AM 1/31/05");
    EXPECT_EQ(TimeDateText({2100, 6, 1, 12, 59}, ':', '/'), "12:59 PM 6/1/00");
    EXPECT_EQ(TimeDateText({1999, 10, 10, 11, 5}, '.', '-'), "11.05 AM 10-10-99");
}

TEST(TimeDate, TheSeparatorsComeFromTheLocalePatterns) {
    EXPECT_EQ(PatternSeparator("dd.MM.yy", '/'), '.');
    EXPECT_EQ(PatternSeparator("M/d/yy", '-'), '/');
    EXPECT_EQ(PatternSeparator("yyyy-MM-dd", '/'), '-');
    EXPECT_EQ(PatternSeparator("h:mm AP", '.'), ':');
    EXPECT_EQ(PatternSeparator("'kl'. HH.mm", ':'), '.');
    EXPECT_EQ(PatternSeparator("HHmm", ':'), ':');
}

TEST(LineNumber, DecimalNumbersAreRead) {
    EXPECT_EQ(ParseLineNumber("12"), 12);
    EXPECT_EQ(ParseLineNumber(" 7 "), 7);
    EXPECT_EQ(ParseLineNumber("+3"), 3);
    EXPECT_EQ(ParseLineNumber("0"), 0);
    EXPECT_EQ(ParseLineNumber("-4"), -4);
}

TEST(LineNumber, AnythingElseIsNoNumber) {
    for (const char* text : {"", " ", "abc", "12a", "1 2", "0x10", "1.5", "+-3", "99999999999"})
        EXPECT_EQ(ParseLineNumber(text), std::nullopt) << text;
}

TEST(FilterRows, PiecesBeforeEachBarFillNameAndMaskInTurn) {
    const TFilterRows rows = FilterRows("All files|*.*|Text files|*.txt|");
    EXPECT_EQ(rows[0], (TFilterRow{"All files", "*.*"}));
    EXPECT_EQ(rows[1], (TFilterRow{"Text files", "*.txt"}));
    EXPECT_EQ(rows[2], TFilterRow{});
}

TEST(FilterRows, TextAfterTheLastBarAndPiecesBeyondSixteenAreDropped) {
    std::string filter;
    for (int i = 1; i <= 9; ++i)
        filter += "n" + std::to_string(i) + "|m" + std::to_string(i) + "|";
    const TFilterRows rows = FilterRows(filter + "tail");
    EXPECT_EQ(rows[7], (TFilterRow{"n8", "m8"}));
    EXPECT_EQ(FilterFromRows(rows).find("n9"), std::string::npos);
    EXPECT_EQ(FilterRows("a|b|c")[1], TFilterRow{});
    EXPECT_EQ(FilterRows("a|b|c|")[1], (TFilterRow{"c", ""}));
}

TEST(FilterRows, OnlyCompleteRowsMakeTheFilter) {
    TFilterRows rows;
    rows[0] = {"Text", "*.txt"};
    rows[1] = {"Only a name", ""};
    rows[2] = {"", "*.c"};
    rows[5] = {"C", "*.c;*.h"};
    EXPECT_EQ(FilterFromRows(rows), "Text|*.txt|C|*.c;*.h|");
    EXPECT_EQ(FilterFromRows(TFilterRows{}), "");
}

TEST(FilterRows, AFilterOfCompleteRowsSurvivesTheRoundTrip) {
    const std::string filter = "All files|*.*|Text files|*.txt|Sources|*.cpp;*.h|";
    EXPECT_EQ(FilterFromRows(FilterRows(filter)), filter);
}

TEST(WindowTiling, SideBySideColumnsCoverTheAreaExactly) {
    const auto rects = TileRects({0, 0, 100, 50}, 3, tdVertical);
    EXPECT_EQ(rects, (std::vector<TRect>{{0, 0, 33, 50}, {33, 0, 66, 50}, {66, 0, 100, 50}}));
}

TEST(WindowTiling, OneAboveTheOtherRowsCoverTheAreaExactly) {
    const auto rects = TileRects({10, 20, 110, 120}, 2, tdHorizontal);
    EXPECT_EQ(rects, (std::vector<TRect>{{10, 20, 110, 70}, {10, 70, 110, 120}}));
    EXPECT_TRUE(TileRects({0, 0, 10, 10}, 0, tdVertical).empty());
}

TEST(WindowTiling, TilesNeverOverlapAndDifferByAtMostOnePixel) {
    for (int count = 1; count <= 13; ++count)
        for (const TTileDirection direction : {tdVertical, tdHorizontal}) {
            const auto rects = TileRects({0, 0, 997, 601}, count, direction);
            ASSERT_EQ(static_cast<int>(rects.size()), count);
            int smallest = 1 << 30, largest = 0;
            for (std::size_t i = 0; i < rects.size(); ++i) {
                const int size = direction == tdVertical ? rects[i].Width() : rects[i].Height();
                smallest = std::min(smallest, size);
                largest = std::max(largest, size);
                if (i > 0) {
                    EXPECT_EQ(direction == tdVertical ? rects[i].Left : rects[i].Top,
                              direction == tdVertical ? rects[i - 1].Right : rects[i - 1].Bottom);
                }
            }
            EXPECT_LE(largest - smallest, 1) << count;
            EXPECT_EQ(direction == tdVertical ? rects.back().Right : rects.back().Bottom,
                      direction == tdVertical ? 997 : 601);
        }
}

TEST(WindowTiling, IconsLineUpAlongTheBottomAndStackUpwards) {
    const auto rects = IconRects({0, 0, 250, 300}, {100, 30}, 5);
    EXPECT_EQ(rects, (std::vector<TRect>{{0, 270, 100, 300},
                                         {100, 270, 200, 300},
                                         {0, 240, 100, 270},
                                         {100, 240, 200, 270},
                                         {0, 210, 100, 240}}));
}

TEST(WindowTiling, AnAreaNarrowerThanAnIconStillHoldsOnePerRow) {
    const auto rects = IconRects({0, 0, 50, 100}, {80, 20}, 2);
    EXPECT_EQ(rects, (std::vector<TRect>{{0, 80, 80, 100}, {0, 60, 80, 80}}));
}

}  // namespace
}  // namespace wendax
