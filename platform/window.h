// The window side of the platform: a control's window (`TWindowPeer`, implemented by a
// platform layer) and the control's answers to what happens to it (`TWindowClient`,
// implemented by the control). A control has a window exactly while a peer is attached.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/drawing_surface.h"
#include "platform/geometry.h"
#include "platform/virtual_keys.h"

namespace wendax {

enum TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

enum TScrollCode : std::uint8_t {
    scLineUp,    // also line left
    scLineDown,  // also line right
    scPageUp,
    scPageDown,
    scThumbTrack,     // thumb being dragged, position given
    scThumbPosition,  // thumb released, position given
    scTop,
    scBottom,
    scEndScroll,
};

enum TCursorShape : std::uint8_t { crArrow, crIBeam, crMargin };

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Window frame options a control asks for.
struct TWindowFrame {
    bool HorzScrollBar = true;
    bool VertScrollBar = true;
    bool Border = true;
};

// Messages posted to a window come back to its client in posting order, after the
// current operation has returned.
struct TPostedMessage {
    std::uint32_t Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
};

class TWindowPeer {
  public:
    virtual ~TWindowPeer() = default;

    virtual TSize ClientSize() const = 0;
    virtual void SetFrame(const TWindowFrame& frame) = 0;

    virtual bool HasFocus() const = 0;
    virtual bool CanFocus() const = 0;
    virtual void SetFocus() = 0;
    // Whether the Tab key reaches the client; otherwise the window keeps it for moving the
    // focus on. A control that cares says so when its window is made.
    virtual void SetWantTab(bool wanted) = 0;

    // Painting: invalidated areas are painted later through TWindowClient::Paint, or at
    // once by UpdateNow. ScrollPixels moves the pixels inside `rect` by (dx, dy) and
    // invalidates the strips it uncovers. SetRedraw(false) suspends painting.
    virtual void Invalidate(const TRect& rect) = 0;
    virtual void InvalidateAll() = 0;
    virtual void UpdateNow() = 0;
    virtual void ScrollPixels(const TRect& rect, int dx, int dy) = 0;
    virtual void SetRedraw(bool on) = 0;

    // A range of (0, 0) hides the bar.
    virtual void SetScrollRange(TScrollBarKind bar, int min, int max) = 0;
    virtual void SetScrollPos(TScrollBarKind bar, int pos) = 0;

    virtual void SetMouseCapture(bool on) = 0;
    virtual void SetCursorShape(TCursorShape shape) = 0;
    virtual TPoint CursorPos() const = 0;  // client coordinates, now
    virtual bool IsButtonDown(TMouseButton button) const = 0;

    virtual void PostMessage(const TPostedMessage& message) = 0;
    // A repeating timer; `id` is chosen by the control and comes back in TimerTick.
    virtual void StartTimer(int id, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;

    virtual TTextMetrics FontMetrics(const TFontRequest& font) = 0;

    // The window's text caret: one per window, created while the window has the focus.
    virtual void CreateCaret(int width, int height, bool gray) = 0;
    virtual void CreateBitmapCaret(const TBitmap& bitmap) = 0;
    virtual void DestroyCaret() = 0;
    virtual void ShowCaret() = 0;
    virtual void HideCaret() = 0;
    virtual void SetCaretPos(TPoint pos) = 0;
};

class TWindowClient {
  public:
    virtual ~TWindowClient() = default;

    virtual void Paint(TDrawingSurface& surface, const TRect& clip) = 0;
    virtual void Resized() = 0;
    virtual void FocusGained() = 0;
    virtual void FocusLost() = 0;

    // Returns true when the key was consumed.
    virtual bool KeyDown(const TKeyMessage& key) = 0;
    virtual void SysKeyDown(const TKeyMessage& key) = 0;
    // A typed character: a Unicode code point.
    virtual void CharTyped(char32_t ch) = 0;
    // The text an input method commits (dead keys, compose sequences, candidate windows),
    // typed as one edit.
    virtual void TextCommitted(std::u32string_view text) = 0;

    // `shift` holds the modifier bits (TKeyShift) at the time of the event.
    virtual void MouseDown(TMouseButton button, TPoint pos, std::uint8_t shift) = 0;
    virtual void MouseMove(TPoint pos, std::uint8_t shift) = 0;
    virtual void MouseUp(TMouseButton button, TPoint pos, std::uint8_t shift) = 0;
    virtual void DoubleClick(TMouseButton button, TPoint pos, std::uint8_t shift) = 0;
    virtual void CursorQuery(TPoint pos) = 0;
    // False when a click on the unfocused window must neither activate nor reach it.
    virtual bool MouseActivate() = 0;

    virtual void ScrollBarAction(TScrollBarKind bar, TScrollCode code, int pos) = 0;
    virtual void MessageArrived(const TPostedMessage& message) = 0;
    virtual void TimerTick(int id) = 0;
};

}  // namespace wendax
