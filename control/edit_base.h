// The base of the library's text-editing controls: the control plus the border of its window.
#pragma once

#include <cstdint>

#include "control/ovc_base.h"

namespace wendax {

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

class TOvcEditBase : public TOvcBase {
  public:
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style) {
        if (style == FBorderStyle) return;
        FBorderStyle = style;
        ApplyFrame();
    }

  protected:
    // The frame the window is to have; controls with scroll bars add them.
    virtual TWindowFrame Frame() const { return {false, false, FBorderStyle == bsSingle}; }
    // Gives the window the frame of Frame(); nothing without a window.
    void ApplyFrame() {
        if (Window()) Window()->SetFrame(Frame());
    }
    void WindowCreated() override { ApplyFrame(); }

  private:
    TBorderStyle FBorderStyle = bsSingle;
};

}  // namespace wendax
