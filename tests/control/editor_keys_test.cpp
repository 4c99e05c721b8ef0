// Keyboard sessions through a headless window as data: keys go through the controller's
// command processor (the application's tables or the built-in ones), characters follow
// unless the key was consumed or suppressed.
#include "control/main_command_tables.h"
#include "tests/control/view_test_support.h"

namespace wendax::test {
namespace {

enum TTables : std::uint8_t { tbApplication, tbBuiltIn, tbNone };

struct TKeyCase {
    const char* Name;
    TTables Tables;
    const char* Start;
    std::vector<std::string> Keys;  // "<Ctrl+Q>" one key, other text typed
    const char* Expected;
    void (*Setup)(TOvcCustomEditor& editor) = nullptr;
};

void PrintTo(const TKeyCase& c, std::ostream* out) {
    *out << c.Name;
}

class EditorKeys : public testing::TestWithParam<TKeyCase> {};

TEST_P(EditorKeys, TypedKeysGiveTheExpectedTextCaretAndHighlight) {
    const TKeyCase& c = GetParam();
    TViewFixture f;
    if (c.Tables == tbApplication) LoadMainCommandTables(f.Controller.EntryCommands());
    if (c.Tables == tbNone) f.Controller.EntryCommands().Clear();
    if (c.Setup) c.Setup(f.Editor);
    f.Open(c.Start);
    f.Type(c.Keys);
    EXPECT_EQ(Marked(f.Editor), c.Expected);
    EXPECT_EDITOR_VALID(f.Editor);
}

const TKeyCase kKeyCases[] = {
    {"LettersAndDigitsAreTyped", tbApplication, "|", {"Ab 1"}, "Ab 1|"},
    {"CtrlLettersOfNoTableTypeNothing", tbApplication, "a|b", {"<Ctrl+B>", "<Ctrl+J>"}, "a|b"},
    {"CtrlQThenSGoesHomeAndTypesNothing", tbApplication, "abc|", {"<Ctrl+Q>", "s"}, "|abc"},
    {"CtrlQThenCtrlSGoesHome", tbApplication, "abc|", {"<Ctrl+Q>", "<Ctrl+S>"}, "|abc"},
    {"CtrlQThenShiftSBreaksTheSequenceAndTypesS", tbApplication, "ab|", {"<Ctrl+Q>", "S"}, "abS|"},
    {"CtrlQThenXBreaksTheSequenceAndTypesX", tbApplication, "ab|", {"<Ctrl+Q>", "x"}, "abx|"},
    {"ShiftBetweenTheKeysKeepsTheSequence",
     tbApplication,
     "abc|",
     {"<Ctrl+Q>", "<Shift>", "s"},
     "|abc"},
    {"CtrlQThenYDeletesToTheLineEnd", tbApplication, "ab|cd\nef", {"<Ctrl+Q>", "y"}, "ab|\nef"},
    {"CtrlKThenDigitSetsABookmarkThatCtrlQDigitFinds",
     tbApplication,
     "ab|c\ndef",
     {"<Ctrl+K>", "3", "<Down>", "<End>", "<Ctrl+Q>", "3"},
     "ab|c\ndef"},
    {"WordStarBindingsWinOverDefaultOnes", tbApplication, "a[b|]c\ndef", {"<Ctrl+X>"}, "abc\nde|f"},
    {"CtrlZFallsThroughToUndo", tbApplication, "ab|", {"x", "<Ctrl+Z>"}, "ab|"},
    {"CtrlYDeletesTheLine", tbApplication, "ab\n|cd\nef", {"<Ctrl+Y>"}, "ab\n|ef"},
    {"CtrlPTakesTheNextKeyLiterallyButControlCharactersStayOut",
     tbApplication,
     "|",
     {"<Ctrl+P>", "<Ctrl+B>", "<Ctrl+P>", "a"},
     "a|"},
    {"BackspaceDeletesAndTypesNothing", tbApplication, "ab|", {"<Backspace>"}, "a|"},
    {"BackspaceAtTheStartChangesNothing", tbApplication, "|ab", {"<Backspace>"}, "|ab"},
    {"EnterSplitsTheLine", tbApplication, "ab|cd", {"<Enter>"}, "ab\n|cd"},
    {"EnterWithoutWantEnterChangesNothing",
     tbApplication,
     "ab|cd",
     {"<Enter>"},
     "ab|cd",
     [](TOvcCustomEditor& e) { e.SetWantEnter(false); }},
    {"InsToggledTypingOverwrites", tbApplication, "|abc", {"<Ins>", "xy"}, "xy|c"},
    {"ShiftArrowsExtendTheHighlight",
     tbApplication,
     "a|bcd",
     {"<Shift+Right>", "<Shift+Right>"},
     "a[bc|]d"},
    {"TypingReplacesTheHighlight", tbApplication, "a|bcd", {"<Shift+End>", "Z"}, "aZ|"},
    {"TabIsACommandOfTheDefaultTable", tbApplication, "a|b", {"<Tab>"}, "a\t|b"},
    {"TabWithoutACommandNeedsWantTab", tbNone, "a|b", {"<Tab>"}, "a|b"},
    {"TabWithoutACommandTypesATabWithWantTab",
     tbNone,
     "a|b",
     {"<Tab>"},
     "a\t|b",
     [](TOvcCustomEditor& e) { e.SetWantTab(true); }},
    {"WithoutTablesEnterStillSplitsAndLettersType", tbNone, "a|b", {"<Enter>", "c"}, "a\nc|b"},
    {"BuiltInTablesHaveNoWordStarSequences", tbBuiltIn, "ab|", {"<Ctrl+Q>", "s"}, "abs|"},
    {"AltBackspaceRestoresNothingAndTypesNothing",
     tbApplication,
     "ab|",
     {"<Alt+Backspace>"},
     "ab|"},
    {"PageDownMovesAPageLessOneLine",
     tbApplication,
     "|1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12",
     {"<PgDn>"},
     "1\n2\n3\n4\n5\n6\n7\n8\n9\n|10\n11\n12"},
};

INSTANTIATE_TEST_SUITE_P(Sessions, EditorKeys, testing::ValuesIn(kKeyCases),
                         [](const testing::TestParamInfo<TKeyCase>& info) {
                             return std::string(info.param.Name);
                         });

class EditorKeyEvents : public testing::Test {
  protected:
    TViewFixture f;
};

TEST_F(EditorKeyEvents, TheFirstKeyOfASequenceSuppressesItsCharacter) {
    LoadMainCommandTables(f.Controller.EntryCommands());
    f.Open("ab|");
    f.Window->Key(vkLetter('Q'), ksCtrl, 17);
    EXPECT_TRUE(f.Editor.SuppressNextChar());
    f.Editor.CharTyped('q');
    EXPECT_EQ(Marked(f.Editor), "ab|");
    f.Window->Key(vkLetter('X'), ksNone, 'x');
    EXPECT_FALSE(f.Editor.SuppressNextChar());
    EXPECT_EQ(Marked(f.Editor), "abx|");
}

TEST_F(EditorKeyEvents, AltKeysAreLookedUpWithAltAloneAndCtrlAndShiftIgnored) {
    f.Controller.EntryCommands().AddCommand("Default",
                                            CommandRec{vkLetter('K'), ksAlt, 0, 0, ccDelLine});
    f.Open("ab\n|cd\nef");
    f.Window->Key(vkLetter('K'), ksAlt | ksCtrl | ksShift);
    EXPECT_EQ(Marked(f.Editor), "ab\n|ef");
    f.Window->Key(vkMenu, ksAlt);
    f.Window->Key(vkTab, ksAlt);
    EXPECT_EQ(Marked(f.Editor), "ab\n|ef");
}

TEST_F(EditorKeyEvents, UserCommandsGoToOnUserCommand) {
    f.Controller.EntryCommands().AddCommand("Default", CommandRec{vkF(5), ksNone, 0, 0, 300});
    f.Open("|");
    f.Window->Key(vkF(5));
    EXPECT_EQ(f.UserCommands, (std::vector<TCommandCode>{300}));
}

TEST_F(EditorKeyEvents, ASequenceBegunInOneEditorEndsInAnotherOfTheSameController) {
    LoadMainCommandTables(f.Controller.EntryCommands());
    f.Open("abc|");
    TOvcCustomEditor other;
    other.SetController(&f.Controller);
    THeadlessWindow window(other);
    other.AttachWindow(window);
    f.Window->Key(vkLetter('Q'), ksCtrl, 17);
    window.Key(vkLetter('S'), ksNone, 's');
    EXPECT_EQ(PlainText(other), "");
    std::int32_t col = 0;
    other.GetCaretPosition(col);
    EXPECT_EQ(col, 1);
    other.DetachWindow();
}

TEST_F(EditorKeyEvents, TheStatusOfEachKeyArrivesAfterItThroughTheQueue) {
    f.Open("|abc");
    f.Window->Key(vkRight);
    f.Window->Key(vkRight);
    EXPECT_TRUE(f.Statuses.empty());
    f.Window->DeliverMessages();
    ASSERT_GE(f.Statuses.size(), 2u);
    EXPECT_EQ(f.Statuses.back(), (std::pair<std::int32_t, std::int32_t>{1, 3}));
}

TEST_F(EditorKeyEvents, TheInsertModeTravelsWithTheFocusThroughTheController) {
    f.Open("|abc");
    f.Window->Key(vkInsert);
    EXPECT_FALSE(f.Editor.InsertMode());
    EXPECT_EQ(f.Window->Caret.Size, (TSize{kCellWidth, kLineHeight}));
    f.Window->SetFocused(false);
    EXPECT_FALSE(f.Controller.InsertMode());
    f.Controller.SetInsertMode(true);
    f.Window->SetFocused(true);
    EXPECT_TRUE(f.Editor.InsertMode());
    EXPECT_EQ(f.Window->Caret.Size, (TSize{2, kLineHeight}));
}

TEST_F(EditorKeyEvents, TheWindowKeepsTabUnlessTheEditorWantsIt) {
    f.Open("|");
    EXPECT_FALSE(f.Window->WantTab);
    f.Editor.SetWantTab(true);
    EXPECT_TRUE(f.Window->WantTab);
}

}  // namespace
}  // namespace wendax::test
