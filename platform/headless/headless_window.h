// A control's window without a display, for tests. It answers the control from fields a
// test sets (client size, focus, cursor, buttons, font metrics), records what the control
// asks of it (invalidations, scroll bars, capture, cursor shape, timers, caret calls), and
// lets the test drive the control: change size and focus, paint, deliver the posted
// messages in order and fire timers.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <vector>

#include "platform/headless/headless_surface.h"
#include "platform/window.h"

namespace wendax {

enum THeadlessCaretCallKind : std::uint8_t {
    ckCreate,
    ckCreateBitmap,
    ckDestroy,
    ckShow,
    ckHide,
    ckSetPos,
};

// One recorded caret call with the arguments of its kind.
struct THeadlessCaretCall {
    THeadlessCaretCallKind Kind = ckCreate;
    TSize Size;         // ckCreate, and ckCreateBitmap (the bitmap's size)
    bool Gray = false;  // ckCreate
    TPoint Pos;         // ckSetPos
    friend bool operator==(const THeadlessCaretCall&, const THeadlessCaretCall&) = default;
};

// The window caret as the calls so far have left it.
struct THeadlessCaret {
    bool Exists = false;
    bool Visible = false;
    TSize Size;
    bool Gray = false;
    bool FromBitmap = false;
    TPoint Pos;
};

struct THeadlessScrollBar {
    int Min = 0;
    int Max = 0;
    int Pos = 0;
};

class THeadlessWindow : public TWindowPeer {
  public:
    explicit THeadlessWindow(TWindowClient& client, TSize clientSize = {200, 150});

    // ---- Driving the control
    // Sets the size and tells the client.
    void Resize(TSize clientSize);
    // Gives or takes the focus and tells the client when it changes.
    void SetFocused(bool focused);
    // Paints the invalid area, if any, as the system would; returns whether it painted.
    bool PaintInvalid();
    // Delivers the posted messages in order, also those posted meanwhile; returns how
    // many were delivered.
    int DeliverMessages();
    // Fires a running timer once; false when no timer of that id runs.
    bool FireTimer(int id);

    // The mouse and keyboard as a window system delivers them. A press on an unfocused
    // window reaches the client only if its MouseActivate agrees; while the mouse is not
    // captured the client is asked for the cursor shape first. Each sets Cursor and
    // ButtonsDown as the event leaves them.
    void Press(TPoint pos, std::uint8_t shift = ksNone, TMouseButton button = mbLeft);
    void MoveMouse(TPoint pos, std::uint8_t shift = ksNone);
    void Release(TPoint pos, std::uint8_t shift = ksNone, TMouseButton button = mbLeft);
    // A whole double click: press and release, then the second press as a double click
    // and its release.
    void DoubleClickAt(TPoint pos, std::uint8_t shift = ksNone);
    // A key press: with Alt a system key; otherwise the key, then `typed` (its character,
    // 0 for none) unless the client consumed the key.
    void Key(std::uint8_t key, std::uint8_t shift = ksNone, char32_t typed = 0);

    // ---- Answers the control gets
    bool Focusable = true;
    bool WantTab = false;
    TPoint Cursor;
    std::array<bool, 3> ButtonsDown{};  // by TMouseButton
    TTextMetrics Metrics{.Height = 15, .ExternalLeading = 1, .AveCharWidth = 8, .Ascent = 12};

    // ---- What the control asked for
    TWindowFrame Frame;
    TRect Invalid;                     // bounding box of the area still to paint
    std::vector<TRect> Invalidations;  // every Invalidate rectangle, InvalidateAll as the client
    struct TScroll {
        TRect Rect;
        int Dx = 0;
        int Dy = 0;
    };
    std::vector<TScroll> Scrolls;
    bool Redraw = true;
    std::array<THeadlessScrollBar, 2> ScrollBars{};  // by TScrollBarKind
    bool Captured = false;
    TCursorShape CursorShape = crArrow;
    std::deque<TPostedMessage> Posted;  // not yet delivered
    std::map<int, int> Timers;          // running timers: id to interval
    std::vector<THeadlessCaretCall> CaretCalls;
    THeadlessCaret Caret;
    std::vector<THeadlessSurface> Paints;  // the recording of each paint, in order

    // ---- TWindowPeer
    TSize ClientSize() const override { return FClientSize; }
    void SetFrame(const TWindowFrame& frame) override { Frame = frame; }
    bool HasFocus() const override { return FFocused; }
    bool CanFocus() const override { return Focusable; }
    void SetFocus() override { SetFocused(true); }
    void SetWantTab(bool wanted) override { WantTab = wanted; }
    void Invalidate(const TRect& rect) override;
    void InvalidateAll() override;
    void UpdateNow() override { PaintInvalid(); }
    void ScrollPixels(const TRect& rect, int dx, int dy) override;
    void SetRedraw(bool on) override { Redraw = on; }
    void SetScrollRange(TScrollBarKind bar, int min, int max) override;
    void SetScrollPos(TScrollBarKind bar, int pos) override { ScrollBars[bar].Pos = pos; }
    void SetMouseCapture(bool on) override { Captured = on; }
    void SetCursorShape(TCursorShape shape) override { CursorShape = shape; }
    TPoint CursorPos() const override { return Cursor; }
    bool IsButtonDown(TMouseButton button) const override { return ButtonsDown[button]; }
    void PostMessage(const TPostedMessage& message) override { Posted.push_back(message); }
    void StartTimer(int id, int intervalMs) override { Timers[id] = intervalMs; }
    void StopTimer(int id) override { Timers.erase(id); }
    TTextMetrics FontMetrics(const TFontRequest&) override { return Metrics; }
    void CreateCaret(int width, int height, bool gray) override;
    void CreateBitmapCaret(const TBitmap& bitmap) override;
    void DestroyCaret() override;
    void ShowCaret() override;
    void HideCaret() override;
    void SetCaretPos(TPoint pos) override;

  private:
    TRect ClientRect() const { return {0, 0, FClientSize.Width, FClientSize.Height}; }

    TWindowClient& FClient;
    TSize FClientSize;
    bool FFocused = false;
};

}  // namespace wendax
