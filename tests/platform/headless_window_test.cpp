// The headless window: what it records and how a test drives its client with it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_window.h"

namespace wendax {
namespace {

// A client that logs the calls it gets, and can post or paint from inside them.
class TLoggingClient : public TWindowClient {
  public:
    void Paint(TDrawingSurface& surface, const TRect& clip) override {
        Log.push_back("paint " + std::to_string(clip.Left) + "," + std::to_string(clip.Top) + "," +
                      std::to_string(clip.Right) + "," + std::to_string(clip.Bottom));
        surface.FillRect(clip, 5);
        surface.TextOut(1, 2, {0, 0, 8, 15}, "ab", 3, 4);
    }
    void Resized() override { Log.push_back("resized"); }
    void FocusGained() override { Log.push_back("gained"); }
    void FocusLost() override { Log.push_back("lost"); }
    bool KeyDown(const TKeyMessage&) override { return false; }
    void SysKeyDown(const TKeyMessage&) override {}
    void CharTyped(char32_t) override {}
    void TextCommitted(std::u32string_view) override {}
    void MouseDown(TMouseButton, TPoint, std::uint8_t) override {}
    void MouseMove(TPoint, std::uint8_t) override {}
    void MouseUp(TMouseButton, TPoint, std::uint8_t) override {}
    void DoubleClick(TMouseButton, TPoint, std::uint8_t) override {}
    void CursorQuery(TPoint) override {}
    bool MouseActivate() override { return true; }
    void ScrollBarAction(TScrollBarKind, TScrollCode, int) override {}
    void MessageArrived(const TPostedMessage& message) override {
        Log.push_back("message " + std::to_string(message.Msg));
        if (Window && message.Msg == 1) Window->PostMessage({3, 0, 0});
    }
    void TimerTick(int id) override { Log.push_back("timer " + std::to_string(id)); }

    THeadlessWindow* Window = nullptr;
    std::vector<std::string> Log;
};

using TLog = std::vector<std::string>;

TEST(HeadlessWindow, PostedMessagesArriveInOrderIncludingThosePostedMeanwhile) {
    TLoggingClient client;
    THeadlessWindow window(client);
    client.Window = &window;
    window.PostMessage({1, 0, 0});
    window.PostMessage({2, 0, 0});
    EXPECT_TRUE(client.Log.empty());
    EXPECT_EQ(window.DeliverMessages(), 3);
    EXPECT_EQ(client.Log, (TLog{"message 1", "message 2", "message 3"}));
    EXPECT_EQ(window.DeliverMessages(), 0);
}

TEST(HeadlessWindow, OnlyRunningTimersFire) {
    TLoggingClient client;
    THeadlessWindow window(client);
    window.StartTimer(7, 50);
    EXPECT_EQ(window.Timers.at(7), 50);
    EXPECT_TRUE(window.FireTimer(7));
    window.StopTimer(7);
    EXPECT_FALSE(window.FireTimer(7));
    EXPECT_FALSE(window.FireTimer(8));
    EXPECT_EQ(client.Log, TLog{"timer 7"});
}

TEST(HeadlessWindow, FocusAndSizeChangesReachTheClient) {
    TLoggingClient client;
    THeadlessWindow window(client, {300, 200});
    EXPECT_EQ(window.ClientSize(), (TSize{300, 200}));
    window.SetFocus();
    window.SetFocused(true);
    window.SetFocused(false);
    window.Focusable = false;
    window.SetFocused(true);
    EXPECT_FALSE(window.HasFocus());
    window.Resize({100, 50});
    EXPECT_EQ(window.ClientSize(), (TSize{100, 50}));
    EXPECT_EQ(client.Log, (TLog{"gained", "lost", "resized"}));
}

TEST(HeadlessWindow, InvalidAreasAreClippedJoinedAndPaintedOnce) {
    TLoggingClient client;
    THeadlessWindow window(client, {100, 50});
    EXPECT_FALSE(window.PaintInvalid());
    window.Invalidate({10, 10, 20, 20});
    window.Invalidate({90, 40, 200, 200});
    EXPECT_EQ(window.Invalid, (TRect{10, 10, 100, 50}));
    window.SetRedraw(false);
    EXPECT_FALSE(window.PaintInvalid());
    window.SetRedraw(true);
    window.UpdateNow();
    EXPECT_FALSE(window.PaintInvalid());
    EXPECT_EQ(client.Log, TLog{"paint 10,10,100,50"});
    ASSERT_EQ(window.Paints.size(), 1u);
    ASSERT_EQ(window.Paints[0].Ops.size(), 2u);
    EXPECT_EQ(window.Paints[0].Ops[1].Kind, pkTextOut);
    EXPECT_EQ(window.Paints[0].Ops[1].Text, "ab");
    EXPECT_EQ(window.Paints[0].Ops[1].Point, (TPoint{1, 2}));
    window.InvalidateAll();
    EXPECT_EQ(window.Invalid, (TRect{0, 0, 100, 50}));
    EXPECT_EQ(window.Invalidations.size(), 3u);
}

TEST(HeadlessWindow, ScrollingPixelsInvalidatesTheUncoveredStrip) {
    TLoggingClient client;
    THeadlessWindow window(client, {100, 50});
    window.ScrollPixels({15, 0, 95, 45}, 0, -15);
    EXPECT_EQ(window.Invalid, (TRect{15, 30, 95, 45}));
    window.Invalid = {};
    window.ScrollPixels({15, 0, 95, 45}, 8, 0);
    EXPECT_EQ(window.Invalid, (TRect{15, 0, 23, 45}));
    ASSERT_EQ(window.Scrolls.size(), 2u);
    EXPECT_EQ(window.Scrolls[1].Dx, 8);
}

TEST(HeadlessWindow, StillInvalidAreasMoveWithTheScrolledPixels) {
    TLoggingClient client;
    THeadlessWindow window(client, {100, 50});
    window.Invalidate({20, 10, 30, 12});
    window.ScrollPixels({0, 0, 100, 45}, 0, 15);
    EXPECT_EQ(window.Invalid, (TRect{0, 0, 100, 27}));
}

TEST(HeadlessWindow, ScrollBarsCaptureCursorAndButtonsAreKept) {
    TLoggingClient client;
    THeadlessWindow window(client);
    window.SetScrollRange(sbVertical, 1, 81);
    window.SetScrollPos(sbVertical, 5);
    window.SetScrollRange(sbHorizontal, 0, 0);
    EXPECT_EQ(window.ScrollBars[sbVertical].Max, 81);
    EXPECT_EQ(window.ScrollBars[sbVertical].Pos, 5);
    window.SetMouseCapture(true);
    window.SetCursorShape(crMargin);
    window.Cursor = {3, 4};
    window.ButtonsDown[mbLeft] = true;
    EXPECT_TRUE(window.Captured);
    EXPECT_EQ(window.CursorShape, crMargin);
    EXPECT_EQ(window.CursorPos(), (TPoint{3, 4}));
    EXPECT_TRUE(window.IsButtonDown(mbLeft));
    EXPECT_FALSE(window.IsButtonDown(mbRight));
    EXPECT_EQ(window.FontMetrics({}).AveCharWidth, 8);
}

TEST(HeadlessWindow, CaretCallsAreRecordedAndTheCaretStateFollowsThem) {
    TLoggingClient client;
    THeadlessWindow window(client);
    window.ShowCaret();  // no caret yet
    EXPECT_FALSE(window.Caret.Visible);
    window.CreateCaret(2, 16, true);
    EXPECT_TRUE(window.Caret.Exists);
    EXPECT_FALSE(window.Caret.Visible);  // a new caret starts hidden
    window.SetCaretPos({7, 9});
    window.ShowCaret();
    EXPECT_TRUE(window.Caret.Visible);
    window.CreateBitmapCaret({4, 5, std::vector<std::uint32_t>(20)});
    EXPECT_TRUE(window.Caret.FromBitmap);
    EXPECT_EQ(window.Caret.Size, (TSize{4, 5}));
    EXPECT_EQ(window.Caret.Pos, (TPoint{7, 9}));
    window.HideCaret();
    window.DestroyCaret();
    EXPECT_FALSE(window.Caret.Exists);
    const std::vector<THeadlessCaretCall> expected = {{ckShow, {}, false, {}},
                                                      {ckCreate, {2, 16}, true, {}},
                                                      {ckSetPos, {}, false, {7, 9}},
                                                      {ckShow, {}, false, {}},
                                                      {ckCreateBitmap, {4, 5}, false, {}},
                                                      {ckHide, {}, false, {}},
                                                      {ckDestroy, {}, false, {}}};
    EXPECT_EQ(window.CaretCalls, expected);
}

}  // namespace
}  // namespace wendax
