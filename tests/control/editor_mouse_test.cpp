// The mouse through a headless window: clicks, drags within and beyond the window with
// timer ticks, margin line selection, double clicks on words and in the margin, the
// margin cursor and mouse activation.
#include "tests/control/view_test_support.h"

namespace wendax::test {
namespace {

class EditorMouse : public testing::Test {
  protected:
    void Click(TPoint pos, std::uint8_t shift = ksNone) {
        f.Window->Press(pos, shift);
        f.Window->Release(pos, shift);
        f.Settle();
    }
    TLineCol Caret() {
        TLineCol caret;
        caret.Line = f.Editor.GetCaretPosition(caret.Col);
        return caret;
    }
    std::int32_t TopLine() { return f.Editor.TopLine(); }
    static TPoint Margin(int row) { return {5, (row - 1) * kLineHeight + 3}; }
    // Double-clicks screen column `column` of row 1 in a one-line text and returns the
    // marked result.
    std::string DoubleClickWord(std::string_view text, int column) {
        f.Open(std::string("|") + std::string(text));
        f.Window->DoubleClickAt(TViewFixture::Cell(1, column));
        return Marked(f.Editor);
    }

    TViewFixture f;
};

TEST_F(EditorMouse, AClickPlacesTheCaretOnTheNearerSideOfACharacter) {
    f.Open("|abcdef\nghij");
    Click(TViewFixture::Cell(2, 3));
    EXPECT_EQ(Caret(), (TLineCol{2, 3}));
    Click({kLeftMargin + 2 * kCellWidth + kCellWidth / 2 + 1, 2});
    EXPECT_EQ(Caret(), (TLineCol{1, 4}));
    EXPECT_FALSE(f.Editor.HasSelection());
    EXPECT_FALSE(f.Window->Captured);
    EXPECT_TRUE(f.Window->Timers.empty());
}

TEST_F(EditorMouse, AClickBeyondTheLineEndPutsTheCaretAtTheEnd) {
    f.Open("|ab\ncd");
    Click(TViewFixture::Cell(1, 20));
    EXPECT_EQ(Marked(f.Editor), "ab|\ncd");
    Click(TViewFixture::Cell(7, 1));
    EXPECT_EQ(Caret(), (TLineCol{2, 1}));
}

TEST_F(EditorMouse, AClickOnTheRightMarginTakesTheLastVisibleColumn) {
    f.Open("|abcdefghijklmnop", 4, 10);
    Click({f.Window->ClientSize().Width - 2, 3});
    EXPECT_EQ(Caret(), (TLineCol{1, 10}));
}

TEST_F(EditorMouse, AClickOnAnEmptyTextOnlyFocuses) {
    f.OpenWindow(4);
    ASSERT_FALSE(f.Window->HasFocus());
    f.Window->Press(TViewFixture::Cell(1, 1));
    EXPECT_TRUE(f.Window->HasFocus());
    EXPECT_FALSE(f.Editor.MouseCaptured());
    EXPECT_FALSE(f.Window->Captured);
}

TEST_F(EditorMouse, AShiftClickExtendsTheHighlight) {
    f.Open("ab|cdef");
    Click(TViewFixture::Cell(1, 6), ksShift);
    EXPECT_EQ(Marked(f.Editor), "ab[cde|]f");
}

TEST_F(EditorMouse, ADragHighlightsFromThePressToTheMouse) {
    f.Open("|abcdef\nghijkl\nmnop");
    f.Window->Press(TViewFixture::Cell(1, 3));
    EXPECT_TRUE(f.Window->Captured);
    f.Window->MoveMouse(TViewFixture::Cell(3, 2));
    EXPECT_EQ(Marked(f.Editor), "ab[cdef\nghijkl\nm|]nop");
    f.Window->MoveMouse(TViewFixture::Cell(1, 1));
    EXPECT_EQ(Marked(f.Editor), "[|ab]cdef\nghijkl\nmnop");
    f.Window->Release(TViewFixture::Cell(1, 1));
    EXPECT_FALSE(f.Window->Captured);
    EXPECT_TRUE(f.Window->Timers.empty());
}

// The scroll-bar height is 16, so full speed starts 48 pixels outside the window.
TEST_F(EditorMouse, DraggingBelowTheWindowScrollsFasterTheFurtherOut) {
    f.Open(NumberedLines(30), 5, 20);
    f.Window->Press(TViewFixture::Cell(2, 1));
    const int bottom = 5 * kLineHeight;
    f.Window->MoveMouse({30, bottom + 5});
    EXPECT_EQ(TopLine(), 1);
    f.Platform.Now += 20;
    f.Window->FireTimer(TOvcCustomEditor::kDragTimer);
    EXPECT_EQ(TopLine(), 1);
    f.Platform.Now += 25;
    f.Window->FireTimer(TOvcCustomEditor::kDragTimer);
    EXPECT_EQ(TopLine(), 2);
    EXPECT_EQ(Caret().Line, 6);
    f.Window->MoveMouse({30, bottom + 100});
    for (int tick = 0; tick < 3; ++tick) {
        f.Platform.Now += 1;
        f.Window->FireTimer(TOvcCustomEditor::kDragTimer);
    }
    EXPECT_EQ(TopLine(), 6);
    EXPECT_EQ(Caret().Line, 10);
    EXPECT_TRUE(f.Editor.HasSelection());
    f.Window->Release({30, bottom + 100});
    f.Platform.Now += 100;
    EXPECT_FALSE(f.Window->FireTimer(TOvcCustomEditor::kDragTimer));
    EXPECT_EQ(TopLine(), 6);
}

TEST_F(EditorMouse, DraggingAboveTheWindowScrollsUp) {
    f.Open(NumberedLines(30), 5, 20);
    f.Editor.SetTopLine(10);
    f.Window->Press(TViewFixture::Cell(1, 1));
    f.Window->MoveMouse({30, -60});
    EXPECT_EQ(TopLine(), 9);
    f.Platform.Now += 1;
    f.Window->FireTimer(TOvcCustomEditor::kDragTimer);
    EXPECT_EQ(TopLine(), 8);
    EXPECT_EQ(Caret(), (TLineCol{8, 3}));
}

TEST_F(EditorMouse, ATickAfterTheButtonWentUpUnnoticedEndsTheDrag) {
    f.Open(NumberedLines(3), 5, 20);
    f.Window->Press(TViewFixture::Cell(1, 1));
    f.Window->ButtonsDown[mbLeft] = false;
    f.Window->FireTimer(TOvcCustomEditor::kDragTimer);
    EXPECT_FALSE(f.Editor.MouseCaptured());
    EXPECT_TRUE(f.Window->Timers.empty());
}

TEST_F(EditorMouse, AMarginClickSelectsTheLineUpToTheNextLine) {
    f.Open("|abc\ndef\nghi");
    Click(Margin(2));
    EXPECT_EQ(Marked(f.Editor), "abc\n[def\n|]ghi");
    Click(Margin(3));
    EXPECT_EQ(Marked(f.Editor), "abc\ndef\n[ghi|]");
}

TEST_F(EditorMouse, AMarginDragExtendsByWholeLinesEitherWay) {
    f.Open("|a\nb\nc\nd\ne");
    f.Window->Press(Margin(3));
    f.Window->MoveMouse(Margin(4));
    EXPECT_EQ(Marked(f.Editor), "a\nb\n[c\nd\n|]e");
    f.Window->MoveMouse(Margin(1));
    EXPECT_EQ(Marked(f.Editor), "[|a\nb\n]c\nd\ne");
    f.Window->Release(Margin(1));
}

TEST_F(EditorMouse, AShiftMarginClickKeepsTheFarEndOfTheHighlight) {
    f.Open("a\nb[c\nd|]e\nf\ng");
    Click(Margin(5), ksShift);
    EXPECT_EQ(Marked(f.Editor), "a\nb[c\nde\nf\ng|]");
    Click(Margin(1), ksShift);
    EXPECT_EQ(Marked(f.Editor), "[|a\nbc\nde\nf\ng]");
}

TEST_F(EditorMouse, TheMarginHasItsOwnCursor) {
    f.Open("abc");
    f.Window->MoveMouse({kLeftMargin, 3});
    EXPECT_EQ(f.Window->CursorShape, crMargin);
    EXPECT_TRUE(f.Editor.InMargin());
    f.Window->MoveMouse({kLeftMargin + 1, 3});
    EXPECT_EQ(f.Window->CursorShape, crIBeam);
    EXPECT_FALSE(f.Editor.InMargin());
}

TEST_F(EditorMouse, ADoubleClickSelectsTheWordUpToAPunctuationMark) {
    EXPECT_EQ(DoubleClickWord("x abc, y", 4), "x [abc|], y");
}

TEST_F(EditorMouse, ADoubleClickSelectsTheBlanksAfterTheWord) {
    EXPECT_EQ(DoubleClickWord("x abc  y", 3), "x [abc  |]y");
}

TEST_F(EditorMouse, ADoubleClickOnLeadingBlanksSelectsOnlyThem) {
    EXPECT_EQ(DoubleClickWord("   abc", 1), "[   |]abc");
}

TEST_F(EditorMouse, ADoubleClickBeyondTheLineEndTakesTheLastWord) {
    EXPECT_EQ(DoubleClickWord("ab cd", 20), "ab [cd|]");
}

TEST_F(EditorMouse, AShiftDoubleClickGrowsTheHighlightOverTheWord) {
    f.Open("one [two|] three four");
    f.Window->DoubleClickAt(TViewFixture::Cell(1, 17), ksShift);
    EXPECT_EQ(Marked(f.Editor), "one [two three four|]");
    f.Open("one two thr[ee|] four");
    f.Window->DoubleClickAt(TViewFixture::Cell(1, 2), ksShift);
    EXPECT_EQ(Marked(f.Editor), "[|one two thr]ee four");
}

TEST_F(EditorMouse, AMarginDoubleClickSelectsTheWholeWrappedParagraph) {
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(10);
    f.Open("|first\nalpha beta gamma delta epsilon\nlast");
    ASSERT_GT(f.Editor.LineCount(), 4);
    f.Window->DoubleClickAt(Margin(3));
    EXPECT_EQ(Marked(f.Editor), "first\n[alpha beta gamma delta epsilon|]\nlast");
}

TEST_F(EditorMouse, AShiftMarginDoubleClickExtendsToTheParagraph) {
    f.Open("a\nb[c|]\nd\ne");
    f.Window->DoubleClickAt(Margin(4), ksShift);
    EXPECT_EQ(Marked(f.Editor), "a\nb[c\nd\ne|]");
    f.Window->DoubleClickAt(Margin(1), ksShift);
    EXPECT_EQ(Marked(f.Editor), "[|a\nbc\nd\ne]");
}

TEST_F(EditorMouse, APendingErrorOfTheControllerKeepsClicksFromAnUnfocusedEditor) {
    f.Open("|abc");
    f.Window->SetFocused(false);
    f.Controller.SetErrorPending(true);
    f.Window->Press(TViewFixture::Cell(1, 3));
    EXPECT_FALSE(f.Window->HasFocus());
    EXPECT_EQ(Caret(), (TLineCol{1, 1}));
    f.Controller.SetErrorPending(false);
    f.Window->Press(TViewFixture::Cell(1, 3));
    EXPECT_TRUE(f.Window->HasFocus());
    EXPECT_EQ(Caret(), (TLineCol{1, 3}));
}

}  // namespace
}  // namespace wendax::test
