// The editor's properties: defaults, the values each setter refuses, the ties between word
// wrap, WrapAtLeft and ScrollPastEnd, and the character classes of the word commands.
#include "engine/word_delimiters.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

TEST(EditorProperties, DefaultsAreThoseOfANewEditor) {
    THeadlessPlatform platform;
    TOvcCustomEditor e;
    EXPECT_FALSE(e.AutoIndent());
    EXPECT_EQ(e.ByteLimit(), kMaxInt32);
    EXPECT_EQ(e.CaretIns().Shape(), csVertLine);
    EXPECT_EQ(e.CaretOvr().Shape(), csBlock);
    EXPECT_TRUE(e.HideSelection());
    EXPECT_TRUE(e.InsertMode());
    EXPECT_EQ(e.LeftMargin(), 15);
    EXPECT_EQ(e.RightMargin(), 5);
    EXPECT_EQ(e.ParaLengthLimit(), 32767);
    EXPECT_EQ(e.ParaLimit(), kMaxInt32);
    EXPECT_FALSE(e.ReadOnly());
    EXPECT_EQ(e.ScrollBars(), ssBoth);
    EXPECT_FALSE(e.ScrollBarsAlways());
    EXPECT_FALSE(e.ScrollPastEnd());
    EXPECT_TRUE(e.ShowBookmarks());
    EXPECT_EQ(e.TabSize(), 8);
    EXPECT_EQ(e.TabType(), ttReal);
    EXPECT_TRUE(e.TrimWhiteSpace());
    EXPECT_EQ(e.UndoBufferSize(), 8192);
    EXPECT_TRUE(e.WantEnter());
    EXPECT_FALSE(e.WantTab());
    EXPECT_FALSE(e.WordWrap());
    EXPECT_TRUE(e.WrapAtLeft());
    EXPECT_EQ(e.WrapColumn(), 80);
    EXPECT_FALSE(e.WrapToWindow());
    EXPECT_EQ(e.BorderStyle(), bsSingle);
    EXPECT_EQ(e.ParaCount(), 1);
    EXPECT_EQ(e.TextLength(), 0);
    EXPECT_FALSE(e.Modified());
    EXPECT_TRUE(e.OwnsStore());
    EXPECT_EQ(e.TopLine(), 1);
    EXPECT_FALSE(e.HasSelection());
    EXPECT_EQ(e.CheckInvariants(), "");
}

TEST(EditorProperties, SettersRefuseValuesOutsideTheirRange) {
    THeadlessPlatform platform;
    TOvcCustomEditor e;
    e.SetTabSize(0);
    EXPECT_EQ(e.TabSize(), 8);
    e.SetWrapColumn(0);
    e.SetWrapColumn(-4);
    EXPECT_EQ(e.WrapColumn(), 80);
    e.SetParaLengthLimit(0);
    e.SetParaLengthLimit(32768);
    EXPECT_EQ(e.ParaLengthLimit(), 32767);
    e.SetParaLengthLimit(1);
    EXPECT_EQ(e.ParaLengthLimit(), 1);
    e.SetParaLimit(0);
    EXPECT_EQ(e.ParaLimit(), kMaxInt32);
    e.SetByteLimit(-1);
    EXPECT_EQ(e.ByteLimit(), kMaxInt32);
    e.SetByteLimit(0);
    EXPECT_EQ(e.ByteLimit(), 0);
    e.SetLeftMargin(-1);
    e.SetRightMargin(-1);
    EXPECT_EQ(e.LeftMargin(), 15);
    EXPECT_EQ(e.RightMargin(), 5);
}

TEST(EditorProperties, WordWrapForcesWrapAtLeftAndEndsScrollPastEnd) {
    THeadlessPlatform platform;
    TOvcCustomEditor e;
    e.SetWrapAtLeft(false);
    e.SetScrollPastEnd(true);
    e.SetWordWrap(true);
    EXPECT_TRUE(e.WrapAtLeft());
    EXPECT_FALSE(e.ScrollPastEnd());
    e.SetWrapAtLeft(false);
    EXPECT_TRUE(e.WrapAtLeft());
    e.SetScrollPastEnd(true);
    EXPECT_FALSE(e.WordWrap());
    e.SetWrapAtLeft(false);
    EXPECT_FALSE(e.WrapAtLeft());
}

TEST(EditorProperties, ScrollBarsAlwaysNeedsScrollBars) {
    THeadlessPlatform platform;
    TOvcCustomEditor e;
    e.SetScrollBars(ssNone);
    e.SetScrollBarsAlways(true);
    EXPECT_FALSE(e.ScrollBarsAlways());
    e.SetScrollBars(ssHorizontal);
    e.SetScrollBarsAlways(true);
    EXPECT_TRUE(e.ScrollBarsAlways());
    e.SetScrollBars(ssNone);
    EXPECT_FALSE(e.ScrollBarsAlways());
}

TEST(EditorProperties, TheWindowFrameFollowsScrollBarsAndBorder) {
    TEditorFixture f;
    f.OpenWindow(10);
    EXPECT_TRUE(f.Window->Frame.HorzScrollBar);
    EXPECT_TRUE(f.Window->Frame.VertScrollBar);
    EXPECT_TRUE(f.Window->Frame.Border);
    f.Editor.SetScrollBars(ssVertical);
    f.Editor.SetBorderStyle(bsNone);
    EXPECT_FALSE(f.Window->Frame.HorzScrollBar);
    EXPECT_TRUE(f.Window->Frame.VertScrollBar);
    EXPECT_FALSE(f.Window->Frame.Border);
}

TEST(EditorProperties, UndoBufferSizeReplacesTheHistory) {
    TEditorFixture f;
    f.Load("ab|");
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    f.Editor.SetUndoBufferSize(8192);
    EXPECT_TRUE(f.Editor.CanUndo());
    f.Editor.SetUndoBufferSize(4000);
    EXPECT_EQ(f.Editor.UndoBufferSize(), 4000);
    EXPECT_FALSE(f.Editor.CanUndo());
}

TEST(EditorProperties, TabSizeRewrapsAndMovesTheCaretsLine) {
    TEditorFixture f;
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(12);
    f.Load("\tab\tcd|");
    std::int32_t col = 0;
    ASSERT_EQ(f.Editor.GetCaretPosition(col), 2);
    f.Editor.SetTabSize(2);
    EXPECT_EQ(f.Editor.GetCaretPosition(col), 1);
    EXPECT_EQ(col, 7);
    EXPECT_EDITOR_VALID(f.Editor);
}

TEST(EditorProperties, EventsAreOptional) {
    THeadlessPlatform platform;
    TOvcController controller;
    TOvcCustomEditor e;
    e.SetController(&controller);
    THeadlessWindow window(e, {400, 100});
    e.AttachWindow(window);
    e.ProcessCommand(ccInsertChar, 'a');
    e.ProcessCommand(ccUndo, 0);
    e.ProcessCommand(300, 0);
    e.ScrollBy(0, 1);
    window.DeliverMessages();
    EXPECT_EQ(e.CheckInvariants(), "");
    e.DetachWindow();
}

TEST(EditorWordDelimiters, AreTheThirtyFiveCharactersInTheirOrder) {
    EXPECT_EQ(kWordDelimiters.size(), 35u);
    EXPECT_EQ(kWordDelimiters, std::string_view("\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*"));
    int delimiters = 0;
    for (int c = 0; c < 256; ++c) {
        if (IsWordDelimiter(static_cast<char>(c))) ++delimiters;
    }
    EXPECT_EQ(delimiters, 35);
}

TEST(EditorWordDelimiters, DigitsLettersUnderscoreAndHighCharactersAreWordCharacters) {
    for (const char c : std::string_view("09azAZ_\x80\xE9\xFF"))
        EXPECT_TRUE(IsWordChar(c)) << static_cast<int>(c);
    EXPECT_TRUE(IsBlank(' '));
    EXPECT_TRUE(IsBlank('\t'));
    EXPECT_FALSE(IsBlank(','));
    EXPECT_TRUE(IsWordDelimiter('\t'));
    EXPECT_TRUE(IsWordDelimiter('*'));
}

}  // namespace
}  // namespace wendax::test
