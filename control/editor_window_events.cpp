// The editor's answers to its window: creation, size, focus and its own posted messages.
#include "control/controller.h"
#include "control/custom_editor.h"
#include "control/marker_glyphs.h"
#include "control/private_messages.h"

namespace wendax {

void TOvcCustomEditor::WindowCreated() {
    TOvcEditBase::WindowCreated();
    Window()->SetWantTab(FWantTab);
    SendVRange();
    SendHRange();
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
    FMarkerGlyphs = FShowBookmarks ? &MarkerGlyphs() : nullptr;
}

void TOvcCustomEditor::WindowDestroying() {
    if (FMouseCaptured) EndDrag();
    FCarets.SetLinked(false);
    FMarkerGlyphs = nullptr;
}

void TOvcCustomEditor::Resized() {
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
}

// The caret of the current mode is made for the window in the size of a cell; an editor
// that gains the focus types in the mode its controller remembers from the last one.
void TOvcCustomEditor::FocusGained() {
    TOvcBase::FocusGained();
    if (Controller()) FInsertMode = Controller()->InsertMode();
    FCarets.SetLinked(true);
    FCarets.SetCellHeight(FLineHeight);
    FCarets.SetCellWidth(FCharWidth);
    FCarets.SetInsertMode(FInsertMode);
    PlaceCaret(0);
    FCarets.SetVisible(true);
    if (FHideSelection) RequestRepaint(false);
}

void TOvcCustomEditor::FocusLost() {
    FCarets.SetLinked(false);
    if (FHideSelection) RequestRepaint(false);
    if (Controller()) Controller()->SetInsertMode(FInsertMode);
    TOvcBase::FocusLost();
}

void TOvcCustomEditor::MessageArrived(const TPostedMessage& message) {
    if (message.Msg == omShowStatus) {
        DoOnShowStatus(static_cast<std::int32_t>(message.LParam),
                       static_cast<std::int32_t>(message.WParam));
        return;
    }
    TOvcBase::MessageArrived(message);
}

}  // namespace wendax
