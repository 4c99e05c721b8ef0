// The editor's fixed font and colour pair, the XPM reader behind the bookmark glyphs, and
// the split of a painted row into runs.
#include <gtest/gtest.h>

#include <iterator>

#include "base/exceptions.h"
#include "control/colors.h"
#include "control/fixed_font.h"
#include "control/marker_glyphs.h"
#include "control/row_runs.h"
#include "control/xpm_image.h"
#include "platform/headless/headless_platform.h"

namespace wendax {
namespace {

class FixedFont : public testing::Test {
  protected:
    THeadlessPlatform platform;  // its families: "Fixedsys", "Courier New", "Terminal"
};

TEST_F(FixedFont, ANewFontTakesTheFirstFixedFamily) {
    TOvcFixedFont font;
    EXPECT_EQ(font.Name(), FixedFontNames().front());
    EXPECT_EQ(font.Color(), SystemColor(sciWindowText));
}

TEST_F(FixedFont, OnlyFixedFamiliesAreTakenAsNames) {
    TOvcFixedFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetName("Arial");
    EXPECT_EQ(font.Name(), FixedFontNames().front());
    EXPECT_EQ(changes, 0);
    font.SetName("courier new");
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_EQ(changes, 1);
}

TEST_F(FixedFont, EveryChangeTellsTheOwnerAndUnchangedValuesDoNot) {
    TOvcFixedFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetSize(font.Size() + 1);
    font.SetSize(font.Size());
    font.SetSize(0);
    font.SetStyle(fsBold | fsItalic);
    font.SetStyle(fsBold | fsItalic);
    font.SetColor(0x0000FF);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(font.Request().Bold);
    EXPECT_TRUE(font.Request().Italic);
}

TEST_F(FixedFont, AssigningAPlainFontNeedsAFixedFamily) {
    TOvcFixedFont font;
    font.Assign(TFontRequest{"Terminal", 14, true, false}, 0x123456);
    EXPECT_EQ(font.Name(), "Terminal");
    EXPECT_EQ(font.Size(), 14);
    EXPECT_EQ(font.Style(), fsBold);
    EXPECT_EQ(font.Color(), 0x123456u);
    try {
        font.Assign(TFontRequest{"Arial", 9, false, false}, 0);
        FAIL() << "no exception";
    } catch (const EInvalidFixedFont& e) {
        EXPECT_STREQ(e.what(), "Invalid font assignment. Font must be a fixed font");
    }
    EXPECT_EQ(font.Name(), "Terminal");
    EXPECT_EQ(font.Size(), 14);
}

TEST_F(FixedFont, AssigningAnotherFixedFontCopiesItAndAnythingElseFails) {
    TOvcFixedFont source;
    source.SetName("Terminal");
    source.SetColor(7);
    TOvcFixedFont font;
    font.Assign(source);
    EXPECT_EQ(font.Request(), source.Request());
    EXPECT_EQ(font.Color(), 7u);
    class TOther : public TOvcPersistent {
        void Assign(const TOvcPersistent&) override {}
    } other;
    EXPECT_THROW(font.Assign(other), EInvalidFontParam);
    try {
        font.Assign(other);
    } catch (const EFixedFontError& e) {
        EXPECT_STREQ(e.what(), "Invalid font assignemnt. Font must be a TFont or TOvcFixedFont");
    }
}

TEST(Colors, ColoursOtherThanTheDefaultsClearUseDefaultAndTrueRestoresThem) {
    TOvcColors colors(1, 2);
    int changes = 0;
    colors.OnChange = [&] { ++changes; };
    EXPECT_TRUE(colors.UseDefault());
    colors.SetBackColor(1);
    EXPECT_EQ(changes, 0);
    colors.SetBackColor(5);
    EXPECT_FALSE(colors.UseDefault());
    colors.SetTextColor(6);
    EXPECT_EQ(changes, 2);
    colors.SetUseDefault(true);
    EXPECT_EQ(colors.BackColor(), 1u);
    EXPECT_EQ(colors.TextColor(), 2u);
    EXPECT_EQ(changes, 3);
    TOvcColors other(9, 9);
    other.Assign(colors);
    EXPECT_EQ(other.BackColor(), 1u);
    EXPECT_FALSE(other.UseDefault());
}

TEST(Xpm, ReadsColoursAndTransparentPixels) {
    static const char* const picture[] = {"3 2 2 1", "  c None", "x c #102030", "x x", " x "};
    const TBitmap bitmap = ReadXpm(picture, std::size(picture));
    ASSERT_EQ(bitmap.Width, 3);
    ASSERT_EQ(bitmap.Height, 2);
    EXPECT_EQ(bitmap.Pixels,
              (std::vector<std::uint32_t>{0xFF102030, 0, 0xFF102030, 0, 0xFF102030, 0}));
}

TEST(Xpm, AnIllFormedPictureIsEmpty) {
    static const char* const shortRow[] = {"3 1 1 1", "x c #000000", "xx"};
    static const char* const unknown[] = {"1 1 1 1", "x c #000000", "y"};
    static const char* const badColor[] = {"1 1 1 1", "x c red", "x"};
    static const char* const missing[] = {"1 2 1 1", "x c #000000", "x"};
    EXPECT_TRUE(ReadXpm(shortRow, std::size(shortRow)).IsEmpty());
    EXPECT_TRUE(ReadXpm(unknown, std::size(unknown)).IsEmpty());
    EXPECT_TRUE(ReadXpm(badColor, std::size(badColor)).IsEmpty());
    EXPECT_TRUE(ReadXpm(missing, std::size(missing)).IsEmpty());
}

TEST(MarkerGlyphs, TenGlyphsOfTwelveByTwelveThatDiffer) {
    const TBitmap& glyphs = MarkerGlyphs();
    ASSERT_EQ(glyphs.Width, 120);
    ASSERT_EQ(glyphs.Height, 12);
    std::vector<std::vector<std::uint32_t>> seen;
    for (int n = 0; n < 10; ++n) {
        std::vector<std::uint32_t> glyph;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                glyph.push_back(glyphs.Pixels[static_cast<std::size_t>(y * 120 + 12 * n + x)]);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), glyph), 0) << "glyph " << n;
        seen.push_back(glyph);
    }
}

std::string Runs(std::int32_t length, std::int32_t start, std::int32_t end) {
    const TRowRuns runs = SplitRow(length, start, end);
    std::string out;
    for (int i = 0; i < runs.Count; ++i) {
        const TRowRun& run = runs.Runs[static_cast<std::size_t>(i)];
        out += (run.Highlighted ? "{" : "[") + std::to_string(run.Start) + "+" +
               std::to_string(run.Length) + (run.Highlighted ? "}" : "]");
    }
    return out;
}

TEST(RowRuns, AtMostThreeRunsAndAPlainOneAfterAHighlightedEnd) {
    EXPECT_EQ(Runs(0, 0, 0), "");
    EXPECT_EQ(Runs(5, 5, 5), "[0+5]");
    EXPECT_EQ(Runs(5, 1, 3), "[0+1]{1+2}[3+2]");
    EXPECT_EQ(Runs(5, 0, 5), "{0+5}[5+0]");
    EXPECT_EQ(Runs(5, 2, 9), "[0+2]{2+3}[5+0]");
    EXPECT_EQ(Runs(5, -3, 2), "{0+2}[2+3]");
    EXPECT_EQ(Runs(5, 4, 2), "[0+5]");
}

// Every split covers the row once, in order, in at most three runs.
TEST(RowRuns, RunsCoverTheRowInOrderForAnyBounds) {
    for (int length = 0; length <= 6; ++length) {
        for (int start = -2; start <= 8; ++start) {
            for (int end = -2; end <= 8; ++end) {
                const TRowRuns runs = SplitRow(length, start, end);
                ASSERT_LE(runs.Count, 3);
                std::int32_t next = 0;
                for (int i = 0; i < runs.Count; ++i) {
                    const TRowRun& run = runs.Runs[static_cast<std::size_t>(i)];
                    ASSERT_EQ(run.Start, next) << length << " " << start << " " << end;
                    next += run.Length;
                }
                ASSERT_EQ(next, length);
            }
        }
    }
}

}  // namespace
}  // namespace wendax
