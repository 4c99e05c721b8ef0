// The editor's font: a fixed-pitch font family, size, style and text colour. Only the
// installed fixed-pitch families can be chosen; every change is reported to the owner.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "control/persistent.h"
#include "platform/geometry.h"

namespace wendax {

enum TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
};

// The installed fixed-pitch families in the system's order, read from the platform once
// for the whole program (empty when no platform is installed yet).
const std::vector<std::string>& FixedFontNames();

class TOvcFixedFont : public TOvcPersistent {
  public:
    // The first fixed-pitch family, the platform's default size, plain, window-text colour.
    TOvcFixedFont();

    const std::string& Name() const { return FRequest.Name; }
    // A name that is no installed fixed-pitch family (compared ignoring case) is ignored.
    void SetName(const std::string& name);
    int Size() const { return FRequest.Size; }
    // Points; values of 0 or less are ignored.
    void SetSize(int size);
    // TFontStyle bits.
    std::uint8_t Style() const;
    void SetStyle(std::uint8_t style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // The font as the platform measures and draws it.
    const TFontRequest& Request() const { return FRequest; }

    // From another TOvcFixedFont: a copy. Anything else raises EInvalidFontParam.
    void Assign(const TOvcPersistent& source) override;
    // From a plain font: a copy when its name is a fixed-pitch family, else
    // EInvalidFixedFont and nothing changes.
    void Assign(const TFontRequest& font, TColor color);

    // Called after every change; the owner sets it.
    std::function<void()> OnChange;

  private:
    void Changed();

    TFontRequest FRequest;
    TColor FColor = SystemColor(sciWindowText);
};

}  // namespace wendax
