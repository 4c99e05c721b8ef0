// Helpers for the editor tests: texts with caret and highlight marks, an editor with a
// headless platform (and a window when asked for), and command scripts as data.
//
// Marked text: paragraphs separated by '\n'; '|' is the caret, '[' and ']' the highlight's
// begin and end, with the caret at one of them ("[ab|]" or "[|ab]"). '~' before a caret at
// the end of a paragraph stands for the blank area after the text ("ab~~|": position 5).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control/controller.h"
#include "control/custom_editor.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_window.h"

namespace wendax::test {

struct TMarkedText {
    std::vector<std::string> Paras{""};
    TParaPos Caret{1, 1};
    std::optional<TParaPos> Begin;
    std::optional<TParaPos> End;
};

TMarkedText ParseMarked(std::string_view marked);
// The editor's text with its caret and highlight marked.
std::string Marked(TOvcCustomEditor& editor);
// The paragraphs joined by '\n'.
std::string PlainText(TOvcCustomEditor& editor);

// `count` paragraphs "line 1", "line 2", ... in marked form, the caret at the start of
// paragraph `caretLine`.
std::string NumberedLines(int count, int caretLine = 1);

// Headless cells: 8 pixels wide, 17 high (font height 15, leading 1, plus 1).
inline constexpr int kCellWidth = 8;
inline constexpr int kLineHeight = 17;

class TEditorFixture {
  public:
    TEditorFixture();
    ~TEditorFixture();

    // Gives the editor a window of `rows` whole rows and `columns` columns (margins 15 and
    // 5), and delivers what that posted.
    void OpenWindow(int rows, int columns = 80);
    // Replaces the text by `marked` (empty history, Modified false) and places caret and
    // highlight; the event counters start again.
    void Load(std::string_view marked);
    // Delivers the posted messages and paints what is invalid.
    void Settle();

    THeadlessPlatform Platform;
    TOvcController Controller;
    TOvcCustomEditor Editor;
    std::unique_ptr<THeadlessWindow> Window;

    int Changes = 0;
    std::vector<std::uint16_t> Errors;
    std::vector<std::pair<std::int32_t, std::int32_t>> Statuses;  // (line, column)
    std::vector<std::int32_t> TopLines;
    std::vector<TCommandCode> UserCommands;
};

// One step of a script: a command with its character code.
struct TScriptStep {
    TCommandCode Cmd = ccNone;
    std::uint32_t Char = 0;  // a code point for ccInsertChar
};
// Typing each character of `text` (UTF-8; a byte that is not valid UTF-8 types the code
// point of its value).
std::vector<TScriptStep> Typing(std::string_view text);
std::vector<TScriptStep> Concat(std::initializer_list<std::vector<TScriptStep>> parts);

struct TEditorScript {
    const char* Name;
    const char* Start;
    std::vector<TScriptStep> Steps;
    const char* Expected;
    int Changes = -1;  // OnChange calls; -1: not checked
    // Properties set before the start text is loaded.
    void (*Setup)(TOvcCustomEditor& editor) = nullptr;
    int Rows = 0;  // a window of that many rows when above 0
    std::vector<std::uint16_t> Errors{};
    int Beeps = 0;
};

// Runs the script, checking the invariants after every step, then the text, caret,
// highlight and event counts.
void RunScript(const TEditorScript& script);
std::string ScriptName(const testing::TestParamInfo<TEditorScript>& info);
inline void PrintTo(const TEditorScript& script, std::ostream* out) {
    *out << script.Name;
}

}  // namespace wendax::test

#define EXPECT_EDITOR_VALID(editor) EXPECT_EQ((editor).CheckInvariants(), "")
#define ASSERT_EDITOR_VALID(editor) ASSERT_EQ((editor).CheckInvariants(), "")
