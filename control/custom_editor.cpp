// The editor's life, text queries, events and invariants.
#include "control/custom_editor.h"

#include <algorithm>

#include "base/exceptions.h"
#include "base/library_messages.h"
#include "engine/display_columns.h"

namespace wendax {

TOvcCustomEditor::TOvcCustomEditor()
    : FStore(std::make_shared<TParaList>(this, false, kDefaultUndoBufferSize)), FCarets(*this) {
    FStore->SetCharSet(FNewTextCharSet);
    ComputeHScrollRange();
    FFixedFont.OnChange = [this] { FontChanged(); };
    FHighlightColors.OnChange = [this] { RequestRepaint(true); };
}

TOvcCustomEditor::~TOvcCustomEditor() {
    LeaveStore();
}

std::string_view TOvcCustomEditor::GetPara(std::int32_t para) {
    if (para < 1 || para > ParaCount()) throw EInvalidLineOrPara();
    return FStore->ParaText(para);
}

std::string TOvcCustomEditor::GetPrintableLine(std::int32_t line, std::int32_t maxLength) {
    if (line < 1 || line > LineCount()) throw EInvalidLineOrPara();
    return PrintableUtf8(CharSet(), FStore->GetLine(line).Text, TabSize(),
                         static_cast<std::size_t>(std::max(maxLength, 0)));
}

void TOvcCustomEditor::SetModified(bool value) {
    if (value == Modified()) return;
    FStore->SetModified(value);
    for (TTextView* view : FStore->Views().Views()) {
        if (auto* editor = dynamic_cast<TOvcCustomEditor*>(view)) editor->RequestRepaint(false);
    }
}

// ---- Events

void TOvcCustomEditor::DoOnChange() {
    if (OnChange) OnChange(*this);
}

void TOvcCustomEditor::DoOnError(TEditorErrorCode code) {
    if (code == eeOk) return;
    if (!OnError) throw EEditorError(EditorErrorMessage(code), code);
    std::uint16_t handed = code;
    OnError(*this, handed);
}

void TOvcCustomEditor::DoOnShowStatus(std::int32_t line, std::int32_t col) {
    if (OnShowStatus) OnShowStatus(*this, line, col);
}

void TOvcCustomEditor::DoOnTopLineChanged(std::int32_t line) {
    if (OnTopLineChanged) OnTopLineChanged(*this, line);
}

void TOvcCustomEditor::DoOnUserCommand(TCommandCode command) {
    if (OnUserCommand) OnUserCommand(*this, command);
}

void TOvcCustomEditor::DoOnDrawLine(TEditorDrawLine& line) {
    if (OnDrawLine) OnDrawLine(*this, line);
}

// ---- Checks

std::string TOvcCustomEditor::CheckInvariants() {
    if (std::string problem = FStore->CheckInvariants(); !problem.empty()) {
        return "store: " + problem;
    }
    const std::vector<TTextView*>& views = FStore->Views().Views();
    if (std::find(views.begin(), views.end(), this) == views.end())
        return "the editor is not a view of its store";
    RefreshPositions();
    if (std::string problem = FHighlight.CheckInvariants(*FStore); !problem.empty()) {
        return problem;
    }
    if (FCaretPos.Para < 1 || FCaretPos.Para > ParaCount() || FCaretPos.Pos < 1)
        return "caret outside the text";
    if (!FScrollPastEnd && FCaretPos.Pos > FStore->ParaLength(FCaretPos.Para) + 1)
        return "caret after the end of its paragraph";
    const std::string_view caretPara = FStore->ParaText(FCaretPos.Para);
    if (CharStart(CharSet(), caretPara, FCaretPos.Pos - 1) != FCaretPos.Pos - 1)
        return "caret inside a character";
    if (FStore->ParaToLine(FCaretPos) != TLineCol{FCaretLine, FCaretCol})
        return "caret line and column do not match its position";
    if (FTopLine < 1 || FTopLine > LineCount()) return "top line outside the text";
    const TLineStart top = FStore->LineToPara(FTopLine);
    if (FTopPos != TParaPos{top.Para, top.Offset + 1})
        return "top position is not the start of the top line";
    if (FLeftColumn < 0) return "negative left column";
    return {};
}

}  // namespace wendax
