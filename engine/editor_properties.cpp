// The editor's property setters. Each ignores an unchanged value and a value outside its
// accepted range.
#include "engine/custom_editor.h"

namespace wendax {

void TOvcCustomEditor::SetByteLimit(std::int32_t value) {
    if (value >= 0) FStore->SetByteLimit(value);
}

void TOvcCustomEditor::SetFixedFont(const TFontSpec& font) {
    if (font == FFixedFont) return;
    FFixedFont = font;
    if (!Window()) return;
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
    if (Window()->HasFocus()) {
        FCarets.SetCellHeight(FLineHeight);
        FCarets.SetCellWidth(FCharWidth);
        PlaceCaret(0);
    }
}

void TOvcCustomEditor::SetHideSelection(bool value) {
    if (value == FHideSelection) return;
    FHideSelection = value;
    RequestRepaint(true);
}

void TOvcCustomEditor::SetInsertMode(bool value) {
    if (value == FInsertMode) return;
    FInsertMode = value;
    FCarets.SetInsertMode(value);
    PlaceCaret(0);
}

void TOvcCustomEditor::SetLeftMargin(int value) {
    if (value < 0 || value == FLeftMargin) return;
    FLeftMargin = value;
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
}

void TOvcCustomEditor::SetRightMargin(int value) {
    if (value < 0 || value == FRightMargin) return;
    FRightMargin = value;
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
}

void TOvcCustomEditor::SetParaLengthLimit(std::int32_t value) {
    if (value < 1 || value > kMaxParaLength || value == ParaLengthLimit()) return;
    FStore->SetParaLengthLimit(value);
    SendHRange();
}

void TOvcCustomEditor::SetParaLimit(std::int32_t value) {
    if (value > 0) FStore->SetParaLimit(value);
}

void TOvcCustomEditor::SetScrollBars(TScrollBars value) {
    if (value == FScrollBars) return;
    FScrollBars = value;
    if (value == ssNone) FScrollBarsAlways = false;
    WindowCreated();
}

void TOvcCustomEditor::SetScrollBarsAlways(bool value) {
    if (value == FScrollBarsAlways || (value && FScrollBars == ssNone)) return;
    FScrollBarsAlways = value;
    WindowCreated();
}

// Turning it off brings a caret standing beyond the end of its line back to that end.
void TOvcCustomEditor::SetScrollPastEnd(bool value) {
    if (value == FScrollPastEnd) return;
    FScrollPastEnd = value;
    if (value) {
        SetWordWrap(false);
    } else {
        FLinesStale = true;
        PlaceCaret(0);
    }
}

void TOvcCustomEditor::SetShowBookmarks(bool value) {
    if (value == FShowBookmarks) return;
    FShowBookmarks = value;
    RequestRepaint(false);
}

void TOvcCustomEditor::SetTabSize(std::uint8_t value) {
    if (value == 0 || value == TabSize()) return;
    FStore->SetTabSize(value);
    RequestRepaint(true);
}

void TOvcCustomEditor::SetTabType(TTabType value) {
    if (value == FTabType) return;
    FTabType = value;
    RequestRepaint(true);
}

void TOvcCustomEditor::SetUndoBufferSize(std::uint16_t value) {
    if (value != UndoBufferSize()) FStore->SetUndoBufferSize(value);
}

void TOvcCustomEditor::SetWordWrap(bool value) {
    if (value == WordWrap()) return;
    if (value) {
        FWrapAtLeft = true;
        FScrollPastEnd = false;
    }
    FStore->SetWordWrap(value);
    ApplyWrapToWindow();
    SendHRange();
}

void TOvcCustomEditor::SetWrapAtLeft(bool value) {
    if (value == FWrapAtLeft || (!value && WordWrap())) return;
    FWrapAtLeft = value;
}

void TOvcCustomEditor::SetWrapColumn(std::int32_t value) {
    if (value <= 0 || value == WrapColumn()) return;
    FStore->SetWrapColumn(value);
    SendHRange();
}

void TOvcCustomEditor::SetWrapToWindow(bool value) {
    if (value == FWrapToWindow) return;
    FWrapToWindow = value;
    ApplyWrapToWindow();
}

}  // namespace wendax
