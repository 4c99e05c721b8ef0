// Several editors showing one store: attaching, the ring and its owner, and how the other
// views' carets, highlights, top lines and windows follow an edit.
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

// A second editor with its own window (and controller) on the fixture's text.
class EditorViews : public testing::Test {
  protected:
    EditorViews() { Second.SetController(&f.Controller); }
    ~EditorViews() override {
        if (SecondWindow) Second.DetachWindow();
    }
    void OpenSecondWindow(int rows) {
        SecondWindow = std::make_unique<THeadlessWindow>(
            Second, TSize{15 + 5 + 80 * kCellWidth, rows * kLineHeight});
        Second.AttachWindow(*SecondWindow);
        SecondWindow->PaintInvalid();
    }
    void ExpectValid() {
        EXPECT_EDITOR_VALID(f.Editor);
        EXPECT_EDITOR_VALID(Second);
    }

    TEditorFixture f;
    TOvcCustomEditor Second;
    std::unique_ptr<THeadlessWindow> SecondWindow;
};

TEST_F(EditorViews, AttachShowsTheSameTextRightAfterTheOwner) {
    f.Load("abc\n|def");
    TOvcCustomEditor third;
    Second.Attach(&f.Editor);
    third.Attach(&f.Editor);
    EXPECT_EQ(PlainText(Second), "abc\ndef");
    EXPECT_TRUE(f.Editor.OwnsStore());
    EXPECT_FALSE(Second.OwnsStore());
    EXPECT_EQ(&Second.Store(), &f.Editor.Store());
    const std::vector<TTextView*> ring = {&f.Editor, &third, &Second};
    EXPECT_EQ(f.Editor.Store().Views().Views(), ring);
    EXPECT_EQ(Marked(Second), "|abc\ndef");
    ExpectValid();
}

TEST_F(EditorViews, AttachToNothingToItselfOrToItsOwnStoreDoesNothing) {
    f.Load("abc|");
    Second.Attach(&f.Editor);
    Second.SetCaretPosition(1, 3);
    Second.Attach(nullptr);
    Second.Attach(&Second);
    Second.Attach(&f.Editor);
    EXPECT_EQ(Marked(Second), "ab|c");
    f.Editor.Attach(&Second);
    EXPECT_TRUE(f.Editor.OwnsStore());
}

TEST_F(EditorViews, AnEditMovesTheOtherViewsCaretAndHighlight) {
    f.Load("|abc\ndef");
    Second.Attach(&f.Editor);
    Second.SetSelection(2, 1, 2, 3, true);
    ASSERT_EQ(Marked(Second), "abc\n[de|]f");
    f.Editor.ProcessCommand(ccNewLine, 0);
    EXPECT_EQ(Marked(Second), "\nabc\n[de|]f");
    f.Editor.SetCaretPosition(3, 2);
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    EXPECT_EQ(Marked(Second), "\nabc\n[dxe|]f");
    f.Editor.SetCaretPosition(2, 4);
    f.Editor.ProcessCommand(ccDel, 0);
    EXPECT_EQ(Marked(Second), "\nabc[dxe|]f");
    ExpectValid();
}

TEST_F(EditorViews, APositionInsideDeletedTextMovesToTheDeletionsStart) {
    f.Load("abcdef|");
    Second.Attach(&f.Editor);
    Second.SetCaretPosition(1, 4);
    f.Editor.SetSelection(1, 2, 1, 6, true);
    f.Editor.ProcessCommand(ccDel, 0);
    EXPECT_EQ(Marked(Second), "a|f");
    f.Load("ab\ncd\nef|");
    Second.Attach(&f.Editor);
    Second.SetCaretPosition(2, 2);
    f.Editor.SetSelection(1, 2, 3, 1, true);
    f.Editor.ProcessCommand(ccDel, 0);
    EXPECT_EQ(Marked(Second), "a|ef");
    ExpectValid();
}

// The blanks before a line break go with it: a highlight lying on them is brought back
// within its shortened paragraph.
TEST_F(EditorViews, AHighlightOnBlanksTrimmedByALineBreakStaysWithinItsParagraph) {
    f.Load("abc   |def");
    Second.Attach(&f.Editor);
    Second.SetSelection(1, 5, 1, 8, true);
    f.Editor.ProcessCommand(ccNewLine, 0);
    EXPECT_EQ(PlainText(f.Editor), "abc\ndef");
    EXPECT_EQ(Marked(Second), "abc[\nd|]ef");
    ExpectValid();
}

// Undoing the line break that made the last paragraph deletes it; the other view's highlight
// end there moves to the start of the paragraph before, ahead of its begin, and the
// highlight must stay ordered.
TEST_F(EditorViews, AHighlightEndInADeletedLastParagraphKeepsTheHighlightOrdered) {
    f.Load("abcd|");
    f.Editor.ProcessCommand(ccNewLine, 0);
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    Second.Attach(&f.Editor);
    Second.SetSelection(1, 3, 2, 2, true);
    f.Editor.Undo();
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "abcd");
    EXPECT_EQ(Marked(Second), "[|ab]cd");
    ExpectValid();
}

TEST_F(EditorViews, UndoInOneViewMovesTheOther) {
    f.Load("abc|");
    Second.Attach(&f.Editor);
    f.Editor.SetCaretPosition(1, 1);
    f.Editor.InsertString("x\ny\n");
    Second.SetCaretPosition(3, 2);
    f.Editor.Undo();
    EXPECT_EQ(Marked(Second), "a|bc");
    ExpectValid();
}

TEST_F(EditorViews, TheOwnerLeavingHandsTheStoreToTheNextView) {
    auto first = std::make_unique<TOvcCustomEditor>();
    first->InsertString("text");
    Second.Attach(first.get());
    first.reset();
    EXPECT_TRUE(Second.OwnsStore());
    EXPECT_EQ(PlainText(Second), "text");
    EXPECT_EDITOR_VALID(Second);
}

TEST_F(EditorViews, ResetTextLeavesTheOldTextToTheOtherView) {
    f.Load("abc|");
    Second.Attach(&f.Editor);
    f.Editor.ResetText(true);
    EXPECT_EQ(PlainText(f.Editor), "");
    EXPECT_EQ(PlainText(Second), "abc");
    EXPECT_TRUE(Second.OwnsStore());
    EXPECT_NE(&Second.Store(), &f.Editor.Store());
    ExpectValid();
}

TEST_F(EditorViews, AttachingElsewhereLeavesTheFirstRing) {
    f.Load("abc|");
    TOvcCustomEditor other;
    other.InsertString("other");
    Second.Attach(&f.Editor);
    Second.Attach(&other);
    EXPECT_EQ(f.Editor.Store().Views().Views(), std::vector<TTextView*>{&f.Editor});
    EXPECT_EQ(PlainText(Second), "other");
    EXPECT_EQ(PlainText(f.Editor), "abc");
}

TEST_F(EditorViews, ABookmarkSetInOneViewIsUsableInTheOther) {
    f.Load("abc\nde|f");
    Second.Attach(&f.Editor);
    f.Editor.ProcessCommand(ccSetMarker0, '4');
    Second.ProcessCommand(ccGotoMarker0, '4');
    EXPECT_EQ(Marked(Second), "abc\nde|f");
}

TEST_F(EditorViews, TheOtherViewRepaintsWhollyAndUpdatesItsScrollBarAtItsPaint) {
    f.OpenWindow(5);
    f.Load("|abc");
    Second.Attach(&f.Editor);
    OpenSecondWindow(5);
    const std::size_t before = SecondWindow->Invalidations.size();
    f.Editor.InsertString("1\n2\n3\n4\n5\n6\n");
    ASSERT_GT(SecondWindow->Invalidations.size(), before);
    EXPECT_EQ(SecondWindow->Invalidations.back(), (TRect{0, 0, 660, 5 * kLineHeight}));
    EXPECT_EQ(SecondWindow->ScrollBars[sbVertical].Max, 1);
    SecondWindow->PaintInvalid();
    EXPECT_EQ(SecondWindow->ScrollBars[sbVertical].Max, 3);
}

TEST_F(EditorViews, TheOtherViewsTopLineFollowsTheTextAboveIt) {
    std::string text = "|";
    for (int i = 1; i <= 50; ++i)
        text += "line " + std::to_string(i) + "\n";
    f.Load(text);
    Second.Attach(&f.Editor);
    OpenSecondWindow(5);
    Second.SetTopLine(20);
    ASSERT_EQ(Second.GetPrintableLine(Second.TopLine()), "line 20");
    f.Editor.InsertString("new\nnew\n");
    EXPECT_EQ(Second.TopLine(), 22);
    EXPECT_EQ(Second.GetPrintableLine(Second.TopLine()), "line 20");
    ExpectValid();
}

TEST_F(EditorViews, EveryViewRecomputesItsLinesWhenTheWrapChanges) {
    f.Load("|aaaa bbbb\ncc");
    Second.Attach(&f.Editor);
    Second.SetCaretPosition(1, 8);
    f.Editor.SetWrapColumn(6);
    f.Editor.SetWordWrap(true);
    std::int32_t col = 0;
    EXPECT_EQ(Second.GetCaretPosition(col), 2);
    EXPECT_EQ(col, 3);
    EXPECT_TRUE(Second.WordWrap());
    ExpectValid();
}

}  // namespace
}  // namespace wendax::test
