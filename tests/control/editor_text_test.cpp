// The editor's text operations: InsertString in pieces, AppendPara, ResetText, undo and
// redo, Modified, the text queries, and ProcessCommand's handling of codes.
#include <set>

#include "base/exceptions.h"
#include "base/library_messages.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

// ---- InsertString

TEST(EditorInsertString, LineBreaksMakeParagraphsAndTheCaretEndsAfterTheText) {
    TEditorFixture f;
    f.Load("|");
    EXPECT_EQ(f.Editor.InsertString("a\r\nb"), eeOk);
    EXPECT_EQ(Marked(f.Editor), "a\nb|");
    EXPECT_EQ(f.Changes, 0);
}

TEST(EditorInsertString, ReplacesTheHighlightInOneUndoStep) {
    TEditorFixture f;
    f.Load("x[yz|]w");
    f.Editor.InsertString("1\n2");
    EXPECT_EQ(Marked(f.Editor), "x1\n2|w");
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "xyzw");
    EXPECT_FALSE(f.Editor.Modified());
}

TEST(EditorInsertString, EmptyTextOrReadOnlyDoesNothing) {
    TEditorFixture f;
    f.Load("a[b|]");
    EXPECT_EQ(f.Editor.InsertString(""), eeOk);
    EXPECT_EQ(f.Editor.InsertString(std::string_view("\0x", 2)), eeOk);
    f.Editor.SetReadOnly(true);
    EXPECT_EQ(f.Editor.InsertString("zz"), eeOk);
    EXPECT_EQ(Marked(f.Editor), "a[b|]");
    EXPECT_FALSE(f.Editor.Modified());
}

TEST(EditorInsertString, ReturnsTheFailureWithoutReportingIt) {
    TEditorFixture f;
    f.Editor.SetParaLengthLimit(3);
    f.Load("|");
    EXPECT_EQ(f.Editor.InsertString("abcd"), eeParagraphTooLong);
    EXPECT_TRUE(f.Errors.empty());
    EXPECT_EQ(Marked(f.Editor), "|");
}

// Lines of 99 characters with CR LF: the 61,440-character cuts fall inside lines and
// inside line breaks; the text arrives whole, with one undo step for all of it.
TEST(EditorInsertString, LongTextArrivesWholeAcrossItsPieces) {
    TEditorFixture f;
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; text.size() < 200000; ++i) {
        std::string line(99, static_cast<char>('a' + i % 26));
        text += line + "\r\n";
        expected.push_back(line);
    }
    expected.emplace_back();
    f.Load("|");
    EXPECT_EQ(f.Editor.InsertString(text), eeOk);
    std::vector<std::string> paras;
    for (std::int32_t p = 1; p <= f.Editor.ParaCount(); ++p)
        paras.emplace_back(f.Editor.GetPara(p));
    EXPECT_EQ(paras, expected);
    EXPECT_EQ(f.Editor.CaretParaPos(), (TParaPos{f.Editor.ParaCount(), 1}));
    EXPECT_EDITOR_VALID(f.Editor);
}

// A cut landing right between a carriage return and its line feed, after more line breaks
// than a piece may take, must not split that pair into two breaks.
TEST(EditorInsertString, APieceNeverEndsBetweenACarriageReturnAndItsLineFeed) {
    constexpr std::size_t kSize = TOvcCustomEditor::kInsertPieceSize;
    constexpr std::size_t kBreaks = TOvcCustomEditor::kInsertPieceBreaks;
    std::string text;
    while (text.size() + 200 < kSize)
        text += std::string(98, 'a') + "\r\n";
    text += std::string(kSize - 1 - text.size(), 'b');
    for (std::size_t i = 0; i < kBreaks / 2 + 1; ++i)
        text += "\r\n";
    text += "z";
    ASSERT_EQ(text.substr(kSize + kBreaks - 1, 2), "\r\n");
    std::vector<std::string> expected{""};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            expected.emplace_back();
            ++i;
        } else {
            expected.back() += text[i];
        }
    }
    TEditorFixture f;
    f.Load("|");
    EXPECT_EQ(f.Editor.InsertString(text), eeOk);
    std::vector<std::string> paras;
    for (std::int32_t p = 1; p <= f.Editor.ParaCount(); ++p)
        paras.emplace_back(f.Editor.GetPara(p));
    EXPECT_EQ(paras, expected);
}

// ---- AppendPara

TEST(EditorAppendPara, AddsParagraphsBeforeTheLastWithoutUndoOrModified) {
    TEditorFixture f;
    f.Load("|");
    EXPECT_EQ(f.Editor.AppendPara("one"), eeOk);
    EXPECT_EQ(f.Editor.AppendPara("two  \t"), eeOk);
    EXPECT_EQ(PlainText(f.Editor), "one\ntwo\n");
    EXPECT_FALSE(f.Editor.Modified());
    EXPECT_FALSE(f.Editor.CanUndo());
    EXPECT_EQ(f.Editor.TextLength(), 8);  // "one\ntwo\n"
    EXPECT_EDITOR_VALID(f.Editor);
}

TEST(EditorAppendPara, KeepsTrailingBlanksWithoutTrimWhiteSpace) {
    TEditorFixture f;
    f.Editor.SetTrimWhiteSpace(false);
    f.Load("|");
    f.Editor.AppendPara("two  ");
    EXPECT_EQ(f.Editor.GetPara(1), "two  ");
}

TEST(EditorAppendPara, CutsLongLinesAfterTheirLastBlankWithinTheLimit) {
    TEditorFixture f;
    f.Editor.SetParaLengthLimit(10);
    f.Load("|");
    f.Editor.AppendPara("aaaa bbbb cccc");
    f.Editor.AppendPara(std::string(25, 'x'));
    // A blank where a line is cut stays: the pieces are one line of the file.
    EXPECT_EQ(PlainText(f.Editor), "aaaa bbbb \ncccc\nxxxxxxxxxx\nxxxxxxxxxx\nxxxxx\n");
    f.Editor.SetTrimWhiteSpace(false);
    f.Editor.ResetText(false);
    f.Editor.AppendPara("aaaa bbbb cccc");
    EXPECT_EQ(f.Editor.GetPara(1), "aaaa bbbb ");
}

TEST(EditorAppendPara, ALineOfBlanksBecomesAnEmptyParagraph) {
    TEditorFixture f;
    f.Load("|");
    f.Editor.AppendPara(" \t ");
    EXPECT_EQ(f.Editor.ParaCount(), 2);
    EXPECT_EQ(f.Editor.GetPara(1), "");
}

TEST(EditorAppendPara, StopsAtTheParagraphLimit) {
    TEditorFixture f;
    f.Editor.SetParaLimit(2);
    f.Load("|");
    EXPECT_EQ(f.Editor.AppendPara("a"), eeOk);
    EXPECT_EQ(f.Editor.AppendPara("b"), eeOk);
    EXPECT_EQ(f.Editor.AppendPara("c"), eeTooManyParagraphs);
    EXPECT_EQ(PlainText(f.Editor), "a\nb\n");
}

TEST(EditorAppendPara, StopsAtTheTextLimitKeepingThePiecesBefore) {
    TEditorFixture f;
    f.Editor.SetParaLengthLimit(4);
    f.Editor.SetByteLimit(8);
    f.Load("|");
    EXPECT_EQ(f.Editor.AppendPara("abcdefghijk"), eeTextTooLarge);
    EXPECT_EQ(PlainText(f.Editor), "");
    EXPECT_EQ(f.Editor.AppendPara("abcdef"), eeTextTooLarge);
    EXPECT_EQ(PlainText(f.Editor), "abcd\n");
}

TEST(EditorAppendPara, KeepsTheCaretValidOnTheLastParagraph) {
    TEditorFixture f;
    f.Load("abc|");
    f.Editor.AppendPara("x");
    EXPECT_EDITOR_VALID(f.Editor);
    EXPECT_EQ(PlainText(f.Editor), "x\nabc");
}

TEST(EditorAppendPara, AppendParaToFillsAnotherStoreWithTheEditorsRules) {
    TEditorFixture f;
    f.Editor.SetParaLengthLimit(4);
    f.Load("old|");
    std::unique_ptr<TParaList> fresh = f.Editor.CreateEmptyStore();
    EXPECT_EQ(f.Editor.AppendParaTo(*fresh, "ab cdef  "), eeOk);
    EXPECT_EQ(PlainText(f.Editor), "old");
    f.Editor.AdoptStore(std::move(fresh), true);
    EXPECT_EQ(Marked(f.Editor), "|ab \ncdef\n\n");
    EXPECT_TRUE(f.Editor.OwnsStore());
    EXPECT_EDITOR_VALID(f.Editor);
}

// ---- ResetText

TEST(EditorResetText, StartsAnEmptyStoreWithTheSameSettings) {
    TEditorFixture f;
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(33);
    f.Editor.SetTabSize(4);
    f.Editor.SetParaLimit(50);
    f.Editor.SetByteLimit(5000);
    f.Editor.SetParaLengthLimit(300);
    f.Editor.SetUndoBufferSize(1000);
    f.Load("abc\nd[e|]f");
    f.Editor.SetMarker(2);
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    f.Editor.ResetText(false);
    EXPECT_EQ(Marked(f.Editor), "|");
    EXPECT_FALSE(f.Editor.Modified());
    EXPECT_FALSE(f.Editor.CanUndo());
    EXPECT_EQ(f.Editor.Store().Marker(2), TParaPos{});
    EXPECT_TRUE(f.Editor.WordWrap());
    EXPECT_EQ(f.Editor.WrapColumn(), 33);
    EXPECT_EQ(f.Editor.TabSize(), 4);
    EXPECT_EQ(f.Editor.ParaLimit(), 50);
    EXPECT_EQ(f.Editor.ByteLimit(), 5000);
    EXPECT_EQ(f.Editor.ParaLengthLimit(), 300);
    EXPECT_EQ(f.Editor.UndoBufferSize(), 1000);
    EXPECT_EQ(f.Editor.TopLine(), 1);
    EXPECT_EQ(f.Editor.LeftColumn(), 0);
    EXPECT_EDITOR_VALID(f.Editor);
}

// ---- Undo and redo

TEST(EditorUndo, UndoWithNothingToUndoBeepsAndStillReportsAChange) {
    TEditorFixture f;
    f.Load("ab|");
    EXPECT_FALSE(f.Editor.CanUndo());
    EXPECT_TRUE(f.Editor.ProcessCommand(ccUndo, 0));
    EXPECT_TRUE(f.Editor.ProcessCommand(ccRedo, 0));
    EXPECT_EQ(f.Platform.Beeps, 2);
    EXPECT_EQ(f.Changes, 2);
}

TEST(EditorUndo, UndoPutsTheCaretWhereTheChangeHappenedAndRedoRepeatsIt) {
    TEditorFixture f;
    f.Load("abc\n|def");
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    f.Editor.SetCaretPosition(1, 1);
    f.Editor.Undo();
    EXPECT_EQ(Marked(f.Editor), "abc\n|def");
    EXPECT_TRUE(f.Editor.CanRedo());
    f.Editor.Redo();
    EXPECT_EQ(Marked(f.Editor), "abc\nx|def");
    EXPECT_TRUE(f.Editor.Modified());
}

TEST(EditorUndo, UndoCollapsesTheHighlight) {
    TEditorFixture f;
    f.Load("ab|c");
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    f.Editor.SelectAll(true);
    f.Editor.Undo();
    EXPECT_FALSE(f.Editor.HasSelection());
}

TEST(EditorUndo, UndoingPastASaveMakesTheTextModifiedAgain) {
    TEditorFixture f;
    f.Load("ab|");
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    f.Editor.SetModified(false);
    f.Editor.Undo();
    EXPECT_TRUE(f.Editor.Modified());
}

TEST(EditorUndo, ReadOnlyBlocksUndoAndRedoWithABeep) {
    TEditorFixture f;
    f.Load("ab|");
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    f.Editor.SetReadOnly(true);
    EXPECT_FALSE(f.Editor.CanUndo());
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "abx");
    EXPECT_EQ(f.Platform.Beeps, 1);
}

// ---- Text queries

TEST(EditorText, GetParaAndGetPrintableLineCheckTheirRange) {
    TEditorFixture f;
    f.Load("a\tb\n|");
    EXPECT_EQ(f.Editor.GetPara(1), "a\tb");
    EXPECT_THROW(f.Editor.GetPara(0), EInvalidLineOrPara);
    EXPECT_THROW(f.Editor.GetPara(3), EInvalidLineOrPara);
    EXPECT_EQ(f.Editor.GetPrintableLine(1), "a       b");
    EXPECT_EQ(f.Editor.GetPrintableLine(1, 4), "a   ");
    EXPECT_EQ(f.Editor.GetPrintableLine(2), "");
    EXPECT_THROW(f.Editor.GetPrintableLine(3), EInvalidLineOrPara);
}

TEST(EditorText, GetPrintableLineExpandsTabsFromTheStartOfTheDisplayLine) {
    TEditorFixture f;
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(6);
    f.Editor.SetTabSize(4);
    f.Load("|aaaa bbb\tc");
    ASSERT_EQ(f.Editor.LineCount(), 2);
    EXPECT_EQ(f.Editor.GetPrintableLine(2), "bbb c");
}

TEST(EditorText, CountsAndTextLength) {
    TEditorFixture f;
    f.Load("ab\n\ncde|");
    EXPECT_EQ(f.Editor.ParaCount(), 3);
    EXPECT_EQ(f.Editor.LineCount(), 3);
    EXPECT_EQ(f.Editor.TextLength(), 8);  // the file "ab\n\ncde\n"
}

TEST(EditorText, SetModifiedRepaintsAndKeepsTheText) {
    TEditorFixture f;
    f.OpenWindow(5);
    f.Load("ab|");
    f.Editor.SetModified(true);
    EXPECT_TRUE(f.Editor.Modified());
    EXPECT_FALSE(f.Window->Invalid.IsEmpty());
    f.Settle();
    f.Editor.SetModified(true);
    EXPECT_TRUE(f.Window->Invalid.IsEmpty());
}

// ---- ProcessCommand

TEST(EditorCommands, CodesThatAreNoCommandReturnFalseAndChangeNothing) {
    TEditorFixture f;
    f.Load("a[b|]c");
    for (const TCommandCode code : std::initializer_list<TCommandCode>{
             ccNone, ccBotRightCell, ccCompleteDate, ccCompleteTime, ccDec, ccInc, ccPageLeft,
             ccPageRight, ccRestore, ccTableEdit, ccTopLeftCell, TCommandCode{76},
             TCommandCode{248}, ccUnmapped, ccBrokenSequence, ccPendingSequence}) {
        EXPECT_FALSE(f.Editor.ProcessCommand(code, 'x')) << code;
    }
    EXPECT_EQ(Marked(f.Editor), "a[b|]c");
    EXPECT_EQ(f.Changes, 0);
}

TEST(EditorCommands, UserCommandsGoToOnUserCommand) {
    TEditorFixture f;
    f.Load("ab|");
    EXPECT_TRUE(f.Editor.ProcessCommand(256, 0));
    EXPECT_TRUE(f.Editor.ProcessCommand(4000, 0));
    EXPECT_EQ(f.UserCommands, (std::vector<TCommandCode>{256, 4000}));
    f.Editor.OnUserCommand = nullptr;
    EXPECT_TRUE(f.Editor.ProcessCommand(300, 0));
}

TEST(EditorCommands, CtrlCharIsHandledAndDoesNothing) {
    TEditorFixture f;
    f.Load("a|b");
    EXPECT_TRUE(f.Editor.ProcessCommand(ccCtrlChar, 'x'));
    EXPECT_EQ(Marked(f.Editor), "a|b");
}

// New line reports only a change it made (see the typing scripts).
TEST(EditorCommands, ExactlyTheChangeCommandsReportAChange) {
    const std::set<TCommandCode> reporting = {ccBack,   ccCut,     ccDel,     ccDelBol,
                                              ccDelEol, ccDelLine, ccDelWord, ccPaste,
                                              ccRedo,   ccTab,     ccUndo};
    for (TCommandCode code = 0; code <= ccLastNamedCommand; ++code) {
        if (code == ccNewLine) continue;
        TEditorFixture f;
        f.Load("ab\n|cd");
        f.Editor.ProcessCommand(code, '1');
        EXPECT_EQ(f.Changes, reporting.contains(code) ? 1 : 0) << CommandName(code);
        EXPECT_EDITOR_VALID(f.Editor) << CommandName(code);
    }
}

}  // namespace
}  // namespace wendax::test
