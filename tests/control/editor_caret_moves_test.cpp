// Caret moves as scripts: the plain moves collapse the highlight, the extending ones drag
// its caret-side end; tabs keep the screen column; wrapped lines and the blank area after
// the text.
#include "base/exceptions.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

void NoWrapAtLeft(TOvcCustomEditor& e) {
    e.SetWrapAtLeft(false);
}
void PastEnd(TOvcCustomEditor& e) {
    e.SetScrollPastEnd(true);
}
// "aaaa bbbb" shows as "aaaa " and "bbbb".
void WrapAt6(TOvcCustomEditor& e) {
    e.SetWordWrap(true);
    e.SetWrapColumn(6);
}

class CaretMoveScripts : public testing::TestWithParam<TEditorScript> {};

TEST_P(CaretMoveScripts, Run) {
    RunScript(GetParam());
}

const TEditorScript kCaretMoves[] = {
    {"LeftMovesOnePosition", "ab|c", {{ccLeft}}, "a|bc"},
    {"LeftAtParagraphStartGoesToEndOfPreviousLine", "abc\n|de", {{ccLeft}}, "abc|\nde"},
    {"LeftAtTextStartDoesNotMove", "|abc", {{ccLeft}}, "|abc"},
    {"LeftWithoutWrapAtLeftStopsAtParagraphStart",
     "abc\n|de",
     {{ccLeft}},
     "abc\n|de",
     -1,
     NoWrapAtLeft},
    {"LeftAtTextStartKeepsTheHighlight", "[|ab]c", {{ccLeft}}, "[|ab]c"},
    {"RightMovesOnePosition", "a|bc", {{ccRight}}, "ab|c"},
    {"RightAtParagraphEndGoesToNextLine", "ab|\ncd", {{ccRight}}, "ab\n|cd"},
    {"RightAtEndOfLastLineDoesNotMove", "ab\ncd|", {{ccRight}}, "ab\ncd|"},
    {"RightWithScrollPastEndEntersTheBlankArea",
     "ab|\ncd",
     {{ccRight}, {ccRight}},
     "ab~~|\ncd",
     -1,
     PastEnd},
    {"LeftInTheBlankAreaMovesOneColumn", "ab~~|", {{ccLeft}}, "ab~|", -1, PastEnd},
    {"ExtendRightHighlights", "|abc", {{ccExtendRight}, {ccExtendRight}}, "[ab|]c"},
    {"PlainMoveCollapsesTheHighlight", "[ab|]c", {{ccRight}}, "abc|"},
    {"ExtendLeftShrinksThenGrowsTheOtherWay",
     "a[bc|]d",
     {{ccExtendLeft}, {ccExtendLeft}, {ccExtendLeft}},
     "[|a]bcd"},
    {"ExtendAcrossParagraphs", "a|b\ncd", {{ccExtendDown}}, "a[b\nc|]d"},
    {"ExtendInTheBlankAreaHighlightsToTheEnd",
     "a|b",
     {{ccExtendRight}, {ccExtendRight}, {ccExtendRight}},
     "a[b]~~|",
     -1,
     PastEnd},
    {"UpKeepsTheScreenColumnAcrossTabs", "\tab\n123456789|0", {{ccUp}}, "\ta|b\n1234567890"},
    {"DownFromAfterATabKeepsTheScreenColumn", "\t|ab\n1234567890", {{ccDown}}, "\tab\n12345678|90"},
    {"NoPreferredColumnIsRemembered",
     "abcdef|\nab\nabcdef",
     {{ccDown}, {ccDown}},
     "abcdef\nab\nab|cdef"},
    {"DownOnLastLineDoesNotMove", "ab\nc|d", {{ccDown}}, "ab\nc|d"},
    {"DownOnLastLineKeepsTheHighlight", "ab\n[c|]d", {{ccDown}}, "ab\n[c|]d"},
    {"UpOnFirstLineKeepsTheColumn", "ab|c\nd", {{ccUp}}, "ab|c\nd"},
    {"HomeGoesToColumnOne", "ab|cd", {{ccHome}}, "|abcd"},
    {"EndGoesAfterTheLastCharacter", "a|bcd", {{ccEnd}}, "abcd|"},
    {"ExtendHomeAndEnd", "ab|cd", {{ccExtendEnd}, {ccExtendHome}}, "[|ab]cd"},
    {"EndOnALineThatContinuesStopsOnItsLastCharacter",
     "|aaaa bbbb",
     {{ccEnd}},
     "aaaa| bbbb",
     -1,
     WrapAt6},
    {"RightFromTheLastCharacterOfAContinuingLine",
     "aaaa| bbbb",
     {{ccRight}},
     "aaaa |bbbb",
     -1,
     WrapAt6},
    {"LeftFromTheStartOfAContinuationLine", "aaaa |bbbb", {{ccLeft}}, "aaaa| bbbb", -1, WrapAt6},
    {"DownKeepsTheColumnWithinAWrappedParagraph",
     "a|aaa bbbb",
     {{ccDown}},
     "aaaa b|bbb",
     -1,
     WrapAt6},
    {"UpOntoAContinuingLineStopsOnItsLastCharacter",
     "aaaa bbbbb|",
     {{ccUp}},
     "aaaa| bbbbb",
     -1,
     WrapAt6},
    {"DownOntoAContinuingLineStopsOnItsLastCharacter",
     "xxxxxx|\naaaa bbbbb",
     {{ccDown}},
     "xxxxxx\naaaa| bbbbb",
     -1,
     WrapAt6},
    {"WordRightSkipsTheWordAndTheDelimiters", "|foo, bar", {{ccWordRight}}, "foo, |bar"},
    {"WordRightToTheParagraphEnd", "foo, |bar", {{ccWordRight}}, "foo, bar|"},
    {"WordRightFromTheParagraphEndGoesToTheNextLine", "ab|\ncd", {{ccWordRight}}, "ab\n|cd"},
    {"WordRightOnTheLastLineEndDoesNotMove", "ab|", {{ccWordRight}}, "ab|"},
    {"WordRightUnderscoreAndHighCharactersAreWordCharacters",
     "|a_b\xE9x y",
     {{ccWordRight}},
     "a_b\xE9x |y"},
    {"WordLeftToTheStartOfThePreviousWord", "foo, bar|", {{ccWordLeft}}, "foo, |bar"},
    {"WordLeftSkipsDelimitersFirst", "foo, |bar", {{ccWordLeft}}, "|foo, bar"},
    {"WordLeftFromInsideAWord", "foo, ba|r", {{ccWordLeft}}, "foo, |bar"},
    {"WordLeftAtParagraphStartGoesToThePreviousEnd", "ab\n|cd", {{ccWordLeft}}, "ab|\ncd"},
    {"WordLeftAtTheTextStartDoesNotMove", "|ab", {{ccWordLeft}}, "|ab"},
    {"WordLeftFromTheBlankArea", "ab cd~~|", {{ccWordLeft}}, "ab |cd", -1, PastEnd},
    {"ExtWordRightHighlightsTheWord", "|foo bar", {{ccExtWordRight}}, "[foo |]bar"},
    {"ExtWordLeftHighlightsBack", "foo bar|", {{ccExtWordLeft}}, "foo [|bar]"},
    {"FirstPageGoesToTheStart", "ab\nc|d\nef", {{ccFirstPage}}, "|ab\ncd\nef"},
    {"LastPageGoesToTheEnd", "a|b\ncd\nef", {{ccLastPage}}, "ab\ncd\nef|"},
    {"ExtFirstPageHighlightsToTheStart", "ab\nc|d", {{ccExtFirstPage}}, "[|ab\nc]d"},
    {"ExtLastPageHighlightsToTheEnd", "ab\n|cd", {{ccExtLastPage}}, "ab\n[cd|]"},
};

INSTANTIATE_TEST_SUITE_P(Editor, CaretMoveScripts, testing::ValuesIn(kCaretMoves), ScriptName);

TEST(EditorCaret, SetCaretPositionOutsideTheTextRaises) {
    TEditorFixture f;
    f.Load("abc\n|def");
    EXPECT_THROW(f.Editor.SetCaretPosition(0, 1), EInvalidLineOrPara);
    EXPECT_THROW(f.Editor.SetCaretPosition(3, 1), EInvalidLineOrPara);
    EXPECT_THROW(f.Editor.SetCaretPosition(1, 0), EInvalidLineOrPara);
    EXPECT_EQ(Marked(f.Editor), "abc\n|def");
}

TEST(EditorCaret, SetCaretPositionClampsTheColumnToTheLine) {
    TEditorFixture f;
    f.Load("|abc");
    f.Editor.SetCaretPosition(1, 500);
    std::int32_t col = 0;
    EXPECT_EQ(f.Editor.GetCaretPosition(col), 1);
    EXPECT_EQ(col, 4);
}

TEST(EditorCaret, SetCaretPositionCollapsesTheHighlight) {
    TEditorFixture f;
    f.Load("[ab|]c");
    f.Editor.SetCaretPosition(1, 1);
    EXPECT_FALSE(f.Editor.HasSelection());
}

TEST(EditorCaret, ScrollPastEndStopsTheCaretAtTheParagraphLimit) {
    TEditorFixture f;
    f.Editor.SetScrollPastEnd(true);
    f.Editor.SetParaLengthLimit(10);
    f.Load("|ab");
    f.Editor.SetCaretPosition(1, 500);
    EXPECT_EQ(f.Editor.CaretParaPos(), (TParaPos{1, 11}));
    // A tab spanning columns 1..8 leaves the blank area ending at screen column 10.
    f.Load("|\tb");
    f.Editor.SetCaretPosition(1, 500);
    EXPECT_EQ(f.Editor.CaretParaPos(), (TParaPos{1, 4}));
}

TEST(EditorCaret, TurningScrollPastEndOffBringsTheCaretBackToTheText) {
    TEditorFixture f;
    f.Editor.SetScrollPastEnd(true);
    f.Load("ab~~~|");
    f.Editor.SetScrollPastEnd(false);
    EXPECT_EQ(Marked(f.Editor), "ab|");
    EXPECT_EDITOR_VALID(f.Editor);
}

}  // namespace
}  // namespace wendax::test
