// The editor's answers to its window. Painting here only completes a paint (the scroll-bar
// values left stale by editing, and the caret); keyboard and mouse input are ignored.
#include "control/private_messages.h"
#include "engine/custom_editor.h"

namespace wendax {

void TOvcCustomEditor::WindowCreated() {
    TOvcEditBase::WindowCreated();
    SendVRange();
    SendHRange();
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
}

void TOvcCustomEditor::Paint(TDrawingSurface&, const TRect&) {
    FRepaintPending = false;
    if (FVRangeStale) SendVRange();
    if (FVPosStale) SendVPos();
    if (FHPosStale) SendHPos();
    FVRangeStale = FVPosStale = FHPosStale = false;
    PlaceCaret(0);
}

void TOvcCustomEditor::Resized() {
    UpdateMetrics();
    RequestRepaint(true);
    ApplyWrapToWindow();
}

void TOvcCustomEditor::MessageArrived(const TPostedMessage& message) {
    if (message.Msg == omShowStatus) {
        DoOnShowStatus(static_cast<std::int32_t>(message.LParam),
                       static_cast<std::int32_t>(message.WParam));
        return;
    }
    TOvcBase::MessageArrived(message);
}

bool TOvcCustomEditor::KeyDown(const TKeyMessage&) {
    return false;
}

void TOvcCustomEditor::SysKeyDown(const TKeyMessage&) {}
void TOvcCustomEditor::CharTyped(std::uint8_t) {}
void TOvcCustomEditor::MouseDown(TMouseButton, TPoint, std::uint8_t) {}
void TOvcCustomEditor::MouseMove(TPoint, std::uint8_t) {}
void TOvcCustomEditor::MouseUp(TMouseButton, TPoint, std::uint8_t) {}
void TOvcCustomEditor::DoubleClick(TMouseButton, TPoint, std::uint8_t) {}
void TOvcCustomEditor::CursorQuery(TPoint) {}
void TOvcCustomEditor::TimerTick(int) {}

bool TOvcCustomEditor::MouseActivate() {
    return true;
}

}  // namespace wendax
