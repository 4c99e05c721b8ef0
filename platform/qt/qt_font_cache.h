// The screen fonts one window has used, made once per font description.
#pragma once

#include <memory>
#include <vector>

#include "platform/qt/qt_screen_font.h"

namespace wendax {

class TQtFontCache {
  public:
    // The screen font for `request`; the reference stays valid as long as the cache.
    const TQtScreenFont& Find(const TFontRequest& request);

  private:
    std::vector<std::unique_ptr<TQtScreenFont>> FFonts;  // a handful: one per font used
};

}  // namespace wendax
