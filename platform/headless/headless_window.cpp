#include "platform/headless/headless_window.h"

#include <algorithm>

namespace wendax {

namespace {

TRect Intersection(const TRect& a, const TRect& b) {
    const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

TRect Union(const TRect& a, const TRect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

TRect Moved(const TRect& r, int dx, int dy) {
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

}  // namespace

THeadlessWindow::THeadlessWindow(TWindowClient& client, TSize clientSize)
    : FClient(client), FClientSize(clientSize) {}

void THeadlessWindow::Resize(TSize clientSize) {
    FClientSize = clientSize;
    FClient.Resized();
}

void THeadlessWindow::SetFocused(bool focused) {
    if (focused == FFocused || (focused && !Focusable)) return;
    FFocused = focused;
    if (focused) {
        FClient.FocusGained();
    } else {
        FClient.FocusLost();
    }
}

bool THeadlessWindow::PaintInvalid() {
    if (Invalid.IsEmpty() || !Redraw) return false;
    const TRect clip = Invalid;
    Invalid = {};
    THeadlessSurface surface;
    FClient.Paint(surface, clip);
    Paints.push_back(std::move(surface));
    return true;
}

int THeadlessWindow::DeliverMessages() {
    int delivered = 0;
    while (!Posted.empty()) {
        const TPostedMessage message = Posted.front();
        Posted.pop_front();
        FClient.MessageArrived(message);
        ++delivered;
    }
    return delivered;
}

bool THeadlessWindow::FireTimer(int id) {
    if (!Timers.contains(id)) return false;
    FClient.TimerTick(id);
    return true;
}

void THeadlessWindow::Press(TPoint pos, std::uint8_t shift, TMouseButton button) {
    Cursor = pos;
    ButtonsDown[button] = true;
    if (!FFocused && !FClient.MouseActivate()) return;
    if (!Captured) FClient.CursorQuery(pos);
    FClient.MouseDown(button, pos, shift);
}

void THeadlessWindow::MoveMouse(TPoint pos, std::uint8_t shift) {
    Cursor = pos;
    if (!Captured) FClient.CursorQuery(pos);
    FClient.MouseMove(pos, shift);
}

void THeadlessWindow::Release(TPoint pos, std::uint8_t shift, TMouseButton button) {
    Cursor = pos;
    ButtonsDown[button] = false;
    FClient.MouseUp(button, pos, shift);
}

void THeadlessWindow::DoubleClickAt(TPoint pos, std::uint8_t shift) {
    Press(pos, shift);
    Release(pos, shift);
    ButtonsDown[mbLeft] = true;
    FClient.DoubleClick(mbLeft, pos, shift);
    Release(pos, shift);
}

void THeadlessWindow::Key(std::uint8_t key, std::uint8_t shift, char32_t typed) {
    if ((shift & ksAlt) != 0) return FClient.SysKeyDown({key, shift});
    if (FClient.KeyDown({key, shift})) return;
    if (typed != 0) FClient.CharTyped(typed);
}

void THeadlessWindow::Invalidate(const TRect& rect) {
    Invalidations.push_back(rect);
    Invalid = Union(Invalid, Intersection(rect, ClientRect()));
}

void THeadlessWindow::InvalidateAll() {
    Invalidate(ClientRect());
}

// The pixels move within `rect`; what was still invalid there moves along, and the strips
// the move uncovers become invalid.
void THeadlessWindow::ScrollPixels(const TRect& rect, int dx, int dy) {
    Scrolls.push_back({rect, dx, dy});
    const TRect stillInvalid = Intersection(Invalid, rect);
    Invalid = Union(Invalid, Intersection(Moved(stillInvalid, dx, dy), rect));
    if (dx > 0)
        Invalid =
            Union(Invalid, Intersection({rect.Left, rect.Top, rect.Left + dx, rect.Bottom}, rect));
    if (dx < 0)
        Invalid = Union(Invalid,
                        Intersection({rect.Right + dx, rect.Top, rect.Right, rect.Bottom}, rect));
    if (dy > 0)
        Invalid =
            Union(Invalid, Intersection({rect.Left, rect.Top, rect.Right, rect.Top + dy}, rect));
    if (dy < 0)
        Invalid = Union(Invalid,
                        Intersection({rect.Left, rect.Bottom + dy, rect.Right, rect.Bottom}, rect));
}

void THeadlessWindow::SetScrollRange(TScrollBarKind bar, int min, int max) {
    ScrollBars[bar].Min = min;
    ScrollBars[bar].Max = max;
}

void THeadlessWindow::CreateCaret(int width, int height, bool gray) {
    CaretCalls.push_back({ckCreate, {width, height}, gray, {}});
    Caret = {true, false, {width, height}, gray, false, Caret.Pos};
}

void THeadlessWindow::CreateBitmapCaret(const TBitmap& bitmap) {
    CaretCalls.push_back({ckCreateBitmap, {bitmap.Width, bitmap.Height}, false, {}});
    Caret = {true, false, {bitmap.Width, bitmap.Height}, false, true, Caret.Pos};
}

void THeadlessWindow::DestroyCaret() {
    CaretCalls.push_back({ckDestroy, {}, false, {}});
    Caret.Exists = false;
    Caret.Visible = false;
}

void THeadlessWindow::ShowCaret() {
    CaretCalls.push_back({ckShow, {}, false, {}});
    Caret.Visible = Caret.Exists;
}

void THeadlessWindow::HideCaret() {
    CaretCalls.push_back({ckHide, {}, false, {}});
    Caret.Visible = false;
}

void THeadlessWindow::SetCaretPos(TPoint pos) {
    CaretCalls.push_back({ckSetPos, {}, false, pos});
    Caret.Pos = pos;
}

}  // namespace wendax
