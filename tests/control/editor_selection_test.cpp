// The highlight, the clipboard and the bookmarks.
#include "base/exceptions.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

struct TSelection {
    std::int32_t Line1 = 0, Col1 = 0, Line2 = 0, Col2 = 0;
    friend bool operator==(const TSelection&, const TSelection&) = default;
};

std::optional<TSelection> Selection(TOvcCustomEditor& editor) {
    TSelection s;
    if (!editor.GetSelection(s.Line1, s.Col1, s.Line2, s.Col2)) return std::nullopt;
    return s;
}

TEST(EditorSelection, SelectAllOnAnEmptyTextDoesNothing) {
    TEditorFixture f;
    f.Load("|");
    f.Editor.SelectAll(false);
    EXPECT_FALSE(f.Editor.HasSelection());
}

TEST(EditorSelection, SelectAllHighlightsTheWholeTextWithTheCaretAtTheStart) {
    TEditorFixture f;
    f.Load("ab\nc|d\nxyz");
    f.Editor.SelectAll(false);
    EXPECT_EQ(Selection(f.Editor), (TSelection{1, 1, 3, 4}));
    EXPECT_EQ(Marked(f.Editor), "[|ab\ncd\nxyz]");
    f.Editor.SelectAll(true);
    EXPECT_EQ(Marked(f.Editor), "[ab\ncd\nxyz|]");
}

TEST(EditorSelection, GetSelectionAfterAPlainMoveIsFalseAndLeavesItsOutputs) {
    TEditorFixture f;
    f.Load("[ab|]c");
    f.Editor.ProcessCommand(ccRight, 0);
    std::int32_t line1 = 7, col1 = 7, line2 = 7, col2 = 7;
    EXPECT_FALSE(f.Editor.GetSelection(line1, col1, line2, col2));
    EXPECT_EQ(line1 + col1 + line2 + col2, 28);
}

TEST(EditorSelection, SetSelectionPutsTheCaretAtTheSecondPointGiven) {
    TEditorFixture f;
    f.Load("|abcdef\nabcdef\nabcdef");
    f.Editor.SetSelection(3, 5, 1, 2, true);
    EXPECT_EQ(Selection(f.Editor), (TSelection{1, 2, 3, 5}));
    std::int32_t col = 0;
    EXPECT_EQ(f.Editor.GetCaretPosition(col), 1);
    EXPECT_EQ(col, 2);
    f.Editor.SetSelection(3, 5, 1, 2, false);
    EXPECT_EQ(Marked(f.Editor), "a[bcdef\nabcdef\nabcd|]ef");
}

TEST(EditorSelection, SetSelectionClampsToTheText) {
    TEditorFixture f;
    f.Load("|ab\ncd");
    f.Editor.SetSelection(-3, -3, 99, 99, true);
    EXPECT_EQ(Marked(f.Editor), "[ab\ncd|]");
}

TEST(EditorSelection, TheHighlightOnWrappedLinesReadsAsDisplayLines) {
    TEditorFixture f;
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(6);
    f.Load("|aaaa bbbb");
    f.Editor.SetSelection(1, 2, 2, 3, true);
    EXPECT_EQ(Marked(f.Editor), "a[aaa bb|]bb");
    EXPECT_EQ(Selection(f.Editor), (TSelection{1, 2, 2, 3}));
    // Column 6 of the first line is the first column of the second.
    f.Editor.SetSelection(1, 1, 1, 6, true);
    EXPECT_EQ(Selection(f.Editor), (TSelection{1, 1, 2, 1}));
    EXPECT_EQ(Marked(f.Editor), "[aaaa |]bbbb");
}

// ---- Clipboard

TEST(EditorClipboard, CopyAcrossParagraphsPutsCrLfBetweenThem) {
    TEditorFixture f;
    f.Load("a[b\nc|]d");
    f.Editor.ProcessCommand(ccCopy, 0);
    EXPECT_EQ(f.Platform.Clipboard, "b\r\nc");
    EXPECT_EQ(Marked(f.Editor), "a[b\nc|]d");
    EXPECT_EQ(f.Changes, 0);
}

TEST(EditorClipboard, CopyWithinAParagraphPutsNoLineBreak) {
    TEditorFixture f;
    f.Load("a[bc|]d\ne");
    f.Editor.CopyToClipboard();
    EXPECT_EQ(f.Platform.Clipboard, "bc");
}

TEST(EditorClipboard, CopyOfWholeParagraphsEndsWithTheBreakBeforeTheEnd) {
    TEditorFixture f;
    f.Load("[ab\n\ncd\n|]");
    f.Editor.CopyToClipboard();
    EXPECT_EQ(f.Platform.Clipboard, "ab\r\n\r\ncd\r\n");
}

TEST(EditorClipboard, CopyWithoutAHighlightLeavesTheClipboard) {
    TEditorFixture f;
    f.Platform.Clipboard = "old";
    f.Load("ab|c");
    f.Editor.CopyToClipboard();
    EXPECT_EQ(f.Platform.Clipboard, "old");
}

TEST(EditorClipboard, CutCopiesThenDeletes) {
    TEditorFixture f;
    f.Load("a[b\nc|]d");
    f.Editor.ProcessCommand(ccCut, 0);
    EXPECT_EQ(f.Platform.Clipboard, "b\r\nc");
    EXPECT_EQ(Marked(f.Editor), "a|d");
    EXPECT_EQ(f.Changes, 1);
}

TEST(EditorClipboard, CutWhenReadOnlyLeavesTextAndClipboard) {
    TEditorFixture f;
    f.Platform.Clipboard = "old";
    f.Editor.SetReadOnly(true);
    f.Load("a[bc|]d");
    f.Editor.ProcessCommand(ccCut, 0);
    EXPECT_EQ(f.Platform.Clipboard, "old");
    EXPECT_EQ(Marked(f.Editor), "a[bc|]d");
}

TEST(EditorClipboard, CopyWorksWhenReadOnly) {
    TEditorFixture f;
    f.Editor.SetReadOnly(true);
    f.Load("a[bc|]d");
    f.Editor.CopyToClipboard();
    EXPECT_EQ(f.Platform.Clipboard, "bc");
}

// The highlighted text must never be lost: a cut whose copy failed keeps it.
TEST(EditorClipboard, ACutWhoseCopyFailsKeepsTheText) {
    TEditorFixture f;
    f.Platform.Clipboard = "old";
    f.Platform.ClipboardFails = true;
    f.Load("a[bc|]d");
    f.Editor.ProcessCommand(ccCut, 0);
    EXPECT_EQ(f.Errors, std::vector<std::uint16_t>{eeOutOfMemory});
    EXPECT_EQ(Marked(f.Editor), "a[bc|]d");
    EXPECT_EQ(f.Platform.Clipboard, "old");
}

TEST(EditorClipboard, AFailedCopyWithoutOnErrorRaisesOutOfMemory) {
    TEditorFixture f;
    f.Editor.OnError = nullptr;
    f.Platform.ClipboardFails = true;
    f.Load("a[bc|]d");
    try {
        f.Editor.CutToClipboard();
        FAIL() << "no exception";
    } catch (const EEditorError& error) {
        EXPECT_EQ(error.ErrorCode(), eeOutOfMemory);
        EXPECT_STREQ(error.what(), "insufficient memory for requested operation");
    }
    EXPECT_EQ(Marked(f.Editor), "a[bc|]d");
}

TEST(EditorClipboard, PastingCrLfLinesMakesOneParagraphEach) {
    TEditorFixture f;
    f.Platform.Clipboard = "x\r\ny\r\nz";
    f.Load("a|b");
    f.Editor.ProcessCommand(ccPaste, 0);
    EXPECT_EQ(Marked(f.Editor), "ax\ny\nz|b");
    EXPECT_EQ(f.Changes, 1);
}

TEST(EditorClipboard, PastingTextWithoutLineFeedsStaysInTheParagraph) {
    TEditorFixture f;
    f.Platform.Clipboard = "xyz";
    f.Load("a[b|]c");
    f.Editor.PasteFromClipboard();
    EXPECT_EQ(Marked(f.Editor), "axyz|c");
}

TEST(EditorClipboard, PasteStopsAtANul) {
    TEditorFixture f;
    f.Platform.Clipboard = std::string("xy\0z", 4);
    f.Load("|");
    f.Editor.PasteFromClipboard();
    EXPECT_EQ(Marked(f.Editor), "xy|");
}

TEST(EditorClipboard, PasteWithAnEmptyClipboardChangesNothing) {
    TEditorFixture f;
    f.Load("a[b|]c");
    f.Editor.PasteFromClipboard();
    EXPECT_EQ(Marked(f.Editor), "a[b|]c");
}

TEST(EditorClipboard, PasteReportsALimitAndKeepsTheLinesBeforeIt) {
    TEditorFixture f;
    f.Editor.SetParaLengthLimit(4);
    f.Platform.Clipboard = "ab\r\nabcdef\r\nx";
    f.Load("|");
    f.Editor.PasteFromClipboard();
    EXPECT_EQ(f.Errors, std::vector<std::uint16_t>{eeParagraphTooLong});
    EXPECT_EQ(PlainText(f.Editor), "ab\n");
    EXPECT_EDITOR_VALID(f.Editor);
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "");
}

TEST(EditorClipboard, PasteWhenReadOnlyDoesNothing) {
    TEditorFixture f;
    f.Platform.Clipboard = "xyz";
    f.Editor.SetReadOnly(true);
    f.Load("a|b");
    f.Editor.PasteFromClipboard();
    EXPECT_EQ(Marked(f.Editor), "a|b");
}

// ---- Bookmarks

TEST(EditorBookmarks, TheBookmarkCommandsTakeTheNumberFromTheKey) {
    TEditorFixture f;
    f.Load("ab|c");
    EXPECT_TRUE(f.Editor.ProcessCommand(ccSetMarker(3), 't'));
    EXPECT_EQ(f.Editor.Store().Marker(3), TParaPos{});
    EXPECT_TRUE(f.Editor.ProcessCommand(ccSetMarker(3), '3'));
    EXPECT_EQ(f.Editor.Store().Marker(3), (TParaPos{1, 3}));
    // Any of the ten codes sets the bookmark of the digit typed.
    EXPECT_TRUE(f.Editor.ProcessCommand(ccSetMarker(0), 0x100 + '5'));
    EXPECT_EQ(f.Editor.Store().Marker(5), (TParaPos{1, 3}));
    f.Editor.SetCaretPosition(1, 1);
    EXPECT_TRUE(f.Editor.ProcessCommand(ccGotoMarker(9), '3'));
    EXPECT_EQ(Marked(f.Editor), "ab|c");
    EXPECT_EQ(f.Changes, 0);
}

TEST(EditorBookmarks, SetMarkerAtChecksTheLineAndColumn) {
    TEditorFixture f;
    f.Load("|abc\ndef");
    EXPECT_THROW(f.Editor.SetMarkerAt(3, 0, 1), EInvalidLineOrCol);
    EXPECT_THROW(f.Editor.SetMarkerAt(3, 3, 1), EInvalidLineOrCol);
    EXPECT_THROW(f.Editor.SetMarkerAt(3, 1, 0), EInvalidLineOrCol);
    f.Editor.SetMarkerAt(10, 1, 1);
    f.Editor.SetMarkerAt(3, 2, 9);  // the column is not limited to the line
    EXPECT_EQ(f.Editor.Store().Marker(3), (TParaPos{2, 9}));
    f.Editor.GotoMarker(3);
    EXPECT_EQ(Marked(f.Editor), "abc\ndef|");
}

TEST(EditorBookmarks, SetMarkerAtOnAWrappedLineCountsFromThatLine) {
    TEditorFixture f;
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(6);
    f.Load("|aaaa bbbb");
    f.Editor.SetMarkerAt(1, 2, 2);
    EXPECT_EQ(f.Editor.Store().Marker(1), (TParaPos{1, 7}));
}

TEST(EditorBookmarks, GotoMarkerOfAnUnsetBookmarkDoesNothing) {
    TEditorFixture f;
    f.Load("a[b|]c");
    f.Editor.GotoMarker(4);
    f.Editor.GotoMarker(200);
    EXPECT_EQ(Marked(f.Editor), "a[b|]c");
}

TEST(EditorBookmarks, GotoMarkerCollapsesTheHighlight) {
    TEditorFixture f;
    f.Load("|abc");
    f.Editor.SetMarker(2);
    f.Editor.SetSelection(1, 2, 1, 3, true);
    f.Editor.GotoMarker(2);
    EXPECT_EQ(Marked(f.Editor), "|abc");
}

TEST(EditorBookmarks, ClearMarkerUnsetsIt) {
    TEditorFixture f;
    f.Load("ab|c");
    f.Editor.SetMarker(7);
    f.Editor.ClearMarker(7);
    f.Editor.ClearMarker(11);
    EXPECT_EQ(f.Editor.Store().Marker(7), TParaPos{});
}

TEST(EditorBookmarks, BookmarksFollowTheEditsOfTheirParagraph) {
    TEditorFixture f;
    f.Load("1\n2\n3\n4\nabcde|");
    f.Editor.SetMarkerAt(0, 5, 3);
    f.Editor.SetSelection(5, 1, 5, 3, true);
    f.Editor.ProcessCommand(ccDel, 0);
    EXPECT_EQ(f.Editor.Store().Marker(0), (TParaPos{5, 1}));

    f.Load("1\n2\n3\n4\nabcde|");
    f.Editor.SetMarkerAt(0, 5, 3);
    f.Editor.SetSelection(5, 3, 5, 5, true);
    f.Editor.ProcessCommand(ccDel, 0);
    EXPECT_EQ(f.Editor.Store().Marker(0), TParaPos{});

    f.Load("1\n2\n3\n4\nabcde|");
    f.Editor.SetMarkerAt(0, 5, 3);
    f.Editor.SetCaretPosition(5, 1);
    f.Editor.ProcessCommand(ccNewLine, 0);
    EXPECT_EQ(f.Editor.Store().Marker(0), (TParaPos{6, 3}));
}

TEST(EditorBookmarks, UndoMovesBookmarksBack) {
    TEditorFixture f;
    f.Load("abc|");
    f.Editor.SetMarker(1);
    f.Editor.SetCaretPosition(1, 1);
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    EXPECT_EQ(f.Editor.Store().Marker(1), (TParaPos{1, 5}));
    f.Editor.Undo();
    EXPECT_EQ(f.Editor.Store().Marker(1), (TParaPos{1, 4}));
}

}  // namespace
}  // namespace wendax::test
