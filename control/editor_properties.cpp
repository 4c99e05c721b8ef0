// The editor's property setters. Each ignores an unchanged value and a value outside its
// accepted range.
#include "control/custom_editor.h"

#include "control/marker_glyphs.h"

namespace wendax {

void TOvcCustomEditor::SetByteLimit(std::int32_t value) {
    if (value >= 0) FStore->SetByteLimit(value);
}

void TOvcCustomEditor::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    RequestRepaint(false);
}

void TOvcCustomEditor::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    RequestRepaint(false);
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
    if (Window()) WindowCreated();
}

void TOvcCustomEditor::SetScrollBarsAlways(bool value) {
    if (value == FScrollBarsAlways || (value && FScrollBars == ssNone)) return;
    FScrollBarsAlways = value;
    if (Window()) WindowCreated();
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

// The glyphs are taken again when bookmarks are turned back on in a window, so that they
// show without the window being made anew.
void TOvcCustomEditor::SetShowBookmarks(bool value) {
    if (value == FShowBookmarks) return;
    FShowBookmarks = value;
    FMarkerGlyphs = value && Window() ? &MarkerGlyphs() : nullptr;
    RequestRepaint(false);
}

void TOvcCustomEditor::SetTabSize(std::uint8_t value) {
    if (value == 0 || value == TabSize()) return;
    FStore->SetTabSize(value);
    RequestRepaint(true);
}

// The caret is placed again at once, so that the status report tells of the new set.
void TOvcCustomEditor::SetCharSet(TCharSet value) {
    if (value == CharSet()) return;
    FStore->SetCharSet(value);
    RequestRepaint(true);
    PlaceCaret(0);
}

void TOvcCustomEditor::SetTabType(TTabType value) {
    if (value == FTabType) return;
    FTabType = value;
    RequestRepaint(true);
}

void TOvcCustomEditor::SetUndoBufferSize(std::uint16_t value) {
    if (value != UndoBufferSize()) FStore->SetUndoBufferSize(value);
}

void TOvcCustomEditor::SetWantTab(bool value) {
    if (value == FWantTab) return;
    FWantTab = value;
    if (Window()) Window()->SetWantTab(value);
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
