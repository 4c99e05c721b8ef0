// The smallest library control: answers every window event by doing nothing and counts
// its window creations.
#pragma once

#include "control/ovc_base.h"

namespace wendax::testkit {

class TTestControl : public TOvcBase {
  public:
    void Paint(TDrawingSurface&, const TRect&) override {}
    void Resized() override {}
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
    void TimerTick(int) override {}

    int WindowsCreated = 0;

  protected:
    void WindowCreated() override { ++WindowsCreated; }
};

}  // namespace wendax::testkit
