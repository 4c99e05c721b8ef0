// Painting the editor through a headless window: the runs of each row with the highlight,
// tab expansion and the horizontal cut, bookmark glyphs, margins, the partial row, what a
// paint covers and what an edit invalidates.
#include <set>

#include "tests/control/view_test_support.h"

namespace wendax::test {
namespace {

constexpr TColor kHigh = SystemColor(sciHighlight);

class EditorPaint : public testing::Test {
  protected:
    std::string Row(int row) { return RowRuns(f.PaintAll(), row, kHigh); }
    int TextRight() const { return kLeftMargin + f.Editor.VisibleColumns() * kCellWidth; }
    const THeadlessPaintOp* FindText(const THeadlessSurface& paint, std::string_view text) {
        for (const THeadlessPaintOp& op : paint.Ops)
            if (op.Kind == pkTextOut && op.Text == text) return &op;
        return nullptr;
    }

    TViewFixture f;
};

TEST_F(EditorPaint, APlainLineIsOneRunReachingTheTextRectanglesRightEdge) {
    f.Open("abc\ndef", 5, 20);
    const THeadlessSurface& paint = f.PaintAll();
    EXPECT_EQ(RowRuns(paint, 1, kHigh), "[abc]");
    EXPECT_EQ(RowRuns(paint, 2, kHigh), "[def]");
    const THeadlessPaintOp* abc = FindText(paint, "abc");
    ASSERT_NE(abc, nullptr);
    EXPECT_EQ(abc->Point, (TPoint{kLeftMargin, 1}));
    EXPECT_EQ(abc->Rect, (TRect{kLeftMargin, 0, TextRight(), kLineHeight}));
    EXPECT_EQ(abc->Fore, f.Editor.FixedFont().Color());
    EXPECT_EQ(abc->Back, f.Editor.Color());
}

TEST_F(EditorPaint, RowsBelowTheTextAreFilledWithTheBackground) {
    f.Open("abc", 5, 20);
    EXPECT_EQ(Row(2), "<fill>");
    EXPECT_EQ(Row(5), "<fill>");
}

TEST_F(EditorPaint, AHighlightInsideALineMakesThreeRunsInTheHighlightColours) {
    f.Open("a[bc|]de");
    const THeadlessSurface& paint = f.PaintAll();
    EXPECT_EQ(RowRuns(paint, 1, kHigh), "[a]{bc}[de]");
    const THeadlessPaintOp* high = FindText(paint, "bc");
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->Fore, SystemColor(sciHighlightText));
    EXPECT_EQ(high->Rect,
              (TRect{kLeftMargin + kCellWidth, 0, kLeftMargin + 3 * kCellWidth, kLineHeight}));
}

TEST_F(EditorPaint, AHighlightToTheLineEndColoursOnlyTheCharacters) {
    f.Open("ab[cd\nef|]gh");
    const THeadlessSurface& paint = f.PaintAll();
    EXPECT_EQ(RowRuns(paint, 1, kHigh), "[ab]{cd}[]");
    EXPECT_EQ(RowRuns(paint, 2, kHigh), "{ef}[gh]");
    const THeadlessPaintOp* high = FindText(paint, "cd");
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->Rect.Right, kLeftMargin + 4 * kCellWidth);
}

TEST_F(EditorPaint, LinesStrictlyInsideTheHighlightAreHighlightedWhole) {
    f.Open("a[b\ncde\n\nf|]g");
    EXPECT_EQ(Row(2), "{cde}[]");
    EXPECT_EQ(Row(3), "<fill>");
    EXPECT_EQ(Row(4), "{f}[g]");
}

TEST_F(EditorPaint, TabsAreExpandedToTheNextTabStop) {
    f.Open("a\tb\n[x\t|]y");
    EXPECT_EQ(Row(1), "[a       b]");
    EXPECT_EQ(Row(2), "{x       }[y]");
    f.Editor.SetTabSize(4);
    EXPECT_EQ(Row(1), "[a   b]");
}

TEST_F(EditorPaint, TheHorizontalCutDropsLeftColumnsAndKeepsTheVisibleOnes) {
    f.Open("abcdefghijklmnopqrstuvwxyz\nab\n[|abcdefghij]klm", 5, 10);
    f.Editor.ScrollColumns(5);
    EXPECT_EQ(f.Editor.LeftColumn(), 5);
    const THeadlessSurface& paint = f.PaintAll();
    EXPECT_EQ(RowRuns(paint, 1, kHigh), "[fghijklmno]");
    EXPECT_EQ(RowRuns(paint, 2, kHigh), "<fill>");
    EXPECT_EQ(RowRuns(paint, 3, kHigh), "{fghij}[klm]");
}

TEST_F(EditorPaint, ThePartialRowBelowTheLastWholeRowIsFilled) {
    f.Open("a\nb\nc\nd", 2, 20);
    f.Window->Resize({kLeftMargin + 5 + 20 * kCellWidth, 2 * kLineHeight + 9});
    ASSERT_EQ(f.Editor.VisibleRows(), 2);
    const THeadlessSurface& paint = f.PaintAll();
    const TRect partial{kLeftMargin, 2 * kLineHeight, TextRight(), 2 * kLineHeight + 9};
    bool filled = false;
    for (const THeadlessPaintOp& op : paint.Ops)
        filled |= op.Kind == pkFillRect && op.Rect == partial;
    EXPECT_TRUE(filled);
    EXPECT_EQ(FindText(paint, "c"), nullptr);
}

TEST_F(EditorPaint, BothMarginsAreFilledOverTheClipHeight) {
    f.Open("abc", 4, 20);
    const int width = f.Window->ClientSize().Width;
    f.Window->Invalidate({0, kLineHeight, width, 2 * kLineHeight});
    ASSERT_TRUE(f.Window->PaintInvalid());
    const THeadlessSurface& paint = f.LastPaint();
    ASSERT_GE(paint.Ops.size(), 3u);
    EXPECT_EQ(paint.Ops[0].Kind, pkSelectFont);
    EXPECT_EQ(paint.Ops[1].Rect, (TRect{0, kLineHeight, kLeftMargin, 2 * kLineHeight}));
    EXPECT_EQ(paint.Ops[2].Rect, (TRect{TextRight(), kLineHeight, width, 2 * kLineHeight}));
}

TEST_F(EditorPaint, OnlyTheRowsInsideTheClipAreDrawn) {
    f.Open("one\ntwo\nthree\nfour", 4, 20);
    f.Window->Invalidate({0, 2 * kLineHeight + 3, 50, 2 * kLineHeight + 5});
    ASSERT_TRUE(f.Window->PaintInvalid());
    EXPECT_EQ(RowRuns(f.LastPaint(), 3, kHigh), "[three]");
    for (int row : {1, 2, 4})
        EXPECT_EQ(RowRuns(f.LastPaint(), row, kHigh), "") << row;
}

TEST_F(EditorPaint, EachLineShowsTheGlyphOfItsLowestBookmark) {
    f.Open("a\nb\nc\nd\ne", 5, 20);
    f.Editor.SetMarkerAt(3, 2, 1);
    f.Editor.SetMarkerAt(1, 2, 2);
    f.Editor.SetMarkerAt(5, 4, 1);
    const THeadlessSurface& paint = f.PaintAll();
    EXPECT_EQ(GlyphRows(paint), (std::vector<std::string>{"2:1", "4:5"}));
    for (const THeadlessPaintOp& op : paint.Ops) {
        if (op.Kind != pkDrawBitmap) continue;
        EXPECT_EQ(op.BitmapSize, (TSize{120, 12}));
        EXPECT_EQ(op.Rect.Width(), 12);
        EXPECT_EQ(op.Point.X, 1);
        EXPECT_EQ(op.Point.Y % kLineHeight, (kLineHeight - 12) / 2);
    }
}

// A paragraph that continues the line of the file its predecessor began is marked in the
// margin on its first row, in the text colour; split and joined again, the mark follows.
TEST_F(EditorPaint, TheFirstRowOfAContinuationIsMarkedInTheLeftMargin) {
    f.Open("aaaa\nbbbb\ncc", 5, 20);
    const auto markedRows = [&] {
        std::set<int> rows;
        for (const THeadlessPaintOp& op : f.PaintAll().Ops) {
            if (op.Kind == pkFillRect && op.Back == f.Editor.FixedFont().Color() &&
                op.Rect.Right <= kLeftMargin)
                rows.insert(op.Rect.Top / kLineHeight + 1);
        }
        return rows;
    };
    EXPECT_EQ(markedRows(), std::set<int>{});
    f.Editor.Store().SetLineEnd(1, leNone);  // "bbbb" goes on the line of "aaaa"
    EXPECT_EQ(markedRows(), std::set<int>{2});
    f.Editor.SetCaretParaPos({2, 3});
    f.Editor.ProcessCommand(ccNewLine, 0);  // a real line break inside that line
    EXPECT_EQ(markedRows(), std::set<int>{2});
    f.Editor.SetCaretParaPos({1, 5});
    f.Editor.ProcessCommand(ccDel, 0);  // the join takes the line end of "bb"
    EXPECT_EQ(markedRows(), std::set<int>{});
    EXPECT_EQ(f.Editor.CheckInvariants(), "");
}

TEST_F(EditorPaint, BookmarkGlyphsScrollWithTheirLines) {
    f.Open("a\nb\nc\nd\ne\nf", 3, 20);
    f.Editor.SetMarkerAt(0, 4, 1);
    EXPECT_TRUE(GlyphRows(f.PaintAll()).empty());
    f.Window->Scrolls.clear();
    f.Editor.ScrollLines(2);
    ASSERT_EQ(f.Window->Scrolls.size(), 2u);
    EXPECT_EQ(f.Window->Scrolls[1].Rect, (TRect{0, 0, kLeftMargin, 3 * kLineHeight}));
    EXPECT_EQ(f.Window->Scrolls[1].Dy, -2 * kLineHeight);
    EXPECT_EQ(GlyphRows(f.LastPaint()), (std::vector<std::string>{"2:0"}));
}

TEST_F(EditorPaint, NoGlyphsInAMarginNarrowerThanAGlyphOrWithBookmarksOff) {
    f.Open("a\nb", 2, 20);
    f.Editor.SetMarkerAt(0, 1, 1);
    EXPECT_EQ(GlyphRows(f.PaintAll()).size(), 1u);
    f.Editor.SetLeftMargin(11);
    EXPECT_TRUE(GlyphRows(f.PaintAll()).empty());
    f.Editor.SetLeftMargin(12);
    EXPECT_EQ(GlyphRows(f.PaintAll()).size(), 1u);
    f.Editor.SetShowBookmarks(false);
    EXPECT_TRUE(GlyphRows(f.PaintAll()).empty());
    f.Editor.SetShowBookmarks(true);
    EXPECT_EQ(GlyphRows(f.PaintAll()).size(), 1u);
}

TEST_F(EditorPaint, WithHideSelectionTheHighlightShowsOnlyWithTheFocus) {
    f.Open("a[bc|]d");
    f.Window->SetFocused(false);
    EXPECT_TRUE(f.Window->PaintInvalid());
    EXPECT_EQ(RowRuns(f.LastPaint(), 1, kHigh), "[abcd]");
    f.Window->SetFocused(true);
    EXPECT_TRUE(f.Window->PaintInvalid());
    EXPECT_EQ(RowRuns(f.LastPaint(), 1, kHigh), "[a]{bc}[d]");
    f.Editor.SetHideSelection(false);
    f.Window->SetFocused(false);
    EXPECT_EQ(Row(1), "[a]{bc}[d]");
}

TEST_F(EditorPaint, ADisabledEditorDrawsGreyTextAndNoHighlight) {
    f.Open("a[bc|]d");
    f.Editor.SetEnabled(false);
    const THeadlessSurface& paint = f.PaintAll();
    EXPECT_EQ(RowRuns(paint, 1, kHigh), "[abcd]");
    EXPECT_EQ(FindText(paint, "abcd")->Fore, SystemColor(sciGrayText));
}

TEST_F(EditorPaint, NewHighlightColoursRepaintAtOnce) {
    f.Open("a[bc|]d");
    const std::size_t paints = f.Window->Paints.size();
    f.Editor.HighlightColors().SetBackColor(0x00FF00);
    EXPECT_EQ(f.Window->Paints.size(), paints + 1);
    EXPECT_EQ(RowRuns(f.LastPaint(), 1, 0x00FF00), "[a]{bc}[d]");
    EXPECT_FALSE(f.Editor.HighlightColors().UseDefault());
}

TEST_F(EditorPaint, OnDrawLineSeesTheExpandedLineAndMayDrawItItself) {
    f.Open("x\n\tab[cd\nef|]g", 4, 10);
    f.Editor.ScrollColumns(3 - f.Editor.LeftColumn());
    std::vector<TEditorDrawLine> seen;
    std::vector<std::string> texts;
    f.Editor.OnDrawLine = [&](TOvcCustomEditor&, TEditorDrawLine& line) {
        seen.push_back(line);
        texts.emplace_back(line.S);
        line.WasDrawn = line.Line == 2;
    };
    const THeadlessSurface& paint = f.PaintAll();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(texts[0], "");  // "x" lies wholly left of the view
    EXPECT_EQ(texts[1], "        abcd");
    EXPECT_EQ(seen[1].Len, 12);
    EXPECT_EQ(seen[1].Line, 2);
    EXPECT_EQ(seen[1].Pos, 3);
    EXPECT_EQ(seen[1].Count, 10);
    EXPECT_EQ(seen[1].Rect, (TRect{kLeftMargin, kLineHeight, TextRight(), 2 * kLineHeight}));
    EXPECT_EQ((std::vector<int>{seen[1].HBLine, seen[1].HBCol, seen[1].HELine, seen[1].HECol}),
              (std::vector<int>{2, 11, 3, 3}));
    EXPECT_EQ(RowRuns(paint, 2, kHigh), "");
    EXPECT_EQ(RowRuns(paint, 3, kHigh), "<fill>");
}

TEST_F(EditorPaint, AKeystrokeInvalidatesOnlyItsRow) {
    f.Open("a\nb\nc\n|d\ne\nf", 6, 20);
    f.Window->Invalidations.clear();
    f.Type({"x"});
    ASSERT_FALSE(f.Window->Invalidations.empty());
    for (const TRect& rect : f.Window->Invalidations)
        EXPECT_EQ(rect, (TRect{0, 3 * kLineHeight, f.Window->ClientSize().Width, 4 * kLineHeight}));
    EXPECT_EQ(RowRuns(f.LastPaint(), 4, kHigh), "[xd]");
    EXPECT_EQ(RowRuns(f.LastPaint(), 3, kHigh), "");
}

TEST_F(EditorPaint, AFontChangeMeasuresTheCellsAgainAndRepaints) {
    f.Open("abc", 4, 20);
    const std::size_t paints = f.Window->Paints.size();
    f.Window->Metrics.AveCharWidth = 10;
    f.Window->Metrics.Height = 20;
    f.Editor.FixedFont().SetSize(f.Editor.FixedFont().Size() + 2);
    EXPECT_EQ(f.Editor.CharWidth(), 10);
    EXPECT_EQ(f.Editor.LineHeight(), 22);
    EXPECT_GT(f.Window->Paints.size(), paints);
    EXPECT_EQ(f.LastPaint().Ops[0].Font, f.Editor.FixedFont().Request());
    EXPECT_EQ(f.Window->Caret.Size, (TSize{2, 22}));
}

}  // namespace
}  // namespace wendax::test
