// The editor's view through a headless window: cells from the client size, scroll ranges,
// ScrollBy, page and top/bottom-of-page moves, keeping the caret in view, the status
// report, and repaint requests.
#include "base/exceptions.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

std::int32_t CaretLine(TOvcCustomEditor& editor) {
    std::int32_t col = 0;
    return editor.GetCaretPosition(col);
}

class EditorView : public testing::Test {
  protected:
    // A window of 20 rows by 80 columns over 100 lines, caret on line `caretLine`.
    void Open100(int caretLine = 1) {
        f.OpenWindow(20);
        f.Load(NumberedLines(100, caretLine));
    }
    const THeadlessScrollBar& Bar(TScrollBarKind bar) { return f.Window->ScrollBars[bar]; }

    TEditorFixture f;
};

TEST_F(EditorView, CellsComeFromTheClientSizeMarginsAndFont) {
    f.OpenWindow(20, 80);
    EXPECT_EQ(f.Editor.VisibleRows(), 20);
    EXPECT_EQ(f.Editor.VisibleColumns(), 80);
    EXPECT_EQ(f.Editor.CharWidth(), kCellWidth);
    EXPECT_EQ(f.Editor.LineHeight(), kLineHeight);
    f.Window->Resize({15 + 5 + 80 * kCellWidth + 7, 20 * kLineHeight + 16});
    EXPECT_EQ(f.Editor.VisibleColumns(), 80);
    EXPECT_EQ(f.Editor.VisibleRows(), 20);
    f.Editor.SetLeftMargin(15 + kCellWidth);
    EXPECT_EQ(f.Editor.VisibleColumns(), 79);
}

TEST_F(EditorView, ATinyWindowStillShowsOneRowAndOneColumn) {
    f.OpenWindow(20);
    f.Window->Resize({10, 5});
    EXPECT_EQ(f.Editor.VisibleColumns(), 1);
    EXPECT_EQ(f.Editor.VisibleRows(), 1);
}

TEST_F(EditorView, TheVerticalRangeCoversTheTopLinesThatCanBeShown) {
    Open100();
    EXPECT_EQ(f.Editor.VScrollScale(), 1);
    EXPECT_EQ(Bar(sbVertical).Min, 1);
    EXPECT_EQ(Bar(sbVertical).Max, 81);
}

TEST_F(EditorView, ALongTextScalesTheVerticalRange) {
    f.OpenWindow(20);
    std::string text = "|";
    for (int i = 0; i < 99999; ++i)
        text += "x\n";
    f.Load(text);
    ASSERT_EQ(f.Editor.LineCount(), 100000);
    EXPECT_EQ(f.Editor.VScrollScale(), 6);
    EXPECT_EQ(f.Editor.VScrollRange(), 16663);
    EXPECT_EQ(Bar(sbVertical).Max, 16663);
    f.Editor.SetTopLine(60000);
    EXPECT_EQ(Bar(sbVertical).Pos, 10000);
}

TEST_F(EditorView, AShortTextHasNothingToScroll) {
    f.OpenWindow(20);
    f.Load(NumberedLines(5));
    EXPECT_EQ(Bar(sbVertical).Min, 1);
    EXPECT_EQ(Bar(sbVertical).Max, 1);
    f.Editor.SetScrollBarsAlways(true);
    EXPECT_EQ(Bar(sbVertical).Max, 2);
}

TEST_F(EditorView, TheHorizontalRangeIsTheParagraphLimitOrTheWrapColumn) {
    f.OpenWindow(20, 80);
    f.Load("|abc");
    EXPECT_EQ(f.Editor.HScrollRange(), 512);
    EXPECT_EQ(Bar(sbHorizontal).Max, 512);
    f.Editor.SetWordWrap(true);
    EXPECT_EQ(f.Editor.HScrollRange(), 80);
    EXPECT_EQ(Bar(sbHorizontal).Max, 0);  // all 80 columns fit: no bar
    f.Editor.SetScrollBarsAlways(true);
    EXPECT_EQ(Bar(sbHorizontal).Max, 80);
    f.Editor.SetScrollBars(ssVertical);
    EXPECT_FALSE(f.Window->Frame.HorzScrollBar);
    EXPECT_EQ(Bar(sbHorizontal).Max, 0);
    f.Editor.SetScrollBars(ssNone);
    EXPECT_FALSE(f.Editor.ScrollBarsAlways());
    EXPECT_EQ(Bar(sbVertical).Max, 0);
}

TEST_F(EditorView, ScrollByKeepsTheTopLineWithinTheText) {
    Open100();
    f.Editor.SetTopLine(3);
    f.Editor.ScrollBy(0, -5);
    EXPECT_EQ(f.Editor.TopLine(), 1);
    f.Editor.ScrollBy(0, 1000);
    EXPECT_EQ(f.Editor.TopLine(), 81);
    f.Editor.ScrollBy(-5, 0);
    EXPECT_EQ(f.Editor.LeftColumn(), 0);
    f.Editor.ScrollBy(7, 0);
    EXPECT_EQ(f.Editor.LeftColumn(), 7);
    EXPECT_EQ(f.TopLines, (std::vector<std::int32_t>{3, 1, 81}));
    EXPECT_EQ(CaretLine(f.Editor), 1);  // the caret stays
}

TEST_F(EditorView, ScrollByOnAShortTextStaysAtTheFirstLine) {
    f.OpenWindow(20);
    f.Load(NumberedLines(10));
    f.Editor.ScrollBy(0, 1000);
    EXPECT_EQ(f.Editor.TopLine(), 1);
    EXPECT_TRUE(f.TopLines.empty());
}

TEST_F(EditorView, ScrollingLessThanAScreenMovesPixels) {
    Open100();
    f.Window->Scrolls.clear();
    f.Editor.ScrollBy(0, 3);
    ASSERT_EQ(f.Window->Scrolls.size(), 2u);  // the text, then the bookmark margin
    EXPECT_EQ(f.Window->Scrolls[0].Dy, -3 * kLineHeight);
    EXPECT_EQ(f.Window->Scrolls[0].Rect, (TRect{15, 0, 15 + 80 * kCellWidth, 20 * kLineHeight}));
    EXPECT_EQ(f.Window->Scrolls[1].Rect, (TRect{0, 0, 15, 20 * kLineHeight}));
    f.Editor.SetShowBookmarks(false);
    f.Settle();
    f.Window->Scrolls.clear();
    f.Editor.ScrollBy(0, 25);
    f.Editor.ScrollBy(2, 1);
    EXPECT_TRUE(f.Window->Scrolls.empty());
}

TEST_F(EditorView, PageDownAndUpKeepTheCaretsRow) {
    Open100(5);
    f.Editor.ProcessCommand(ccNextPage, 0);
    EXPECT_EQ(CaretLine(f.Editor), 24);
    EXPECT_EQ(f.Editor.TopLine(), 20);
    f.Editor.ProcessCommand(ccPrevPage, 0);
    EXPECT_EQ(CaretLine(f.Editor), 5);
    EXPECT_EQ(f.Editor.TopLine(), 1);
}

TEST_F(EditorView, PageDownNearTheEndStopsAtTheLastLine) {
    Open100(90);
    f.Editor.SetTopLine(81);
    f.Editor.ProcessCommand(ccNextPage, 0);
    EXPECT_EQ(CaretLine(f.Editor), 100);
    EXPECT_EQ(f.Editor.TopLine(), 81);
}

TEST_F(EditorView, PageDownFromOutsideTheViewBringsTheCaretIntoView) {
    Open100(5);
    f.Editor.SetTopLine(50);
    f.Editor.ProcessCommand(ccNextPage, 0);
    EXPECT_EQ(CaretLine(f.Editor), 24);
    EXPECT_EQ(f.Editor.TopLine(), 24);
}

TEST_F(EditorView, ExtendPageDownHighlights) {
    Open100(5);
    f.Editor.ProcessCommand(ccExtendPgDn, 0);
    std::int32_t l1 = 0, c1 = 0, l2 = 0, c2 = 0;
    ASSERT_TRUE(f.Editor.GetSelection(l1, c1, l2, c2));
    EXPECT_EQ(l1, 5);
    EXPECT_EQ(l2, 24);
}

TEST_F(EditorView, TopAndBottomOfPageMoveTheCaretWithinTheView) {
    Open100(15);
    f.Editor.SetTopLine(10);
    f.Editor.ProcessCommand(ccTopOfPage, 0);
    EXPECT_EQ(CaretLine(f.Editor), 10);
    f.Editor.ProcessCommand(ccBotOfPage, 0);
    EXPECT_EQ(CaretLine(f.Editor), 29);
    EXPECT_EQ(f.Editor.TopLine(), 10);
}

TEST_F(EditorView, BottomOfPageWithTheCaretAboveTheViewScrollsItToTheBottomRow) {
    Open100(25);
    f.Editor.SetTopLine(50);
    f.Editor.ProcessCommand(ccBotOfPage, 0);
    EXPECT_EQ(f.Editor.TopLine(), 6);
    EXPECT_EQ(CaretLine(f.Editor), 25);
    f.Editor.SetCaretPosition(5, 1);
    f.Editor.SetTopLine(50);
    f.Editor.ProcessCommand(ccBotOfPage, 0);
    EXPECT_EQ(f.Editor.TopLine(), 1);
}

TEST_F(EditorView, TopOfPageWithTheCaretOutsideTheViewScrollsItToTheTopRow) {
    Open100(5);
    f.Editor.SetTopLine(50);
    f.Editor.ProcessCommand(ccTopOfPage, 0);
    EXPECT_EQ(f.Editor.TopLine(), 5);
    EXPECT_EQ(CaretLine(f.Editor), 5);
}

TEST_F(EditorView, TheExtendingPageEdgesDoNothingWithTheCaretOutsideTheView) {
    Open100(5);
    f.Editor.SetTopLine(50);
    f.Editor.ProcessCommand(ccExtTopOfPage, 0);
    f.Editor.ProcessCommand(ccExtBotOfPage, 0);
    EXPECT_EQ(f.Editor.TopLine(), 50);
    EXPECT_EQ(CaretLine(f.Editor), 5);
    EXPECT_FALSE(f.Editor.HasSelection());
}

TEST_F(EditorView, ScrollUpAndDownMoveOnlyTheView) {
    Open100(5);
    f.Editor.ProcessCommand(ccScrollDown, 0);
    f.Editor.ProcessCommand(ccScrollDown, 0);
    f.Editor.ProcessCommand(ccScrollUp, 0);
    EXPECT_EQ(f.Editor.TopLine(), 2);
    EXPECT_EQ(CaretLine(f.Editor), 5);
}

TEST_F(EditorView, MovingDownOutOfTheViewScrollsJustEnough) {
    Open100(20);
    f.Editor.ProcessCommand(ccDown, 0);
    EXPECT_EQ(f.Editor.TopLine(), 2);
    f.Editor.SetCaretPosition(70, 1);
    EXPECT_EQ(f.Editor.TopLine(), 51);
    f.Editor.SetCaretPosition(10, 1);
    EXPECT_EQ(f.Editor.TopLine(), 10);
}

// With LeftColumn 150: to column 3 of the next line returns to the left edge; to column 3
// of the line above shows that column first.
TEST_F(EditorView, HorizontalScrollFollowsTheCaretColumn) {
    f.OpenWindow(20, 80);
    const std::string longLine(300, 'x');
    f.Load("ab\n" + longLine + "\nab");
    f.Editor.SetCaretPosition(2, 200);
    EXPECT_EQ(f.Editor.LeftColumn(), 120);
    f.Editor.ScrollColumns(30);
    ASSERT_EQ(f.Editor.LeftColumn(), 150);
    f.Editor.ProcessCommand(ccDown, 0);
    EXPECT_EQ(f.Editor.LeftColumn(), 0);
    f.Editor.SetCaretPosition(2, 200);
    f.Editor.ScrollColumns(30);
    f.Editor.ProcessCommand(ccUp, 0);
    EXPECT_EQ(f.Editor.LeftColumn(), 2);
}

// Returning to the left edge on a move down must not leave the caret out of sight.
TEST_F(EditorView, AMoveDownKeepsAFarRightCaretInView) {
    f.OpenWindow(20, 40);
    const std::string longLine(300, 'x');
    f.Load(longLine + "\n" + longLine);
    f.Editor.SetCaretPosition(1, 200);
    f.Editor.ScrollColumns(-20);
    f.Editor.ProcessCommand(ccDown, 0);
    const std::int32_t left = f.Editor.LeftColumn();
    EXPECT_LT(left, 200);
    EXPECT_LE(200, left + f.Editor.VisibleColumns());
}

TEST_F(EditorView, TypingThatWrapsToTheNextLineReturnsToTheLeftEdge) {
    f.OpenWindow(20, 10);
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(30);
    f.Load("aaaaaaaaaaaaaaaaaaaaaaaaaaaa|");
    ASSERT_GT(f.Editor.LeftColumn(), 0);
    f.Editor.ProcessCommand(ccInsertChar, 'b');
    f.Editor.ProcessCommand(ccInsertChar, 'b');
    f.Editor.ProcessCommand(ccInsertChar, 'b');
    ASSERT_EQ(f.Editor.LineCount(), 2);
    EXPECT_EQ(f.Editor.LeftColumn(), 0);
}

TEST_F(EditorView, StatusReportsArriveAfterTheOperationInOrder) {
    f.OpenWindow(20);
    f.Load("\t|");
    f.Editor.ProcessCommand(ccInsertChar, 'a');
    f.Editor.ProcessCommand(ccInsertChar, 'b');
    f.Editor.ProcessCommand(ccLeft, 0);
    EXPECT_TRUE(f.Statuses.empty());
    f.Window->DeliverMessages();
    EXPECT_EQ(f.Statuses,
              (std::vector<std::pair<std::int32_t, std::int32_t>>{{1, 10}, {1, 11}, {1, 10}}));
}

TEST_F(EditorView, AStatusReportFollowsEveryPlacementIncludingTheInsertMode) {
    f.OpenWindow(20);
    f.Load("ab|");
    f.Editor.SetInsertMode(false);
    f.Settle();
    EXPECT_EQ(f.Statuses.size(), 1u);
}

TEST_F(EditorView, WithoutAWindowNothingIsPosted) {
    f.Load("ab|");
    f.Editor.ProcessCommand(ccLeft, 0);
    EXPECT_TRUE(f.Statuses.empty());
    EXPECT_EQ(f.Editor.TopLine(), 1);
}

TEST_F(EditorView, RepaintRequestsCoalesceUntilThePaint) {
    Open100();
    const std::size_t before = f.Window->Invalidations.size();
    f.Editor.RequestRepaint(false);
    f.Editor.RequestRepaint(false);
    f.Editor.RepaintLines(2, 3);
    EXPECT_EQ(f.Window->Invalidations.size(), before + 1);
    f.Settle();
    f.Editor.RequestRepaint(false);
    EXPECT_EQ(f.Window->Invalidations.size(), before + 2);
}

TEST_F(EditorView, RepaintLinesInvalidatesOnlyTheirRows) {
    Open100();
    const int width = f.Window->ClientSize().Width;
    f.Editor.SetTopLine(10);
    f.Settle();
    f.Editor.RepaintLines(13, 12);
    EXPECT_EQ(f.Window->Invalidations.back(), (TRect{0, 2 * kLineHeight, width, 4 * kLineHeight}));
    f.Editor.RepaintLines(1, 10);
    EXPECT_EQ(f.Window->Invalidations.back(), (TRect{0, 0, width, kLineHeight}));
    f.Editor.RepaintLines(25, 99);
    EXPECT_EQ(f.Window->Invalidations.back(),
              (TRect{0, 15 * kLineHeight, width, f.Window->ClientSize().Height}));
    const std::size_t count = f.Window->Invalidations.size();
    f.Editor.RepaintLines(1, 9);
    f.Editor.RepaintLines(30, 40);
    EXPECT_EQ(f.Window->Invalidations.size(), count);
}

TEST_F(EditorView, TypingRepaintsOnlyTheChangedLine) {
    Open100(3);
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    EXPECT_EQ(f.Window->Invalidations.back(),
              (TRect{0, 2 * kLineHeight, f.Window->ClientSize().Width, 3 * kLineHeight}));
}

TEST_F(EditorView, SetTopLineChecksItsRange) {
    Open100();
    EXPECT_THROW(f.Editor.SetTopLine(0), EInvalidLineOrPara);
    EXPECT_THROW(f.Editor.SetTopLine(101), EInvalidLineOrPara);
    f.Editor.SetTopLine(1);
    EXPECT_TRUE(f.TopLines.empty());
    f.Editor.SetTopLine(95);
    EXPECT_EQ(f.Editor.TopLine(), 81);
}

TEST_F(EditorView, TheScrollBarsMoveTheView) {
    Open100();
    f.Editor.ScrollBarAction(sbVertical, scPageDown, 0);
    EXPECT_EQ(f.Editor.TopLine(), 21);
    f.Editor.ScrollBarAction(sbVertical, scLineUp, 0);
    EXPECT_EQ(f.Editor.TopLine(), 20);
    f.Editor.ScrollBarAction(sbVertical, scThumbTrack, 40);
    EXPECT_EQ(f.Editor.TopLine(), 40);
    f.Editor.ScrollBarAction(sbVertical, scThumbPosition, 81);
    EXPECT_EQ(f.Editor.TopLine(), 81);
    f.Editor.ScrollBarAction(sbVertical, scThumbPosition, 1);
    EXPECT_EQ(f.Editor.TopLine(), 1);
    f.Editor.ScrollBarAction(sbHorizontal, scPageDown, 0);
    EXPECT_EQ(f.Editor.LeftColumn(), 79);
    f.Editor.ScrollBarAction(sbHorizontal, scThumbTrack, 12);
    EXPECT_EQ(f.Editor.LeftColumn(), 12);
    EXPECT_EQ(Bar(sbHorizontal).Pos, 12);
    f.Editor.ScrollBarAction(sbVertical, scBottom, 0);
    EXPECT_EQ(f.Editor.TopLine(), 1);
    EXPECT_EQ(CaretLine(f.Editor), 1);
}

TEST_F(EditorView, WrapToWindowFollowsTheVisibleColumns) {
    f.OpenWindow(20, 60);
    f.Load("|abc");
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapToWindow(true);
    EXPECT_EQ(f.Editor.WrapColumn(), 58);
    f.Window->Resize({15 + 5 + 40 * kCellWidth, 20 * kLineHeight});
    EXPECT_EQ(f.Editor.WrapColumn(), 38);
    f.Editor.SetWordWrap(false);
    f.Window->Resize({15 + 5 + 30 * kCellWidth, 20 * kLineHeight});
    EXPECT_EQ(f.Editor.WrapColumn(), 38);
}

TEST_F(EditorView, StaleScrollBarValuesAreSentAtTheNextPaint) {
    f.OpenWindow(8);
    f.Load(NumberedLines(3, 2));
    EXPECT_EQ(Bar(sbVertical).Max, 1);
    f.Editor.InsertString("a\nb\nc\nd\ne\nf\n");
    ASSERT_EQ(f.Editor.TopLine(), 1);
    EXPECT_EQ(Bar(sbVertical).Max, 1);
    f.Window->PaintInvalid();
    EXPECT_EQ(Bar(sbVertical).Max, 2);
}

}  // namespace
}  // namespace wendax::test
