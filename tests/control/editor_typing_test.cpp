// Typing, the three kinds of tab and New line as scripts, with OnChange counts and the
// errors reported for limits.
#include "base/exceptions.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

void Overwrite(TOvcCustomEditor& e) {
    e.SetInsertMode(false);
}
void PastEnd(TOvcCustomEditor& e) {
    e.SetScrollPastEnd(true);
}
void ReadOnly(TOvcCustomEditor& e) {
    e.SetReadOnly(true);
}
void Fixed(TOvcCustomEditor& e) {
    e.SetTabType(ttFixed);
}
void FixedOverwrite(TOvcCustomEditor& e) {
    e.SetTabType(ttFixed);
    e.SetInsertMode(false);
}
void Smart(TOvcCustomEditor& e) {
    e.SetTabType(ttSmart);
}
void IndentReal4(TOvcCustomEditor& e) {
    e.SetAutoIndent(true);
    e.SetTabSize(4);
}
void IndentFixed(TOvcCustomEditor& e) {
    e.SetAutoIndent(true);
    e.SetTabType(ttFixed);
}
void Indent(TOvcCustomEditor& e) {
    e.SetAutoIndent(true);
}
void OneParagraph(TOvcCustomEditor& e) {
    e.SetParaLimit(1);
}
void ShortParagraphs(TOvcCustomEditor& e) {
    e.SetParaLengthLimit(4);
}
void SmallText(TOvcCustomEditor& e) {
    e.SetByteLimit(3);
}
void WrapAt6(TOvcCustomEditor& e) {
    e.SetWordWrap(true);
    e.SetWrapColumn(6);
}

class TypingScripts : public testing::TestWithParam<TEditorScript> {};

TEST_P(TypingScripts, Run) {
    RunScript(GetParam());
}

const TEditorScript kTyping[] = {
    {"TypingInsertsAtTheCaret", "ab|c", Typing("xy"), "abxy|c", 2},
    {"OverwriteReplacesTheCharacterAtTheCaret", "a|bc", Typing("x"), "ax|c", 1, Overwrite},
    {"OverwriteOnTheLastCharacterReplacesIt", "ab|c", Typing("x"), "abx|", 1, Overwrite},
    {"OverwriteAfterTheLastCharacterAppends", "abc|", Typing("x"), "abcx|", 1, Overwrite},
    {"TypingInTheBlankAreaPadsWithSpaces", "abc~~~|", Typing("x"), "abc   x|", 1, PastEnd},
    {"TypingReplacesTheHighlight", "a[bc|]d", Typing("x"), "ax|d", 1},
    {"TypingOverAHighlightInsertsInOverwriteMode", "a[bc|]d", Typing("x"), "ax|d", 1, Overwrite},
    {"TypingANulTypesNothing", "ab|", {{ccInsertChar, 0}}, "ab|", 1},
    {"TypingTakesTheCodePoint", "ab|", {{ccInsertChar, 0x178}}, "ab\xc5\xb8|", 1},
    {"TypingIsIgnoredWhenReadOnlyButReportsAChange", "a[b|]", Typing("x"), "a[b|]", 1, ReadOnly},
    {"TypingBeyondTheParagraphLimitIsReported",
     "abcd|",
     Typing("x"),
     "abcd|",
     1,
     ShortParagraphs,
     0,
     {eeParagraphTooLong}},
    {"TypingBeyondTheTextLimitIsReported",
     "abc|",
     Typing("x"),
     "abc|",
     1,
     SmallText,
     0,
     {eeTextTooLarge}},
    {"TypingThatWrapsCarriesTheCaretToTheNextLine", "aaaa bbb|", Typing("b"), "aaaa bbbb|", 1,
     WrapAt6},
    {"RealTabTypesATab", "ab|", {{ccTab}}, "ab\t|", 1},
    {"RealTabInOverwriteModeReplacesTheCharacter", "a|bc", {{ccTab}}, "a\t|c", 1, Overwrite},
    {"FixedTabInColumn1InsertsEightSpaces", "|x", {{ccTab}}, "        |x", 1, Fixed},
    {"FixedTabInColumn8InsertsOneSpace", "1234567|x", {{ccTab}}, "1234567 |x", 1, Fixed},
    {"FixedTabInColumn9InsertsEightSpaces",
     "12345678|x",
     {{ccTab}},
     "12345678        |x",
     1,
     Fixed},
    {"FixedTabInOverwriteModeDeletesFirst",
     "|abcdefghij",
     {{ccTab}},
     "        |ij",
     1,
     FixedOverwrite},
    {"FixedTabBeyondTheParagraphLimitIsReported",
     "ab|",
     {{ccTab}},
     "ab|",
     1,
     [](TOvcCustomEditor& e) {
         e.SetTabType(ttFixed);
         e.SetParaLengthLimit(4);
     },
     0,
     {eeParagraphTooLong}},
    {"SmartTabGoesUnderTheNextWordOfThePreviousLine",
     "foo   bar\nx|",
     {{ccTab}},
     "foo   bar\nx     |",
     1,
     Smart},
    {"SmartTabUnderAShorterPreviousLineActsFixed",
     "ab\nxyz|",
     {{ccTab}},
     "ab\nxyz     |",
     1,
     Smart},
    {"SmartTabInParagraphOneActsFixed", "ab|c", {{ccTab}}, "ab      |c", 1, Smart},
    {"SmartTabUsesTheNextLineBelowAnEmptyOne", "\n|\n  ab", {{ccTab}}, "\n  |\n  ab", 1, Smart},
    {"SmartTabCountsTheTabsOfThePreviousLine",
     "\tfoo bar\n12345678|",
     {{ccTab}},
     "\tfoo bar\n12345678    |",
     1,
     Smart},
    {"TabReplacesTheHighlight", "a[bc|]d", {{ccTab}}, "a\t|d", 1},
    {"TabIsIgnoredWhenReadOnly", "ab|", {{ccTab}}, "ab|", 1, ReadOnly},
    {"NewLineSplitsTheParagraph", "ab|cd", {{ccNewLine}}, "ab\n|cd", 1},
    {"NewLineDropsTheBlanksBeforeTheSplitWhenTextFollows",
     "abc   |def",
     {{ccNewLine}},
     "abc\n|def",
     1},
    {"NewLineAtTheEndKeepsTrailingBlanks", "abc   |", {{ccNewLine}}, "abc   \n|", 1},
    {"NewLineAtPositionOneInsertsAnEmptyParagraphBefore", "|abc", {{ccNewLine}}, "\n|abc", 1},
    {"AutoIndentWithRealTabsBuildsTabsThenSpaces",
     "      abc|def",
     {{ccNewLine}},
     "      abc\n\t  |def",
     1,
     IndentReal4},
    {"AutoIndentWithOtherTabTypesUsesSpaces",
     "\tab|c",
     {{ccNewLine}},
     "\tab\n        |c",
     1,
     IndentFixed},
    {"AutoIndentCountsOnlyTheBlanksBeforeTheCaret",
     "  |  abc",
     {{ccNewLine}},
     "\n   |  abc",
     1,
     Indent},
    {"AutoIndentAtPositionOneSkipsTheCountedBlank", "|  abc", {{ccNewLine}}, "\n | abc", 1, Indent},
    {"AutoIndentAtPositionOneSkipsALeadingTabAsOneCharacter",
     "|\tabc",
     {{ccNewLine}},
     "\n\t|abc",
     1,
     Indent},
    {"NewLineInOverwriteModeOnlyMoves", "a|b\ncd", {{ccNewLine}}, "ab\n|cd", 0, Overwrite},
    {"NewLineInOverwriteModeOnTheLastParagraphGoesToTheEnd",
     "a|b",
     {{ccNewLine}},
     "ab|",
     0,
     Overwrite},
    {"NewLineWhenReadOnlyOnlyMoves", "a[b|]c\nd", {{ccNewLine}}, "abc\n|d", 0, ReadOnly},
    {"NewLineDeletesTheHighlightThenSplits", "a[bc|]d", {{ccNewLine}}, "a\n|d", 1},
    {"NewLineInOverwriteModeDeletesTheHighlight",
     "a[bc|]d\nx",
     {{ccNewLine}},
     "ad\n|x",
     1,
     Overwrite},
    {"NewLineBeyondTheParagraphLimitIsReported",
     "ab|c",
     {{ccNewLine}},
     "ab|c",
     0,
     OneParagraph,
     0,
     {eeTooManyParagraphs}},
    {"NewLineBeyondTheTextLimitIsReported",
     "ab|c",
     {{ccNewLine}},
     "ab|c",
     0,
     SmallText,
     0,
     {eeTextTooLarge}},
    {"InsertModeTogglesWithIns", "a|bc", Concat({{{ccIns}}, Typing("x")}), "ax|c", 1},
};

INSTANTIATE_TEST_SUITE_P(Editor, TypingScripts, testing::ValuesIn(kTyping), ScriptName);

TEST(EditorTyping, ATypingRunIsUndoneAtOnce) {
    TEditorFixture f;
    f.Load("ab|");
    for (const char c : std::string("xyz"))
        f.Editor.ProcessCommand(ccInsertChar, static_cast<unsigned char>(c));
    f.Editor.Undo();
    EXPECT_EQ(Marked(f.Editor), "ab|");
    EXPECT_FALSE(f.Editor.Modified());
}

TEST(EditorTyping, TypingOverAHighlightIsUndoneInOneStep) {
    TEditorFixture f;
    f.Load("a[bc\nd|]e");
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    EXPECT_EQ(Marked(f.Editor), "ax|e");
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "abc\nde");
}

TEST(EditorTyping, AHighlightDeletedBeforeNewLineIsItsOwnUndoStep) {
    TEditorFixture f;
    f.Load("a[bc|]d");
    f.Editor.ProcessCommand(ccNewLine, 0);
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "ad");
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "abcd");
}

TEST(EditorTyping, OverwrittenCharactersComeBackWithUndo) {
    TEditorFixture f;
    f.Editor.SetInsertMode(false);
    f.Load("|abcd");
    f.Editor.ProcessCommand(ccInsertChar, 'x');
    f.Editor.ProcessCommand(ccInsertChar, 'y');
    EXPECT_EQ(Marked(f.Editor), "xy|cd");
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "abcd");
}

TEST(EditorTyping, WithoutOnErrorALimitRaisesEditorErrorWithItsMessage) {
    TEditorFixture f;
    f.Editor.OnError = nullptr;
    f.Editor.SetParaLengthLimit(2);
    f.Load("ab|");
    try {
        f.Editor.ProcessCommand(ccInsertChar, 'x');
        FAIL() << "no exception";
    } catch (const EEditorError& error) {
        EXPECT_EQ(error.ErrorCode(), eeParagraphTooLong);
        EXPECT_STREQ(error.what(), "Current operation will exceed the maximum paragraph size");
    }
    EXPECT_EQ(Marked(f.Editor), "ab|");
    EXPECT_EDITOR_VALID(f.Editor);
}

}  // namespace
}  // namespace wendax::test
