#include "tests/control/editor_test_support.h"

#include "tests/engine/store_test_support.h"

namespace wendax::test {

TMarkedText ParseMarked(std::string_view marked) {
    TMarkedText text;
    std::int32_t virtualBlanks = 0;
    const auto here = [&] {
        return TParaPos{static_cast<std::int32_t>(text.Paras.size()),
                        static_cast<std::int32_t>(text.Paras.back().size()) + 1};
    };
    for (const char c : marked) {
        switch (c) {
            case '\n':
                text.Paras.emplace_back();
                break;
            case '|':
                text.Caret = here();
                text.Caret.Pos += virtualBlanks;
                virtualBlanks = 0;
                break;
            case '[':
                text.Begin = here();
                break;
            case ']':
                text.End = here();
                break;
            case '~':
                ++virtualBlanks;
                break;
            default:
                text.Paras.back() += c;
        }
    }
    return text;
}

std::string Marked(TOvcCustomEditor& editor) {
    const TParaPos caret = editor.CaretParaPos();
    const bool selected = editor.HasSelection();
    std::string out;
    for (std::int32_t para = 1; para <= editor.ParaCount(); ++para) {
        if (para > 1) out += '\n';
        const std::string_view text = editor.GetPara(para);
        const auto length = static_cast<std::int32_t>(text.size());
        for (std::int32_t pos = 1; pos <= length + 1; ++pos) {
            const TParaPos at{para, pos};
            if (selected && at == editor.HighlightBegin()) out += '[';
            if (at == caret) out += '|';
            if (selected && at == editor.HighlightEnd()) out += ']';
            if (pos <= length) out += text[static_cast<std::size_t>(pos - 1)];
        }
        if (caret.Para == para && caret.Pos > length + 1) {
            out.append(static_cast<std::size_t>(caret.Pos - length - 1), '~');
            out += '|';
        }
    }
    return out;
}

std::string PlainText(TOvcCustomEditor& editor) {
    std::string out;
    for (std::int32_t para = 1; para <= editor.ParaCount(); ++para) {
        if (para > 1) out += '\n';
        out += editor.GetPara(para);
    }
    return out;
}

TEditorFixture::TEditorFixture() {
    Editor.SetController(&Controller);
    Editor.OnChange = [this](TOvcCustomEditor&) { ++Changes; };
    Editor.OnError = [this](TOvcCustomEditor&, std::uint16_t& code) { Errors.push_back(code); };
    Editor.OnShowStatus = [this](TOvcCustomEditor&, std::int32_t line, std::int32_t col) {
        Statuses.emplace_back(line, col);
    };
    Editor.OnTopLineChanged = [this](TOvcCustomEditor&, std::int32_t line) {
        TopLines.push_back(line);
    };
    Editor.OnUserCommand = [this](TOvcCustomEditor&, TCommandCode cmd) {
        UserCommands.push_back(cmd);
    };
}

TEditorFixture::~TEditorFixture() {
    if (Window) Editor.DetachWindow();
}

void TEditorFixture::OpenWindow(int rows, int columns) {
    Window = std::make_unique<THeadlessWindow>(
        Editor, TSize{15 + 5 + columns * kCellWidth, rows * kLineHeight});
    Editor.AttachWindow(*Window);
    Settle();
}

void TEditorFixture::Load(std::string_view marked) {
    const TMarkedText text = ParseMarked(marked);
    Editor.ResetText(true);
    Fill(Editor.Store(), text.Paras);
    Editor.RefreshAll(false);
    if (text.Begin && text.End) {
        const bool caretAtEnd = text.Caret == *text.End;
        Editor.SelectRange(caretAtEnd ? *text.Begin : *text.End,
                           caretAtEnd ? *text.End : *text.Begin);
    } else {
        Editor.SetCaretParaPos(text.Caret);
    }
    Settle();
    Changes = 0;
    Errors.clear();
    Statuses.clear();
    TopLines.clear();
    Platform.Beeps = 0;
}

void TEditorFixture::Settle() {
    if (!Window) return;
    Window->PaintInvalid();
    Window->DeliverMessages();
}

std::vector<TScriptStep> Typing(std::string_view text) {
    std::vector<TScriptStep> steps;
    for (std::int32_t at = 0; at < static_cast<std::int32_t>(text.size());) {
        const TCodePoint cp = DecodeUtf8(text, at);
        steps.push_back({ccInsertChar, static_cast<std::uint32_t>(cp.Code)});
        at += cp.Bytes;
    }
    return steps;
}

std::vector<TScriptStep> Concat(std::initializer_list<std::vector<TScriptStep>> parts) {
    std::vector<TScriptStep> steps;
    for (const auto& part : parts)
        steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

void RunScript(const TEditorScript& script) {
    TEditorFixture f;
    if (script.Rows > 0) f.OpenWindow(script.Rows);
    if (script.Setup) script.Setup(f.Editor);
    f.Load(script.Start);
    ASSERT_EQ(Marked(f.Editor), script.Start) << "the start text did not load as written";
    for (std::size_t i = 0; i < script.Steps.size(); ++i) {
        const TScriptStep& step = script.Steps[i];
        EXPECT_TRUE(f.Editor.ProcessCommand(step.Cmd, step.Char)) << "step " << i;
        ASSERT_EDITOR_VALID(f.Editor) << "after step " << i;
        f.Settle();
    }
    EXPECT_EQ(Marked(f.Editor), script.Expected);
    if (script.Changes >= 0) {
        EXPECT_EQ(f.Changes, script.Changes);
    }
    EXPECT_EQ(f.Errors, script.Errors);
    EXPECT_EQ(f.Platform.Beeps, script.Beeps);
}

std::string ScriptName(const testing::TestParamInfo<TEditorScript>& info) {
    return info.param.Name;
}

std::string NumberedLines(int count, int caretLine) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        if (i > 1) text += '\n';
        if (i == caretLine) text += '|';
        text += "line " + std::to_string(i);
    }
    return text;
}

}  // namespace wendax::test
