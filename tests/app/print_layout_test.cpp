#include "app/printing/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/printing/print_text.h"

namespace wendax {
namespace {

struct TDrawn {
    int Page, X, Y;
    std::string Text;
    friend bool operator==(const TDrawn&, const TDrawn&) = default;
    friend std::ostream& operator<<(std::ostream& out, const TDrawn& d) {
        return out << "page " << d.Page << " (" << d.X << "," << d.Y << ") '" << d.Text << "'";
    }
};

// A page of fixed-width characters, 10 units wide and 12 high, that records what is drawn.
class TRecordingSurface : public TPrintSurface {
  public:
    TRecordingSurface(int width, int height) : FWidth(width), FHeight(height) {}

    int PageWidth() const override { return FWidth; }
    int PageHeight() const override { return FHeight; }
    int CharHeight() const override { return 12; }
    int AverageCharWidth() const override { return 10; }
    int TextWidth(std::string_view text) const override {
        return 10 * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view) const override { return 12; }
    void DrawText(int x, int y, std::string_view text) override {
        Drawn.push_back({Page, x, y, std::string(text)});
    }
    void NewPage() override { ++Page; }

    int Page = 1;
    std::vector<TDrawn> Drawn;

  private:
    int FWidth;
    int FHeight;
};

TEST(PrintLayout, LinesStartAtTheLeftEdgeFromTheTopAndAdvanceByTheirHeightPlusTwo) {
    TRecordingSurface page(1000, 1000);
    TPrintLayout layout(page);
    for (const char* line : {"one", "two", "three"}) {
        layout.Write(line);
        layout.EndLine();
    }
    EXPECT_EQ(page.Drawn,
              (std::vector<TDrawn>{{1, 0, 0, "one"}, {1, 0, 14, "two"}, {1, 0, 28, "three"}}));
}

TEST(PrintLayout, AnEmptyLineAdvancesByTheCharacterHeightOnly) {
    TRecordingSurface page(1000, 1000);
    TPrintLayout layout(page);
    layout.EndLine();
    EXPECT_EQ(layout.Y(), 12);
    layout.Write("x");
    layout.EndLine();
    EXPECT_EQ(layout.Y(), 26);
}

TEST(PrintLayout, ATooWideLineContinuesOnTheNextLineBrokenInsideAWord) {
    TRecordingSurface page(45, 1000);  // four characters fit
    TPrintLayout layout(page);
    layout.Write("abcdefghij");
    layout.EndLine();
    EXPECT_EQ(page.Drawn,
              (std::vector<TDrawn>{{1, 0, 0, "abcd"}, {1, 0, 14, "efgh"}, {1, 0, 28, "ij"}}));
    EXPECT_EQ(layout.Y(), 42);
}

TEST(PrintLayout, ANewPageStartsWhenLessThanTwoLinesRemain) {
    // Page height 60, line height 14: after a line end at y, a new page starts once
    // y > 60 - 28 = 32, so lines stand at 0, 14, 28 and the fourth starts page 2.
    TRecordingSurface page(1000, 60);
    TPrintLayout layout(page);
    for (int i = 0; i < 5; ++i) {
        layout.Write(std::to_string(i));
        layout.EndLine();
    }
    EXPECT_EQ(
        page.Drawn,
        (std::vector<TDrawn>{
            {1, 0, 0, "0"}, {1, 0, 14, "1"}, {1, 0, 28, "2"}, {2, 0, 0, "3"}, {2, 0, 14, "4"}}));
}

TEST(PrintLayout, ATextEndingWhereAPageEndsLeavesNoBlankPage) {
    TRecordingSurface page(1000, 60);  // three lines a page, as above
    TPrintLayout layout(page);
    for (int i = 0; i < 3; ++i) {
        layout.Write(std::to_string(i));
        layout.EndLine();
    }
    EXPECT_EQ(page.Page, 1);
    layout.EndLine();  // empty lines draw nothing and start no page either
    EXPECT_EQ(page.Page, 1);
    layout.Write("3");
    EXPECT_EQ(page.Drawn.back(), (TDrawn{2, 0, 12, "3"}));
}

TEST(PrintLayout, AFinalFormFeedLeavesNoBlankPageButTwoInARowDo) {
    TRecordingSurface page(1000, 1000);
    TPrintLayout layout(page);
    layout.Write("a\f");
    EXPECT_EQ(page.Page, 1);
    layout.Write("\f\fb");
    EXPECT_EQ(page.Drawn.back(), (TDrawn{4, 0, 0, "b"}));
}

TEST(PrintLayout, AFormFeedStartsANewPageAndACarriageReturnOnlyEndsARun) {
    TRecordingSurface page(1000, 1000);
    TPrintLayout layout(page);
    layout.Write("ab\rcd\fef");
    EXPECT_EQ(page.Drawn,
              (std::vector<TDrawn>{{1, 0, 0, "ab"}, {1, 20, 0, "cd"}, {2, 0, 0, "ef"}}));
}

TEST(PrintLayout, ATabAdvancesToTheNextMultipleOfEightAverageWidths) {
    TRecordingSurface page(1000, 1000);
    TPrintLayout layout(page);
    layout.Write("a\tb\t\tc");
    EXPECT_EQ(page.Drawn, (std::vector<TDrawn>{{1, 0, 0, "a"}, {1, 80, 0, "b"}, {1, 240, 0, "c"}}));
}

TEST(PrintLayout, ARunAfterATabThatDoesNotFitStartsTheNextLine) {
    TRecordingSurface page(100, 1000);
    TPrintLayout layout(page);
    layout.Write("\t\tabc");
    EXPECT_EQ(page.Drawn, (std::vector<TDrawn>{{1, 0, 12, "abc"}}));
}

TEST(PrintLayout, APageNarrowerThanOneCharacterStillPrintsEveryCharacter) {
    TRecordingSurface page(5, 1000);
    TPrintLayout layout(page);
    layout.Write("abc");
    layout.EndLine();
    EXPECT_EQ(page.Drawn, (std::vector<TDrawn>{{1, 0, 0, "a"}, {1, 0, 14, "b"}, {1, 0, 28, "c"}}));
}

// Differential check against a plain model: for random line lengths and page sizes the
// characters come out in order, never beyond the page, each piece as long as fits.
TEST(PrintLayout, RandomLinesComeOutWholeAndWithinThePage) {
    const unsigned seed = 20240601;
    std::srand(seed);
    for (int round = 0; round < 200; ++round) {
        const int width = 10 + std::rand() % 100;
        const int height = 40 + std::rand() % 200;
        TRecordingSurface page(width, height);
        TPrintLayout layout(page);
        std::string all;
        for (int line = 0; line < 20; ++line) {
            std::string text(static_cast<std::size_t>(std::rand() % 30), 'a');
            for (char& c : text)
                c = static_cast<char>('a' + std::rand() % 26);
            all += text;
            layout.Write(text);
            layout.EndLine();
        }
        std::string printed;
        for (const TDrawn& drawn : page.Drawn) {
            printed += drawn.Text;
            ASSERT_LE(drawn.X + 10 * static_cast<int>(drawn.Text.size()), std::max(width, 10))
                << "seed " << seed << " round " << round;
            ASSERT_LE(drawn.Y, height - 14) << "seed " << seed << " round " << round;
        }
        ASSERT_EQ(printed, all) << "seed " << seed << " round " << round;
    }
}

}  // namespace
}  // namespace wendax
