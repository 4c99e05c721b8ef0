#include "control/colors.h"

namespace wendax {

TOvcColors::TOvcColors(TColor defaultBack, TColor defaultText)
    : FDefaultBack(defaultBack),
      FDefaultText(defaultText),
      FBackColor(defaultBack),
      FTextColor(defaultText) {}

void TOvcColors::SetBackColor(TColor color) {
    SetColors(color, FTextColor);
}

void TOvcColors::SetTextColor(TColor color) {
    SetColors(FBackColor, color);
}

void TOvcColors::SetUseDefault(bool value) {
    if (value == FUseDefault) return;
    FUseDefault = value;
    if (value) SetColors(FDefaultBack, FDefaultText);
}

void TOvcColors::Assign(const TOvcColors& source) {
    SetColors(source.FBackColor, source.FTextColor);
}

void TOvcColors::SetColors(TColor back, TColor text) {
    if (back == FBackColor && text == FTextColor) return;
    FBackColor = back;
    FTextColor = text;
    if (back != FDefaultBack || text != FDefaultText) FUseDefault = false;
    if (OnChange) OnChange();
}

}  // namespace wendax
