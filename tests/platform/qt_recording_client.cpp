#include "tests/platform/qt_recording_client.h"

namespace wendax {

namespace {

std::string Text(TPoint pos) {
    return std::to_string(pos.X) + "," + std::to_string(pos.Y);
}

std::string Text(TMouseButton button) {
    return button == mbLeft ? "left" : button == mbRight ? "right" : "middle";
}

std::string Text(const TKeyMessage& key) {
    return std::to_string(key.Key) + " shift " + std::to_string(key.Shift);
}

}  // namespace

void TRecordingClient::Paint(TDrawingSurface& surface, const TRect& clip) {
    Record("Paint " + std::to_string(clip.Left) + "," + std::to_string(clip.Top) + " " +
           std::to_string(clip.Width()) + "x" + std::to_string(clip.Height()));
    if (OnPaint) OnPaint(surface, clip);
}

bool TRecordingClient::KeyDown(const TKeyMessage& key) {
    Record("KeyDown " + Text(key));
    return ConsumeKey && ConsumeKey(key);
}

void TRecordingClient::SysKeyDown(const TKeyMessage& key) {
    Record("SysKeyDown " + Text(key));
}

void TRecordingClient::CharTyped(char32_t ch) {
    Record("Char " + std::to_string(static_cast<std::uint32_t>(ch)));
}

void TRecordingClient::TextCommitted(std::u32string_view text) {
    std::string codes;
    for (const char32_t ch : text)
        codes += " " + std::to_string(static_cast<std::uint32_t>(ch));
    Record("Commit" + codes);
}

void TRecordingClient::MouseDown(TMouseButton button, TPoint pos, std::uint8_t shift) {
    Record("MouseDown " + Text(button) + " " + Text(pos) + " shift " + std::to_string(shift));
}

void TRecordingClient::MouseMove(TPoint pos, std::uint8_t shift) {
    Record("MouseMove " + Text(pos) + " shift " + std::to_string(shift));
}

void TRecordingClient::MouseUp(TMouseButton button, TPoint pos, std::uint8_t shift) {
    Record("MouseUp " + Text(button) + " " + Text(pos) + " shift " + std::to_string(shift));
}

void TRecordingClient::DoubleClick(TMouseButton button, TPoint pos, std::uint8_t shift) {
    Record("DoubleClick " + Text(button) + " " + Text(pos) + " shift " + std::to_string(shift));
}

void TRecordingClient::CursorQuery(TPoint pos) {
    Record("CursorQuery " + Text(pos));
    if (OnCursorQuery) OnCursorQuery(pos);
}

bool TRecordingClient::MouseActivate() {
    Record("MouseActivate");
    return ActivateOnClick;
}

void TRecordingClient::ScrollBarAction(TScrollBarKind bar, TScrollCode code, int pos) {
    Record(std::string("Scroll ") + (bar == sbHorizontal ? "h " : "v ") +
           std::to_string(static_cast<int>(code)) + " " + std::to_string(pos));
    if (OnScroll) OnScroll(bar, code, pos);
}

void TRecordingClient::MessageArrived(const TPostedMessage& message) {
    Record("Message " + std::to_string(message.Msg) + " " + std::to_string(message.WParam) + " " +
           std::to_string(message.LParam));
    if (OnMessage) OnMessage(message);
}

void TRecordingClient::TimerTick(int id) {
    Record("Timer " + std::to_string(id));
}

std::vector<std::string> TRecordingClient::Lines(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const std::string& line : FLines) {
        if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    }
    return lines;
}

}  // namespace wendax
