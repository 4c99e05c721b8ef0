#include "platform/qt/qt_font_cache.h"

#include <algorithm>

namespace wendax {

const TQtScreenFont& TQtFontCache::Find(const TFontRequest& request) {
    const auto it = std::find_if(FFonts.begin(), FFonts.end(), [&request](const auto& font) {
        return font->Request() == request;
    });
    if (it != FFonts.end()) return **it;
    FFonts.push_back(std::make_unique<TQtScreenFont>(request));
    return *FFonts.back();
}

}  // namespace wendax
