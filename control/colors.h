// A pair of colours (background and text) with defaults given by the owner, such as the
// editor's highlight colours. Every change is reported to the owner.
#pragma once

#include <functional>

#include "platform/geometry.h"

namespace wendax {

class TOvcColors {
  public:
    TOvcColors(TColor defaultBack, TColor defaultText);

    TColor BackColor() const { return FBackColor; }
    // A colour other than its default clears UseDefault.
    void SetBackColor(TColor color);
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor color);
    // True while both colours are taken as the defaults; setting it true restores them.
    bool UseDefault() const { return FUseDefault; }
    void SetUseDefault(bool value);

    // Copies both colours (UseDefault follows from them).
    void Assign(const TOvcColors& source);

    // Called after every change of a colour; the owner sets it.
    std::function<void()> OnChange;

  private:
    void SetColors(TColor back, TColor text);

    TColor FDefaultBack;
    TColor FDefaultText;
    TColor FBackColor;
    TColor FTextColor;
    bool FUseDefault = true;
};

}  // namespace wendax
