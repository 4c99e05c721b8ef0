// The deletions as scripts: Delete and its joins, Backspace, to the start or end of the
// display line, the display line, the word; read-only texts stay as they are.
#include "base/exceptions.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

void PastEnd(TOvcCustomEditor& e) {
    e.SetScrollPastEnd(true);
}
void ReadOnly(TOvcCustomEditor& e) {
    e.SetReadOnly(true);
}
void NoWrapAtLeft(TOvcCustomEditor& e) {
    e.SetWrapAtLeft(false);
}
void ShortParagraphs(TOvcCustomEditor& e) {
    e.SetParaLengthLimit(4);
}
// "aaaa bbbb" shows as "aaaa " and "bbbb".
void WrapAt6(TOvcCustomEditor& e) {
    e.SetWordWrap(true);
    e.SetWrapColumn(6);
}

class DeletionScripts : public testing::TestWithParam<TEditorScript> {};

TEST_P(DeletionScripts, Run) {
    RunScript(GetParam());
}

const TEditorScript kDeletions[] = {
    {"DelDeletesTheCharacterAtTheCaret", "a|bc", {{ccDel}}, "a|c", 1},
    {"DelAtAParagraphEndJoinsTheNextOne", "ab|\ncd", {{ccDel}}, "ab|cd", 1},
    {"DelAtTheEndOfTheLastParagraphDoesNothing", "ab|", {{ccDel}}, "ab|", 1},
    {"DelInTheBlankAreaJoinsWithSpaces", "ab~~|\ncd", {{ccDel}}, "ab  |cd", 1, PastEnd},
    {"DelJoinBeyondTheParagraphLimitIsReported",
     "ab|\ncde",
     {{ccDel}},
     "ab|\ncde",
     1,
     ShortParagraphs,
     0,
     {eeCannotJoin}},
    {"DelDeletesAHighlightWithinAParagraph", "a[bc|]d", {{ccDel}}, "a|d", 1},
    {"DelDeletesAHighlightAcrossParagraphs", "a[b\ncd\ne|]f", {{ccDel}}, "a|f", 1},
    {"DelDeletesWholeParagraphs", "ab\n[cd\nef\n|]gh", {{ccDel}}, "ab\n|gh", 1},
    {"BackDeletesTheCharacterBeforeTheCaret", "ab|c", {{ccBack}}, "a|c", 1},
    {"BackAtTheTextStartDoesNothingButReportsAChange", "|abc", {{ccBack}}, "|abc", 1},
    {"BackAtAParagraphStartJoinsItToThePreviousOne", "ab\n|cd", {{ccBack}}, "ab|cd", 1},
    {"BackDeletesAHighlightWithoutMovingFirst", "a[bc|]d", {{ccBack}}, "a|d", 1},
    {"BackWhenReadOnlyOnlyMovesLeft", "ab|c", {{ccBack}}, "a|bc", 1, ReadOnly},
    {"BackWhenReadOnlyCollapsesAHighlightMovingLeft", "a[bc|]d", {{ccBack}}, "ab|cd", 1, ReadOnly},
    {"BackThatCannotMoveDeletesNothing", "ab\n|cd", {{ccBack}}, "ab\n|cd", 1, NoWrapAtLeft},
    {"BackInTheBlankAreaOnlyMoves", "ab~~|\ncd", {{ccBack}, {ccBack}}, "ab|\ncd", 2, PastEnd},
    {"BackFromTheStartOfAContinuationLine", "aaaa |bbbb", {{ccBack}}, "aaaa|bbbb", 1, WrapAt6},
    {"DelBolDeletesTheLineBeforeTheCaret", "abc|def", {{ccDelBol}}, "|def", 1},
    {"DelBolInColumnOneDeletesNothing", "ab\n|cd", {{ccDelBol}}, "ab\n|cd", 1},
    {"DelBolOnAnEmptyLineOnlyCollapses", "[ab\n|]", {{ccDelBol}}, "ab\n|", 1},
    {"DelBolIgnoresTheHighlight", "a[bc|]d", {{ccDelBol}}, "|d", 1},
    {"DelBolInTheBlankAreaDeletesTheWholeLine", "ab~~|", {{ccDelBol}}, "|", 1, PastEnd},
    {"DelBolOnAContinuationLineKeepsTheFirstLine",
     "aaaa bb|bb",
     {{ccDelBol}},
     "aaaa |bb",
     1,
     WrapAt6},
    {"DelEolDeletesToTheLineEnd", "ab|cd\nef", {{ccDelEol}}, "ab|\nef", 1},
    {"DelEolAtTheLineEndNeverJoins", "ab|\ncd", {{ccDelEol}}, "ab|\ncd", 1},
    {"DelEolOnAnEmptyLineOnlyCollapses", "[ab\n|]\ncd", {{ccDelEol}}, "ab\n|\ncd", 1},
    {"DelEolStopsAtTheEndOfTheDisplayLine", "aa|aa bbbb", {{ccDelEol}}, "aa|bbbb", 1, WrapAt6},
    {"DelLineOnTheOnlyLineLeavesAnEmptyLine", "a|bc", {{ccDelLine}}, "|", 1},
    {"DelLineTakesTheLineAndItsBreak", "ab\nc|d\nef", {{ccDelLine}}, "ab\n|ef", 1},
    {"DelLineOnTheLastLineDeletesItsCharacters", "ab\nc|d", {{ccDelLine}}, "ab\n|", 1},
    {"DelLineOnAnEmptyLastLineDoesNothing", "ab\n|", {{ccDelLine}}, "ab\n|", 1},
    {"DelLineIgnoresTheHighlight", "[ab\nc|]d\nef", {{ccDelLine}}, "ab\n|ef", 1},
    {"DelLineOnAWrappedLineTakesOnlyThatLine", "aa|aa bbbb", {{ccDelLine}}, "|bbbb", 1, WrapAt6},
    {"DelLineOnTheLastLineOfAWrappedParagraphTakesTheBreak",
     "aaaa b|bbb\ncc",
     {{ccDelLine}},
     "aaaa |cc",
     1,
     WrapAt6},
    {"DelWordDeletesTheWordAndTheBlanksAfterIt", "|foo  bar", {{ccDelWord}}, "|bar", 1},
    {"DelWordFromInsideAWord", "f|oo bar", {{ccDelWord}}, "f|bar", 1},
    {"DelWordOnAnotherDelimiterDeletesOneCharacter", "foo|, bar", {{ccDelWord}}, "foo| bar", 1},
    {"DelWordOnBlanksDeletesTheBlanks", "foo|   bar", {{ccDelWord}}, "foo|bar", 1},
    {"DelWordAtAParagraphEndJoins", "foo|\nbar", {{ccDelWord}}, "foo|bar", 1},
    {"DelWordDeletesTheHighlight", "[fo|]o bar", {{ccDelWord}}, "|o bar", 1},
    {"DelIsIgnoredWhenReadOnly", "a[b|]c", {{ccDel}}, "a[b|]c", 1, ReadOnly},
    {"DelBolIsIgnoredWhenReadOnly", "ab|c", {{ccDelBol}}, "ab|c", 1, ReadOnly},
    {"DelEolIsIgnoredWhenReadOnly", "ab|c", {{ccDelEol}}, "ab|c", 1, ReadOnly},
    {"DelLineIsIgnoredWhenReadOnly", "ab|c\nd", {{ccDelLine}}, "ab|c\nd", 1, ReadOnly},
    {"DelWordIsIgnoredWhenReadOnly", "|ab c", {{ccDelWord}}, "|ab c", 1, ReadOnly},
};

INSTANTIATE_TEST_SUITE_P(Editor, DeletionScripts, testing::ValuesIn(kDeletions), ScriptName);

TEST(EditorDeletions, DelLineIsOneUndoStep) {
    TEditorFixture f;
    f.Load("ab\nc|d\nef");
    f.Editor.ProcessCommand(ccDelLine, 0);
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "ab\ncd\nef");
}

TEST(EditorDeletions, AHighlightAcrossParagraphsIsOneUndoStep) {
    TEditorFixture f;
    f.Load("a[b\ncd\ne|]f");
    f.Editor.ProcessCommand(ccDel, 0);
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "ab\ncd\nef");
    EXPECT_EDITOR_VALID(f.Editor);
}

TEST(EditorDeletions, AFailedJoinWithoutOnErrorRaisesAndChangesNothing) {
    TEditorFixture f;
    f.Editor.OnError = nullptr;
    f.Editor.SetParaLengthLimit(4);
    f.Load("ab|\ncde");
    EXPECT_THROW(f.Editor.ProcessCommand(ccDel, 0), EEditorError);
    EXPECT_EQ(Marked(f.Editor), "ab|\ncde");
    EXPECT_EQ(f.Changes, 0);
}

}  // namespace
}  // namespace wendax::test
